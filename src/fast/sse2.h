// The fast paths' vector forms, for machines with SSE2 (every x86-64): each does what the
// plain form beside it does, sixteen bytes at once. machine.h chooses them where they build.
#pragma once

#if defined(__SSE2__)
#include <emmintrin.h>

#include <bit>
#include <cstddef>
#include <cstdint>

#include "fast/plain_window.h"
#include "fast/row_bytes.h"
#include "fast/run_sums.h"

namespace pelvano {

namespace blank_run {

// The vector count, of up to sixteen bytes.
inline int leadingSpacesAndTabsInVector(const char* p) {
  const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
  const __m128i blanks = _mm_or_si128(_mm_cmpeq_epi8(bytes, _mm_set1_epi8(' ')),
                                      _mm_cmpeq_epi8(bytes, _mm_set1_epi8('\t')));
  const auto others = static_cast<std::uint32_t>(~_mm_movemask_epi8(blanks));
  return std::countr_zero(others | 0x10000u);  // 16 when all are
}
}  // namespace blank_run

namespace one_digit_row {

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
}  // namespace one_digit_row

namespace bytes_match {

// The same, sixteen bytes compared at once.
class VectorBytesMatch {
 public:
  VectorBytesMatch(const char* bytes, std::size_t length)
      : bytes_(_mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes))),
        mask_((1u << length) - 1) {}

  bool at(const char* p) const {
    const __m128i here = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    const auto same = static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(here, bytes_)));
    return (same & mask_) == mask_;
  }

 private:
  __m128i bytes_;
  std::uint32_t mask_;
};
}  // namespace bytes_match

namespace plain_window {

// The same, sixteen bytes compared at once, and four numbers converted at once.
struct VectorPlainWindow {
  static WindowMasks masksAt(const char* p) {
    // Most windows hold digits and blanks only: their blanks are all that is to be found.
    std::uint64_t blanks = 0;
    __m128i plain = _mm_set1_epi8(-1);
    for (int k = 0; k < kWindow / 16; ++k) {
      const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16 * k));
      // A digit less '0' is at most 9, and no other byte is.
      const __m128i offsets = _mm_sub_epi8(bytes, _mm_set1_epi8('0'));
      const __m128i digits = _mm_cmpeq_epi8(_mm_min_epu8(offsets, _mm_set1_epi8(9)), offsets);
      const __m128i found = _mm_cmpeq_epi8(bytes, _mm_set1_epi8(' '));
      plain = _mm_and_si128(plain, _mm_or_si128(digits, found));
      blanks |= std::uint64_t{static_cast<std::uint32_t>(_mm_movemask_epi8(found))} << (16 * k);
    }
    if (_mm_movemask_epi8(plain) == 0xFFFF) [[likely]] {
      return {~blanks, blanks, 0};
    }
    return masksOfEveryKind(p, blanks);
  }
  static std::uint64_t sameBytes(const char* a, const char* b) {
    std::uint64_t same = 0;
    for (int k = 0; k < kWindow / 16; ++k) {
      const __m128i here = _mm_loadu_si128(reinterpret_cast<const __m128i*>(a + 16 * k));
      const __m128i there = _mm_loadu_si128(reinterpret_cast<const __m128i*>(b + 16 * k));
      same |=
          std::uint64_t{static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(here, there)))}
          << (16 * k);
    }
    return same;
  }
  static void convert(const std::uint64_t* words, std::int32_t count, std::int32_t* out) {
    std::int32_t i = 0;
    for (; i + 4 <= count; i += 4) {
      // Each number's two halves of four digits, ten thousands and units, in 16 bits each.
      const __m128i halves =
          _mm_packs_epi32(fourDigitGroups(words + i), fourDigitGroups(words + i + 2));
      _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i),
                       _mm_madd_epi16(halves, _mm_set1_epi32(0x0001'2710)));
    }
    for (; i < count; ++i)
      out[i] = numberValue(words[i]);
  }

 private:
  // A window with the line's end, or with any other byte, looked at kind by kind.
  static WindowMasks masksOfEveryKind(const char* p, std::uint64_t blanks) {
    WindowMasks masks{0, blanks, 0};
    for (int k = 0; k < kWindow / 16; ++k) {
      const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16 * k));
      const __m128i offsets = _mm_sub_epi8(bytes, _mm_set1_epi8('0'));
      const __m128i digits = _mm_cmpeq_epi8(_mm_min_epu8(offsets, _mm_set1_epi8(9)), offsets);
      const __m128i lineFeeds = _mm_cmpeq_epi8(bytes, _mm_set1_epi8('\n'));
      masks.digits |= std::uint64_t{static_cast<std::uint32_t>(_mm_movemask_epi8(digits))}
                      << (16 * k);
      masks.lineFeeds |= std::uint64_t{static_cast<std::uint32_t>(_mm_movemask_epi8(lineFeeds))}
                         << (16 * k);
    }
    return masks;
  }

  // Two numbers' digits in groups of four, each group's value in 32 bits, the first group of
  // a number the more significant.
  static __m128i fourDigitGroups(const std::uint64_t* words) {
    const __m128i digits = _mm_and_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(words)),
                                         _mm_set1_epi8(0x0F));
    // A pair of digits a, b (a the lower byte) times 0x0A01 is a + 256 * (10 * a + b) in 16
    // bits: its high byte is the pair's value.
    __m128i pairFactor = _mm_set1_epi16(0x0A01);
#if defined(__x86_64__) || defined(__i386__)
    // The compiler would multiply by the known factor in four shifts and adds; one multiply is
    // what is meant.
    __asm__("" : "+x"(pairFactor));
#endif
    const __m128i pairs = _mm_srli_epi16(_mm_mullo_epi16(digits, pairFactor), 8);
    // Each two pairs: first * 100 + second.
    return _mm_madd_epi16(pairs, _mm_set1_epi32(0x0001'0064));
  }
};
}  // namespace plain_window

namespace run_sums {

// Four cells at a time: the labels compared with the run's, the populations added in a vector
// while all four are the run's. The last four looked at may lie past the row's end cell, in
// the grid's border and the next row, which the grids have room for; their lanes are left out.
struct VectorRunSums {
  static std::uint32_t sumRun(const std::int32_t* label, const std::int32_t* population,
                              std::int32_t& c) {
    const __m128i x = _mm_set1_epi32(label[c]);
    __m128i sum = _mm_setzero_si128();
    for (;;) {
      const __m128i same = _mm_cmpeq_epi32(load(label + c), x);
      const auto lanes = static_cast<unsigned>(_mm_movemask_ps(_mm_castsi128_ps(same)));
      if (lanes != 0xF) {
        // The run ends in these four, after the lanes before the first other label.
        const int kept = std::countr_one(lanes);
        sum = _mm_add_epi32(sum, _mm_and_si128(load(population + c), leadingLanes(kept)));
        c += kept;
        break;
      }
      sum = _mm_add_epi32(sum, load(population + c));
      c += 4;
    }
    sum = _mm_add_epi32(sum, _mm_shuffle_epi32(sum, _MM_SHUFFLE(1, 0, 3, 2)));
    sum = _mm_add_epi32(sum, _mm_shuffle_epi32(sum, _MM_SHUFFLE(2, 3, 0, 1)));
    return static_cast<std::uint32_t>(_mm_cvtsi128_si32(sum));
  }

 private:
  static __m128i load(const std::int32_t* p) {
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
  }
  // All ones in the first `count` lanes (0 to 3), zeros after.
  static __m128i leadingLanes(int count) {
    return _mm_cmpgt_epi32(_mm_set1_epi32(count), _mm_setr_epi32(0, 1, 2, 3));
  }
};

}  // namespace run_sums

}  // namespace pelvano

#endif
