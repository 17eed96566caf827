// Reading up to eight decimal digits at once from a 64-bit word, and writing them (SWAR).
#pragma once

#include <array>
#include <bit>
#include <cstddef>
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

// The eight bytes of `word` at `p`, its lowest byte first on every machine.
inline void storeEightBytes(char* p, std::uint64_t word) {
  if constexpr (std::endian::native == std::endian::big) word = __builtin_bswap64(word);
  std::memcpy(p, &word, sizeof word);
}

// The eight decimal digits of `value` (below 100000000) as byte values, the most significant in
// the lowest byte, leading zeros included: the inverse of eightDigitsValue. Each step splits every
// lane in two by a multiply with a rounded reciprocal, exact for the lanes' ranges: the number
// into four-digit halves (x * 3518437209 >> 45 is x / 10000 for any 32-bit x), the halves into
// pairs (x * 10486 >> 20 is x / 100 for x below 10000), the pairs into digits (x * 103 >> 10 is
// x / 10 for x below 100).
inline std::uint64_t eightDigitsOf(std::uint32_t value) {
  const std::uint64_t high = std::uint64_t{value} * 3518437209u >> 45;
  const std::uint64_t halves = high | (value - high * 10000) << 32;
  const std::uint64_t hundreds = (halves * 10486 >> 20) & 0x0000007F0000007Fu;
  const std::uint64_t pairs = hundreds | (halves - hundreds * 100) << 16;
  const std::uint64_t tens = (pairs * 103 >> 10) & 0x000F000F000F000Fu;
  return tens | (pairs - tens * 10) << 8;
}

// The two characters of each number below 100, the first in the low byte.
inline constexpr auto kDigitPairs = [] {
  std::array<std::uint16_t, 100> pairs{};
  for (std::uint16_t n = 0; n < 100; ++n)
    pairs[n] = static_cast<std::uint16_t>(('0' + n / 10) | ('0' + n % 10) << 8);
  return pairs;
}();

// The six characters of `value` (below 1000000), leading zeros included, the first in the
// lowest byte. The pairs come from one product: value / 10000 is the top of value times
// 2^40 / 10000 rounded up, and each next pair the top of the bits below it times 100. The
// rounding's error, multiplied by 100 twice, stays below the last pair's step for every value
// below 1000000.
inline std::uint64_t sixCharactersOf(std::uint32_t value) {
  constexpr std::uint64_t kLow40 = (std::uint64_t{1} << 40) - 1;
  std::uint64_t fraction = std::uint64_t{value} * 109951163;
  const std::uint64_t first = kDigitPairs[fraction >> 40];
  fraction = (fraction & kLow40) * 100;
  const std::uint64_t second = kDigitPairs[fraction >> 40];
  fraction = (fraction & kLow40) * 100;
  const std::uint64_t third = kDigitPairs[fraction >> 40];
  return first | second << 16 | third << 32;
}

// Writes `value` in decimal at `at`, as "%u" prints it, and returns the end of what was
// written; `at` has room for ten bytes, of which those past the end may be overwritten.
inline char* writeDecimalDigits(char* at, std::uint32_t value) {
  // Small grids' scores and case numbers are mostly of one or two digits.
  if (value < 10) {
    at[0] = static_cast<char>('0' + value);
    return at + 1;
  }
  if (value < 100) {
    at[0] = static_cast<char>(kDigitPairs[value] & 0xFF);
    at[1] = static_cast<char>(kDigitPairs[value] >> 8);
    return at + 2;
  }
  constexpr std::uint64_t kZeros = 0x3030303030303030u;
  if (value < 1000000) {
    const std::uint64_t text = sixCharactersOf(value);
    // Leading '0's are the bytes that are zero less '0'; there are at most three.
    const int zeros = std::countr_zero(text - (kZeros >> 16)) >> 3;
    storeEightBytes(at, text >> (8 * zeros));
    return at + 6 - zeros;
  }
  if (value >= 100000000) {
    // Ten digits at most: the one or two in front, then eight with their zeros.
    at = writeDecimalDigits(at, value / 100000000);
    storeEightBytes(at, eightDigitsOf(value % 100000000) + kZeros);
    return at + 8;
  }
  const std::uint64_t digits = eightDigitsOf(value);
  // Leading zeros are the zero bytes at the low end; there are at most two, so the bit set
  // in the last byte changes nothing but spares the count its test for a word of zeros.
  const int zeros = std::countr_zero(digits | std::uint64_t{1} << 63) >> 3;
  storeEightBytes(at, (digits >> (8 * zeros)) + kZeros);
  return at + 8 - zeros;
}

inline constexpr std::uint64_t kPowersOfTen[9] = {1,      10,      100,      1000,     10000,
                                                  100000, 1000000, 10000000, 100000000};

}  // namespace pelvano
