#include "platform/report_file.h"

#include <sys/stat.h>

#include <cerrno>

#include "platform/system_file.h"

namespace pelvano {

bool ReportFile::open(const std::string& path) {
  descriptor_ = system_file::create(path);
  if (descriptor_ < 0) error_ = errno;
  return descriptor_ >= 0;
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
