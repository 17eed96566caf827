// The fast paths' vector forms, for machines with SSE2 (every x86-64): each does what the
// plain form beside it does, sixteen bytes at once. machine.h chooses them where they build.
#pragma once

#if defined(__SSE2__)
#include <emmintrin.h>

#include <bit>
#include <cstddef>
#include <cstdint>

#include "fast/row_bytes.h"

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

}  // namespace pelvano

#endif
