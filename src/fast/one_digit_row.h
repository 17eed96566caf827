// Taking a row of one-digit numbers, one blank between each two, sixteen bytes at a time: the
// labels of a grid with few regions are written so. The machine's policy looks at the bytes
// (machine.h).
#pragma once

#include <cstdint>

#include "fast/machine.h"

namespace pelvano {
namespace one_digit_row {

// See takeOneDigitRow; `RowBytes` is WordRowBytes or VectorRowBytes.
template <class RowBytes>
inline std::int32_t takeOneDigitNumbers(const char*& p, std::int32_t* out, std::int32_t width,
                                        const char* chunkEnd) {
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
      at + lineFeed == chunkEnd) {
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
// the rest of the row is for the full reading. `chunkEnd` is the sentinel, which ends no row.
inline std::int32_t takeOneDigitRow(const char*& p, std::int32_t* out, std::int32_t width,
                                    const char* chunkEnd) {
  return one_digit_row::takeOneDigitNumbers<one_digit_row::MachineRowBytes>(p, out, width,
                                                                            chunkEnd);
}

}  // namespace pelvano
