// What the report file does the same on every platform: writing through the system's file
// calls; each platform opens it its own way (platform/*/report_file.cpp).
#include "platform/report_file.h"

#include <cstring>

#include "platform/system_file.h"

namespace pelvano {

ReportFile::~ReportFile() {
  if (descriptor_ >= 0) system_file::close(descriptor_);
}

bool ReportFile::writeAndClose(std::initializer_list<std::string_view> pieces) {
  for (const std::string_view piece : pieces) {
    error_ = system_file::writeAll(descriptor_, piece);
    if (error_ != 0) return false;
  }
  const int descriptor = descriptor_;
  descriptor_ = -1;
  error_ = system_file::close(descriptor);
  return error_ == 0;
}

std::string ReportFile::reason() const {
  return std::strerror(error_);
}

}  // namespace pelvano
