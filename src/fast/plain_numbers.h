// A row's numbers where they are written plainly: each of 1 to 7 digits, followed by one blank
// or, for the row's last, by its line feed. Most rows of a task file are so written, and such
// a row needs no test of its separators' kinds or runs: one word load a number finds its
// digits and the byte after them.
#pragma once

#include <bit>
#include <cstdint>

#include "fast/eight_digits.h"

namespace pelvano {

struct PlainNumbers {
  std::int32_t taken = 0;      // numbers stored
  const char* next = nullptr;  // where the next number, or the row's end, stands
};

// Reads numbers at `p` into `out` while they are plainly written, at most `count`; a line feed
// ends only the `count`th number, and only when it is not the chunk's sentinel at `chunkEnd`.
// Stops, taking nothing of it, at the first number that is otherwise written (no digit, 8 or
// more digits, another byte after it, a line feed too early): `next` then points at it, for the
// full reading to go on from there. Reads up to eight bytes from where each number starts.
[[gnu::noinline]] inline PlainNumbers takePlainNumbers(const char* p, std::int32_t* out,
                                                       std::int32_t count, const char* chunkEnd) {
  std::int32_t* const first = out;
  std::int32_t* const last = out + count - 1;
  // Takes the number at `p` when it is 1 to 7 digits with `after` after them (and, for a line
  // feed, not at the chunk's sentinel): stored, `p` left on the byte after its digits.
  const auto take = [&](char after) {
    const std::uint64_t word = loadEightBytes(p);
    const std::uint64_t digits = digitValues(word);
    const int bit = std::countr_zero(nonDigitBits(digits));  // 64 for eight digits
    const auto length = static_cast<unsigned>(bit >> 3);
    if (length - 1 >= 7 || static_cast<char>(word >> (bit - 7)) != after) return false;
    if (after == '\n' && p + length == chunkEnd) return false;
    *out++ = static_cast<std::int32_t>(leadingDigitsValue(digits, bit));
    p += length;
    return true;
  };
  while (out < last && take(' '))
    ++p;
  // The row's last number: a blank after it, or the row's line feed, left for its reading.
  if (out == last && take(' ')) {
    ++p;
  } else if (out == last) {
    take('\n');
  }
  return {static_cast<std::int32_t>(out - first), p};
}

}  // namespace pelvano
