#include "platform/system_file.h"

// windows.h first: the other system headers build on it.
#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>

#include <cerrno>

#include "platform/windows/wide_text.h"

namespace pelvano {
namespace system_file {

int create(const std::filesystem::path& path) {
  return ::_wopen(path.c_str(), _O_WRONLY | _O_CREAT | _O_TRUNC | _O_BINARY | _O_NOINHERIT,
                  _S_IREAD | _S_IWRITE);
}

int writeAll(int descriptor, std::string_view bytes) {
  return windows::writeAll(descriptor, bytes);
}

int close(int descriptor) {
  return ::_close(descriptor) == 0 ? 0 : errno;
}

int replace(const std::filesystem::path& from, const std::filesystem::path& to) {
  if (::MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING) != 0) return 0;
  return ::GetLastError() == ERROR_ACCESS_DENIED ? EACCES : EIO;
}

}  // namespace system_file
}  // namespace pelvano
