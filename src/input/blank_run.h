// Counting a run of blanks and tabs at once, with SSE2 where the machine has it (every x86-64
// does) and with word arithmetic elsewhere.
#pragma once

#include <bit>
#include <cstdint>

#include "input/eight_digits.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace pelvano {

// The bytes a caller may read at `p`: the line source's read-ahead covers them from any
// position up to its sentinel.
inline constexpr int kBlankRunWindow = 16;

namespace blank_run {

// The top bit of every byte of `word` that is not zero, exactly: no carry crosses a byte.
inline std::uint64_t nonZeroBytes(std::uint64_t word) {
  constexpr std::uint64_t kLowSevenBits = 0x7F7F7F7F7F7F7F7Fu;
  return (((word & kLowSevenBits) + kLowSevenBits) | word) & ~kLowSevenBits;
}

// The count on every machine, of up to eight bytes.
inline int leadingSpacesAndTabsInWord(const char* p) {
  const std::uint64_t word = loadEightBytes(p);
  const std::uint64_t others =
      nonZeroBytes(word ^ 0x2020202020202020u) & nonZeroBytes(word ^ 0x0909090909090909u);
  return std::countr_zero(others) >> 3;  // 8 when all are
}

#if defined(__SSE2__)
// The vector count, of up to sixteen bytes.
inline int leadingSpacesAndTabsInVector(const char* p) {
  const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
  const __m128i blanks = _mm_or_si128(_mm_cmpeq_epi8(bytes, _mm_set1_epi8(' ')),
                                      _mm_cmpeq_epi8(bytes, _mm_set1_epi8('\t')));
  const auto others = static_cast<std::uint32_t>(~_mm_movemask_epi8(blanks));
  return std::countr_zero(others | 0x10000u);  // 16 when all are
}
#endif

}  // namespace blank_run

// How many bytes at `p` are blanks or tabs before any other byte, up to a whole window of them
// (8 or kBlankRunWindow): a longer run is counted on by calling again. Irregular layouts
// separate numbers by runs of them, and counting them at once spares the mispredicted branch
// that ends a loop over a random count of bytes.
inline int leadingSpacesAndTabs(const char* p) {
#if defined(__SSE2__)
  return blank_run::leadingSpacesAndTabsInVector(p);
#else
  return blank_run::leadingSpacesAndTabsInWord(p);
#endif
}

}  // namespace pelvano
