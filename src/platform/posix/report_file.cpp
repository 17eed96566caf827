#include "platform/report_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/posix/descriptor.h"

namespace pelvano {

ReportFile::~ReportFile() {
  if (descriptor_ >= 0) ::close(descriptor_);
}

bool ReportFile::open(const std::string& path) {
  descriptor_ = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (descriptor_ < 0) error_ = errno;
  return descriptor_ >= 0;
}

bool ReportFile::writeAndClose(std::initializer_list<std::string_view> pieces) {
  for (const std::string_view piece : pieces) {
    error_ = posix::writeAll(descriptor_, piece);
    if (error_ != 0) return false;
  }
  const int descriptor = descriptor_;
  descriptor_ = -1;
  if (::close(descriptor) != 0) {
    error_ = errno;
    return false;
  }
  return true;
}

std::string ReportFile::reason() const {
  return std::strerror(error_);
}

bool isSameExistingFile(const std::string& reportPath, const std::string& inputPath) {
  struct stat report {};
  struct stat input {};
  if (::stat(reportPath.c_str(), &report) != 0 || ::stat(inputPath.c_str(), &input) != 0) {
    return false;
  }
  return report.st_dev == input.st_dev && report.st_ino == input.st_ino;
}

}  // namespace pelvano
