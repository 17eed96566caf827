#include "platform/system_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "platform/posix/descriptor.h"

namespace pelvano {
namespace system_file {

int create(const std::filesystem::path& path) {
  return ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
}

int writeAll(int descriptor, std::string_view bytes) {
  return posix::writeAll(descriptor, bytes);
}

int close(int descriptor) {
  return ::close(descriptor) == 0 ? 0 : errno;
}

int replace(const std::filesystem::path& from, const std::filesystem::path& to) {
  return std::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}

}  // namespace system_file
}  // namespace pelvano
