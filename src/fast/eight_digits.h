// Reading up to eight decimal digits at once from a 64-bit word (SWAR).
#pragma once

#include <bit>
#include <cstdint>
#include <cstring>

namespace pelvano {

// The eight bytes at `p`, the first byte in the lowest position on every machine: all the word
// arithmetic here counts bytes from the low end.
inline std::uint64_t loadEightBytes(const char* p) {
  std::uint64_t word;
  std::memcpy(&word, p, sizeof word);
  if constexpr (std::endian::native == std::endian::big) word = __builtin_bswap64(word);
  return word;
}

// Each byte minus '0': the digit values, wherever the bytes are digits.
inline std::uint64_t digitValues(std::uint64_t bytes) {
  return bytes - 0x3030303030303030u;
}

// The top bit of every byte of `values` that is no digit. Bytes after the first non-digit may
// be garbled by borrows and carries, so only the lowest bit set is to be trusted: it is bit
// 8 * n + 7, with n the number of leading digits.
inline std::uint64_t nonDigitBits(std::uint64_t values) {
  return (values | (values + 0x7676767676767676u)) & 0x8080808080808080u;
}

// The number written by the eight digits of `values`, the first digit the most significant.
inline std::uint64_t eightDigitsValue(std::uint64_t values) {
  const std::uint64_t pairs = values * 10 + (values >> 8);  // in bytes 0, 2, 4 and 6
  constexpr std::uint64_t kBytes0And4 = 0x000000FF000000FFu;
  return ((pairs & kBytes0And4) * (100 + (1000000ull << 32)) +
          ((pairs >> 16) & kBytes0And4) * (1 + (10000ull << 32))) >>
         32;
}

// The number written by the leading digits of `values`, with `firstNonDigitBit` as
// nonDigitBits gives it (7 for no digit, which gives 0).
inline std::uint64_t leadingDigitsValue(std::uint64_t values, int firstNonDigitBit) {
  // Moving the digits to the top leaves zero digits in front of them, which change nothing.
  // Shifting in two steps keeps each shift below 64 when there is no digit at all.
  return eightDigitsValue((values << (70 - firstNonDigitBit)) << 1);
}

inline constexpr std::uint64_t kPowersOfTen[9] = {1,      10,      100,      1000,     10000,
                                                  100000, 1000000, 10000000, 100000000};

}  // namespace pelvano
