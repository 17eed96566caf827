#include "platform/byte_source.h"

#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <system_error>

#include "platform/windows/wide_text.h"

namespace pelvano {

// Files are read in binary: a text-mode read would end a file at a byte 26 (control-Z) and
// judge what came before it.
FileByteSource::FileByteSource(StandardInput)
    : path_("standard input"), descriptor_(::_dup(0)), opened_(true) {
  if (descriptor_ >= 0) ::_setmode(descriptor_, _O_BINARY);
}

void FileByteSource::open() {
  opened_ = true;
  descriptor_ = ::_wopen(windows::wide(path_).c_str(), _O_RDONLY | _O_BINARY | _O_NOINHERIT);
  if (descriptor_ < 0) {
    // Opening a folder fails with EACCES: told apart, as a folder reads as no file.
    struct _stat64 status {};
    openError_ =
        ::_wstat64(windows::wide(path_).c_str(), &status) == 0 && (status.st_mode & _S_IFDIR) != 0
            ? EISDIR
            : errno;
    return;
  }
  struct _stat64 status {};
  if (::_fstat64(descriptor_, &status) == 0 && (status.st_mode & _S_IFREG) != 0) {
    remaining_ = static_cast<std::size_t>(status.st_size);
  }
}

void FileByteSource::close() {
  opened_ = true;
  if (descriptor_ >= 0) ::_close(descriptor_);
  descriptor_ = -1;
}

std::size_t FileByteSource::read(char* into, std::size_t capacity) {
  if (!opened_) open();
  if (descriptor_ < 0) return 0;
  const unsigned piece = capacity > (1u << 30) ? (1u << 30) : static_cast<unsigned>(capacity);
  const int count = ::_read(descriptor_, into, piece);
  if (count < 0) throw std::system_error(errno, std::generic_category(), path_);
  remaining_ -= std::min(remaining_, static_cast<std::size_t>(count));
  return static_cast<std::size_t>(count);
}

}  // namespace pelvano
