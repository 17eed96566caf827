// What the Windows implementation's files share: paths and arguments are UTF-8 everywhere
// else, UTF-16 for the system's wide-character calls; and writing through a descriptor.
#pragma once

#include <io.h>
#include <windows.h>

#include <cerrno>
#include <string>
#include <string_view>

namespace pelvano::windows {

inline std::wstring wide(std::string_view utf8) {
  if (utf8.empty()) return {};
  const int length =
      ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring text(static_cast<std::size_t>(length), L'\0');
  ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), text.data(),
                        length);
  return text;
}

inline std::string utf8(std::wstring_view wideText) {
  if (wideText.empty()) return {};
  const int length = ::WideCharToMultiByte(
      CP_UTF8, 0, wideText.data(), static_cast<int>(wideText.size()), nullptr, 0, nullptr, nullptr);
  std::string text(static_cast<std::size_t>(length), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, wideText.data(), static_cast<int>(wideText.size()), text.data(),
                        length, nullptr, nullptr);
  return text;
}

// Writes all of `bytes`; 0, or the C library's reason when a write fails.
inline int writeAll(int descriptor, std::string_view bytes) {
  while (!bytes.empty()) {
    const unsigned piece =
        bytes.size() > (1u << 30) ? (1u << 30) : static_cast<unsigned>(bytes.size());
    const int written = ::_write(descriptor, bytes.data(), piece);
    if (written <= 0) return written < 0 ? errno : EIO;
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return 0;
}

}  // namespace pelvano::windows
