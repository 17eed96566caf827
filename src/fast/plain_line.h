// Reads the commonest header line in place: a few short numbers and the line feed.
#pragma once

#include <bit>
#include <cstdint>

#include "fast/byte_kind.h"
#include "fast/eight_digits.h"
#include "platform/line_source.h"

namespace pelvano {

// Whether the line at the file's position is `count` numbers of one to seven digits, one blank
// between each two and none elsewhere, ending in a line feed inside the current chunk. Then
// the numbers are stored in `values`, the line is consumed and the result is true. Otherwise
// nothing is consumed, `values` may hold anything, and the line is the general reader's: a
// plain line gives the same numbers there, so this is only the fast way to them.
inline bool readPlainNumbers(LineSource& file, std::int32_t* values, int count) {
  const char* p = file.position();
  for (int i = 0; i < count; ++i) {
    const char separator = i + 1 < count ? ' ' : '\n';
    // Most header numbers are of one digit (a grid's sides, its regions, a case's number).
    if (isDigit(p[0]) && p[1] == separator) {
      values[i] = p[0] - '0';
      p += 2;
      continue;
    }
    // The number's digits and the byte after them lie in the first word; loading it at any
    // position up to the sentinel is within the buffer, and a separator is never the sentinel.
    const std::uint64_t digits = digitValues(loadEightBytes(p));
    const int bit = std::countr_zero(nonDigitBits(digits));
    if (bit == 7 || bit == 64) return false;  // no digit, or eight or more
    values[i] = static_cast<std::int32_t>(leadingDigitsValue(digits, bit));
    p += bit >> 3;
    if (*p != separator) return false;
    ++p;
  }
  if (file.atChunkEnd(p - 1)) return false;
  file.setPosition(p);
  return true;
}

static_assert(LineSource::kReadAhead >= sizeof(std::uint64_t),
              "a word loaded at the sentinel stays inside the line source's buffer");

}  // namespace pelvano
