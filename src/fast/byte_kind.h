// How the readers classify bytes: digits, white space and the line feed.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace pelvano {

enum class ByteKind : std::uint8_t { kOther, kDigit, kBlank, kLineFeed };

// White space is what isspace accepts in the default locale: blank, tab, line feed, vertical
// tab, form feed and carriage return. The line feed gets a kind of its own because it ends a
// line. Bytes 128 to 255 are neither digits nor white space.
inline constexpr std::array<ByteKind, 256> kByteKinds = [] {
  std::array<ByteKind, 256> kinds{};
  for (std::size_t c = '0'; c <= '9'; ++c)
    kinds[c] = ByteKind::kDigit;
  for (const char c : {' ', '\t', '\v', '\f', '\r'})
    kinds[static_cast<unsigned char>(c)] = ByteKind::kBlank;
  kinds['\n'] = ByteKind::kLineFeed;
  return kinds;
}();

inline ByteKind kindOf(char byte) {
  return kByteKinds[static_cast<unsigned char>(byte)];
}

// As kindOf(byte) == ByteKind::kDigit, without the table.
inline bool isDigit(char byte) {
  return static_cast<unsigned char>(byte - '0') <= 9;
}

inline bool isWhiteSpace(char byte) {
  const ByteKind kind = kindOf(byte);
  return kind == ByteKind::kBlank || kind == ByteKind::kLineFeed;
}

}  // namespace pelvano
