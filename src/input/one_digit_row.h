// Taking a row of one-digit numbers, one blank between each two, sixteen bytes at a time: the
// labels of a grid with few regions are written so. SSE2 where the machine has it (every x86-64
// does), word arithmetic elsewhere.
#pragma once

#include <cstdint>

#include "input/blank_run.h"
#include "input/eight_digits.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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
          gatherTopBits(~blank_run::nonZeroBytes(word ^ 0x0A0A0A0A0A0A0A0Au) & kTopBits)};
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

#if defined(__SSE2__)
// The same with vector compares, and the numbers widened in vectors.
struct VectorRowBytes {
  static ByteMasks masksAt(const char* p) {
    const __m128i bytes = load(p);
    const __m128i lineFeeds = _mm_cmpeq_epi8(bytes, _mm_set1_epi8('\n'));
    return {fitting(bytes, _mm_set1_epi16(0x2030)),
            static_cast<std::uint32_t>(_mm_movemask_epi8(lineFeeds))};
  }
  static std::uint32_t fittingAt(const char* p, const char* pattern) {
    return fitting(load(p), load(pattern));
  }
  static void storeEight(const char* p, std::int32_t* out) {
    // Each 16-bit lane's low byte is a digit: less '0', with the odd byte cleared, it is the
    // number, which widens to 32 bits with zeros.
    const __m128i values =
        _mm_and_si128(_mm_sub_epi8(load(p), _mm_set1_epi8('0')), _mm_set1_epi16(0x00FF));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out),
                     _mm_unpacklo_epi16(values, _mm_setzero_si128()));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 4),
                     _mm_unpackhi_epi16(values, _mm_setzero_si128()));
  }

 private:
  // As in unfittingBytes: the difference from the pattern's byte saturates to 0 less 9 at an
  // even byte, less 0 at an odd one.
  static std::uint32_t fitting(__m128i bytes, __m128i pattern) {
    const __m128i offsets = _mm_xor_si128(bytes, pattern);
    return static_cast<std::uint32_t>(_mm_movemask_epi8(
        _mm_cmpeq_epi8(_mm_subs_epu8(offsets, _mm_set1_epi16(0x0009)), _mm_setzero_si128())));
  }
  static __m128i load(const char* p) {
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
  }
};
#endif

// The machine's way: vector compares where it has SSE2 (every x86-64 does), words elsewhere.
#if defined(__SSE2__)
using MachineRowBytes = VectorRowBytes;
#else
using MachineRowBytes = WordRowBytes;
#endif

// See takeOneDigitRow; `RowBytes` is one of the two above.
template <class RowBytes>
inline std::int32_t takeOneDigitNumbers(const char*& p, std::int32_t* out, std::int32_t width,
                                        const char* blockEnd) {
  const char* at = p;
  std::int32_t j = 0;
  // Eight numbers and the blank after each, while more than eight are left. No byte of them is
  // the sentinel, so the next sixteen may be loaded after them.
  for (; width - j > 8; j += 8, at += 16) {
    if (RowBytes::masksAt(at).fitting != 0xFFFF) {
      p = at;
      return j;
    }
    RowBytes::storeEight(at, out + j);
  }
  // The last one to eight numbers and the line feed, which must not be the sentinel.
  const int left = width - j;
  const int lineFeed = 2 * left - 1;
  const std::uint32_t before = (1u << lineFeed) - 1;
  const ByteMasks masks = RowBytes::masksAt(at);
  if ((masks.fitting & before) != before || (masks.lineFeeds & (before + 1)) == 0 ||
      at + lineFeed == blockEnd) {
    p = at;
    return j;
  }
  RowBytes::storeEight(at, out + j);  // past the row's end too: its room allows it
  p = at + lineFeed + 1;
  return width;
}

}  // namespace one_digit_row

// The bytes read at a position, up to the sentinel: the line source's read-ahead covers them.
inline constexpr int kOneDigitRowWindow = 16;
// How many numbers past a row's end may be written: the last eight are stored at once.
inline constexpr std::int32_t kOneDigitRowOverrun = 7;

// Takes the numbers of the row at `p`, of `width` (at least 1), while they are of one digit
// and one blank stands between each two, storing them in `out`, which has room for
// kOneDigitRowOverrun numbers past the row, to be overwritten; returns how many were taken.
// When all were, the row's line feed right after the last was taken too, and `p` is after it;
// otherwise `p` is at the first byte of the first number not taken, or at the row's start, and
// the rest of the row is for the full reading. `blockEnd` is the sentinel, which ends no row.
inline std::int32_t takeOneDigitRow(const char*& p, std::int32_t* out, std::int32_t width,
                                    const char* blockEnd) {
  return one_digit_row::takeOneDigitNumbers<one_digit_row::MachineRowBytes>(p, out, width,
                                                                            blockEnd);
}

}  // namespace pelvano
