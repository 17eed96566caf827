// Reading up to eight decimal digits at once from a 64-bit word (SWAR).
#pragma once

#include <bit>
#include <cstdint>
#include <cstring>

namespace pelvano {

static_assert(std::endian::native == std::endian::little, "digits are read as little-endian words");

// The eight bytes at `p`, the first byte in the lowest position.
inline std::uint64_t loadEightBytes(const char* p) {
  std::uint64_t word;
  std::memcpy(&word, p, sizeof word);
  return word;
}

// Each byte minus '0': the digit values, wherever the bytes are digits.
inline std::uint64_t digitValues(std::uint64_t bytes) {
  return bytes - 0x3030303030303030u;
}

// How many of the leading bytes are digits, 0 to 8. Bytes after the first non-digit may be
// garbled by borrows and carries, but they are never counted.
inline int countLeadingDigits(std::uint64_t values) {
  const std::uint64_t nonDigits = (values | (values + 0x7676767676767676u)) & 0x8080808080808080u;
  return nonDigits == 0 ? 8 : __builtin_ctzll(nonDigits) >> 3;
}

// The number written by the first `count` (1 to 8) digits of `values`.
inline std::uint64_t leadingDigitsValue(std::uint64_t values, int count) {
  // Moving the digits to the top leaves zero digits in front of them, which change nothing.
  std::uint64_t v = values << (64 - 8 * count);
  v = (v * 10 + (v >> 8)) & 0x00FF00FF00FF00FFu;
  v = (v * 100 + (v >> 16)) & 0x0000FFFF0000FFFFu;
  return (v * 10000 + (v >> 32)) & 0xFFFFFFFFu;
}

inline constexpr std::uint64_t kPowersOfTen[9] = {1,      10,      100,      1000,     10000,
                                                  100000, 1000000, 10000000, 100000000};

}  // namespace pelvano
