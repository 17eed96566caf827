// A row of one-digit numbers, one blank between each two, looked at sixteen bytes at a time
// in plain words; machine.h chooses between this and the vector policy.
#pragma once

#include <cstdint>

#include "fast/blank_run.h"
#include "fast/eight_digits.h"

namespace pelvano {
namespace one_digit_row {

// What sixteen bytes hold, bit k for byte k: `fitting` where the byte is what a row of
// one-digit numbers has there (a digit at an even k, a blank at an odd one), `lineFeeds` where
// it is a line feed.
struct ByteMasks {
  std::uint32_t fitting;
  std::uint32_t lineFeeds;
};

// The top bits of a word's bytes gathered into the low eight bits, byte k's into bit k: each
// lands in a bit of the top byte of its own, with no carry between them.
inline std::uint32_t gatherTopBits(std::uint64_t topBits) {
  return static_cast<std::uint32_t>(((topBits >> 7) * 0x0102040810204080u) >> 56);
}

inline constexpr std::uint64_t kTopBits = 0x8080808080808080u;

// The top bit of every byte of `word` that equals the byte of `pattern` in its place, exactly.
inline std::uint64_t equalBytes(std::uint64_t word, std::uint64_t pattern) {
  return ~blank_run::nonZeroBytes(word ^ pattern) & kTopBits;
}

// The top bit of each byte of `word` that does not fit `pattern`, whose even bytes are '0': at
// an even byte a digit fits, at an odd one the pattern's own byte. A fitting byte differs from
// the pattern's by at most 9 or 0: nothing in its high half, and its low half stays below 16
// when 6 or 15 is added.
inline std::uint64_t unfittingBytes(std::uint64_t word, std::uint64_t pattern) {
  const std::uint64_t offsets = word ^ pattern;
  return blank_run::nonZeroBytes(offsets & 0xF0F0F0F0F0F0F0F0u) |
         (((offsets & 0x0F0F0F0F0F0F0F0Fu) + 0x0F060F060F060F06u) << 3);
}

// The masks of the eight bytes of `word`, exactly, for every byte value.
inline ByteMasks masksOfWord(std::uint64_t word) {
  return {gatherTopBits(~unfittingBytes(word, 0x2030203020302030u) & kTopBits),
          gatherTopBits(equalBytes(word, 0x0A0A0A0A0A0A0A0Au))};
}

// Sixteen bytes looked at, and eight numbers stored, on every machine.
struct WordRowBytes {
  static ByteMasks masksAt(const char* p) {
    const ByteMasks low = masksOfWord(loadEightBytes(p));
    const ByteMasks high = masksOfWord(loadEightBytes(p + 8));
    return {low.fitting | high.fitting << 8, low.lineFeeds | high.lineFeeds << 8};
  }
  // Bit k set where byte k of the sixteen at `p` fits that of the sixteen at `pattern`, whose
  // even bytes are '0': a digit at an even k, the pattern's own byte at an odd one.
  static std::uint32_t fittingAt(const char* p, const char* pattern) {
    const auto fitting = [&](int at) {
      return gatherTopBits(~unfittingBytes(loadEightBytes(p + at), loadEightBytes(pattern + at)) &
                           kTopBits);
    };
    return fitting(0) | fitting(8) << 8;
  }
  // The digits at the even bytes of the sixteen at `p`, as eight numbers.
  static void storeEight(const char* p, std::int32_t* out) {
    for (int k = 0; k < 8; ++k)
      out[k] = p[2 * k] - '0';
  }
};

}  // namespace one_digit_row
}  // namespace pelvano
