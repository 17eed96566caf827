// Whether a number's digits stand again at a position, in plain words; machine.h chooses
// between this and the vector compare.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "fast/eight_digits.h"

namespace pelvano::bytes_match {

// Whether the first `length` (at most 15) bytes at a position are those of `bytes`, which holds
// sixteen: two words compared, on every machine.
class WordBytesMatch {
 public:
  WordBytesMatch(const char* bytes, std::size_t length)
      : firstMask_(kLeadingBytes[std::min<std::size_t>(length, 8)]),
        secondMask_(kLeadingBytes[length > 8 ? length - 8 : 0]),
        first_(loadEightBytes(bytes) & firstMask_),
        second_(loadEightBytes(bytes + 8) & secondMask_) {}

  // Reads sixteen bytes at `p`.
  bool at(const char* p) const {
    return (((loadEightBytes(p) ^ first_) & firstMask_) |
            ((loadEightBytes(p + 8) ^ second_) & secondMask_)) == 0;
  }

 private:
  static constexpr std::uint64_t kLeadingBytes[9] = {0,
                                                     0xFF,
                                                     0xFFFF,
                                                     0xFFFFFF,
                                                     0xFFFFFFFF,
                                                     0xFFFFFFFFFF,
                                                     0xFFFFFFFFFFFF,
                                                     0xFFFFFFFFFFFFFF,
                                                     0xFFFFFFFFFFFFFFFF};
  std::uint64_t firstMask_;
  std::uint64_t secondMask_;
  std::uint64_t first_;
  std::uint64_t second_;
};

}  // namespace pelvano::bytes_match
