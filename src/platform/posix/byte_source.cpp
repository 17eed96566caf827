#include "platform/byte_source.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <system_error>

namespace pelvano {

FileByteSource::FileByteSource(StandardInput)
    : path_("standard input"), descriptor_(::dup(STDIN_FILENO)), opened_(true) {}

void FileByteSource::open() {
  opened_ = true;
  descriptor_ = ::open(path_.c_str(), O_RDONLY | O_CLOEXEC);
  if (descriptor_ < 0) {
    openError_ = errno;
    return;
  }
  struct stat status {};
  if (::fstat(descriptor_, &status) != 0 || S_ISDIR(status.st_mode)) {
    openError_ = S_ISDIR(status.st_mode) ? EISDIR : errno;
    close();
    return;
  }
  if (S_ISREG(status.st_mode)) remaining_ = static_cast<std::size_t>(status.st_size);
}

void FileByteSource::close() {
  opened_ = true;
  if (descriptor_ >= 0) ::close(descriptor_);
  descriptor_ = -1;
}

std::size_t FileByteSource::read(char* into, std::size_t capacity) {
  if (!opened_) open();
  if (descriptor_ < 0) return 0;
  for (;;) {
    const ssize_t count = ::read(descriptor_, into, capacity);
    if (count >= 0) {
      remaining_ -= std::min(remaining_, static_cast<std::size_t>(count));
      return static_cast<std::size_t>(count);
    }
    if (errno != EINTR) throw std::system_error(errno, std::generic_category(), path_);
  }
}

}  // namespace pelvano
