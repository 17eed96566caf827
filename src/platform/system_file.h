// The few system calls a file written whole needs; one implementation a platform (posix/,
// windows/). Files are written in binary: every byte as given.
#pragma once

#include <filesystem>
#include <string_view>

namespace pelvano::system_file {

// Creates or empties `path` for writing; its descriptor, or -1 with errno set.
int create(const std::filesystem::path& path);
// Writes all of `bytes`; 0, or the system's reason.
int writeAll(int descriptor, std::string_view bytes);
// Closes the descriptor; 0, or the system's reason.
int close(int descriptor);
// Moves `from` to `to`, replacing a file there; 0, or the system's reason.
int replace(const std::filesystem::path& from, const std::filesystem::path& to);

}  // namespace pelvano::system_file
