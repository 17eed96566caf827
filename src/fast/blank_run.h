// Counting a run of blanks and tabs at once, in plain words; machine.h chooses between this and
// the vector count.
#pragma once

#include <bit>
#include <cstdint>

#include "fast/eight_digits.h"

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

}  // namespace blank_run

}  // namespace pelvano
