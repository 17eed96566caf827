// What the POSIX implementation's files share: writing through a descriptor.
#pragma once

#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <string_view>

namespace pelvano::posix {

// Writes all of `bytes`, going on after a write that a signal cut short; 0, or the system's
// reason when a write fails (EIO when it wrote nothing without one).
inline int writeAll(int descriptor, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(descriptor, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return written < 0 ? errno : EIO;
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return 0;
}

}  // namespace pelvano::posix
