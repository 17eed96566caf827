// A row's numbers where they are written plainly: each of 1 to 7 digits, followed by one blank
// or, for the row's last, by its line feed. Most rows are so written, and such a row needs no
// test of its separators' kinds or runs: its bytes are looked at a window of 64 at a time, each
// number's end found by a bit of the window's separators, and the numbers found converted
// together.
#pragma once

#include <algorithm>
#include <bit>
#include <cstdint>

#include "fast/eight_digits.h"
#include "fast/machine.h"
#include "fast/plain_window.h"

namespace pelvano {

struct PlainNumbers {
  std::int32_t taken = 0;      // numbers stored
  const char* next = nullptr;  // where the next number, or the row's end, stands
};

namespace plain_window {

// The window's bytes where no number plainly written can stand or go on, bit k for byte k:
// a byte that is neither digit nor separator, a separator first or right after another, and
// the first of eight digits in a row.
inline std::uint64_t faultsIn(const WindowMasks& masks) {
  const std::uint64_t separators = masks.blanks | masks.lineFeeds;
  std::uint64_t eightDigits = masks.digits & masks.digits >> 1;
  eightDigits &= eightDigits >> 2;
  eightDigits &= eightDigits >> 4;
  return ~(masks.digits | separators) | (separators & (separators << 1 | 1)) | eightDigits;
}

// The separators that end numbers to take: those before the first fault, up to and with the
// first line feed.
inline std::uint64_t numberEnds(const WindowMasks& masks) {
  const std::uint64_t faults = faultsIn(masks);
  const std::uint64_t firstLineFeed = masks.lineFeeds & (0 - masks.lineFeeds);
  return (masks.blanks | masks.lineFeeds) & ((faults & (0 - faults)) - 1) &
         ((firstLineFeed - 1) | firstLineFeed);
}

// Each number in a window takes at least its digit and its separator.
inline constexpr int kMostNumbersInWindow = kWindow / 2;

// The numbers ending at `ends`, the first starting at `p`: each stored in `words` as
// numberValue takes it, the digits moved to the word's top, where the bytes after them fall
// out and zeros come in below. `limit` says whether to stop at `room`; without it, `room`
// must hold every number `ends` has. Returns where the last number's separator stands.
template <bool limit>
inline std::uint64_t gatherNumbers(const char* p, std::uint64_t ends, std::uint64_t*& words,
                                   const std::uint64_t* room) {
  std::uint64_t start = 0;
  const auto gather = [&] {
    const std::uint64_t after = static_cast<std::uint32_t>(std::countr_zero(ends));
    ends &= ends - 1;
    *words++ = loadEightBytes(p + start) << (8 * (start - after + 8));
    start = after + 1;
  };
  if (!limit) {
    // Two at a time while two are left: one test of the loop for each two.
    while ((ends & (ends - 1)) != 0) {
      gather();
      gather();
    }
  }
  while (ends != 0 && (!limit || words < room))
    gather();
  return start - 1;
}

// See takePlainNumbers; `Window` is WordPlainWindow or VectorPlainWindow.
template <class Window>
PlainNumbers takePlainNumbersIn(const char* p, std::int32_t* out, std::int32_t count,
                                const char* chunkEnd) {
  std::int32_t* const first = out;
  std::int32_t* const end = out + count;
  // The numbers found, converted together when the buffer fills or the reading stops.
  constexpr int kBuffered = 8 * kMostNumbersInWindow;
  std::uint64_t buffer[kBuffered];
  std::uint64_t* words = buffer;
  const auto convert = [&] {
    const auto converted = static_cast<std::int32_t>(words - buffer);
    Window::convert(buffer, converted, out);
    out += converted;
    words = buffer;
  };
  for (;;) {
    if (buffer + kBuffered - words < kMostNumbersInWindow) convert();
    const std::int64_t left = end - out - (words - buffer);
    if (left == 0 || chunkEnd - p < kWindow) break;
    const WindowMasks masks = Window::masksAt(p);
    const std::uint64_t ends = numberEnds(masks);
    std::uint64_t* const gathered = words;
    const std::uint64_t lastEnd = left >= kMostNumbersInWindow
                                      ? gatherNumbers<false>(p, ends, words, nullptr)
                                      : gatherNumbers<true>(p, ends, words, words + left);
    if (words == gathered) break;
    if ((masks.lineFeeds >> lastEnd & 1) != 0) [[unlikely]] {
      // The line's end: after the row's last number it is left for the row's reading; after
      // an earlier one the row is short, and that number is left to the full reading.
      if (words - gathered == left) {
        p += lastEnd;
      } else {
        --words;
        const std::uint64_t before =
            (masks.blanks | masks.lineFeeds) & ((std::uint64_t{1} << lastEnd) - 1);
        p += before == 0 ? 0 : 64 - std::countl_zero(before);
      }
      break;
    }
    p += lastEnd + 1;
  }
  convert();
  return {static_cast<std::int32_t>(out - first), p};
}

}  // namespace plain_window

// Reads numbers at `p` into `out` while they are plainly written, at most `count`; the
// `count`th may be followed by the line's end. Stops, taking nothing of it, at the first number
// that is otherwise written (no digit, 8 or more digits, another byte after it, a line feed
// too early), or that starts less than 64 bytes before the chunk's sentinel at `chunkEnd`:
// `next` then points at it, for the full reading to go on from there. After the `count`th
// number `next` is after its blank, or at its line feed.
[[gnu::noinline]] inline PlainNumbers takePlainNumbers(const char* p, std::int32_t* out,
                                                       std::int32_t count, const char* chunkEnd) {
  return plain_window::takePlainNumbersIn<MachinePlainWindow>(p, out, count, chunkEnd);
}

}  // namespace pelvano
