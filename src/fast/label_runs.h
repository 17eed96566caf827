// A row's labels where they stand in runs and are written plainly: a region's cells along a row
// carry one label, so a row is a few runs of one number, each followed by one blank. A run is
// taken whole: its first number read, and the bytes after it compared with those one copy
// before, a window at a time.
#pragma once

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>

#include "fast/eight_digits.h"
#include "fast/machine.h"
#include "fast/plain_numbers.h"
#include "fast/plain_window.h"

namespace pelvano {
namespace label_runs {

// A number of 1 to 9 digits and its value; length 0 for anything else.
struct PlainLabel {
  std::int64_t length;
  std::int32_t value;
};

// The digits at `p`, read at most 16 bytes ahead.
inline PlainLabel plainLabelAt(const char* p) {
  const std::uint64_t digits = digitValues(loadEightBytes(p));
  const std::uint64_t nonDigits = nonDigitBits(digits);
  if (nonDigits != 0) {
    const int bit = std::countr_zero(nonDigits);
    return {bit >> 3, static_cast<std::int32_t>(leadingDigitsValue(digits, bit))};
  }
  // Eight digits, and at most one more.
  const std::uint64_t more = digitValues(loadEightBytes(p + 8));
  const int bit = std::countr_zero(nonDigitBits(more));  // 64 for eight more
  if (bit > 15) return {0, 0};
  return {8 + (bit >> 3),
          static_cast<std::int32_t>(eightDigitsValue(digits) * kPowersOfTen[bit >> 3] +
                                    leadingDigitsValue(more, bit))};
}

// How many whole copies of a number of `length` digits and its blank lie in `same` bytes (at
// most a window's): a multiply by the copy's inverse, not a division, which takes tens of
// cycles.
inline std::int64_t copiesIn(std::uint32_t same, std::int64_t length) {
  static constexpr auto kInverses = [] {
    std::array<std::uint32_t, 11> inverses{};
    for (std::uint32_t period = 2; period <= 10; ++period)
      inverses[period] = (0x10000 + period - 1) / period;  // exact for `same` up to 64
    return inverses;
  }();
  return (same * kInverses[static_cast<std::size_t>(length + 1)]) >> 16;
}

// See takeLabelRuns; `Window` is WordPlainWindow or VectorPlainWindow.
template <class Window>
PlainNumbers takeLabelRunsIn(const char* p, std::int32_t* out, std::int32_t count,
                             const char* chunkEnd) {
  std::int32_t* const first = out;
  std::int32_t* const end = out + count;
  while (out < end && chunkEnd - p >= plain_window::kWindow) {
    const PlainLabel label = plainLabelAt(p);
    if (label.length == 0) break;
    const char after = p[label.length];
    const std::int64_t period = label.length + 1;
    if (after != ' ') {
      // The row's last number may end at the line feed, which is left for the row's reading.
      if (after == '\n' && end - out == 1) {
        *out++ = label.value;
        p += label.length;
      }
      break;
    }
    // The copies after the first: where the bytes equal those one copy before.
    const auto same = static_cast<std::uint32_t>(std::countr_one(Window::sameBytes(p, p + period)));
    const std::int64_t copies = std::min<std::int64_t>(1 + copiesIn(same, label.length), end - out);
    // Four at a time: the row has room for up to three more, which may be overwritten.
    for (std::int64_t k = 0; k < copies; k += 4) {
      out[k] = label.value;
      out[k + 1] = label.value;
      out[k + 2] = label.value;
      out[k + 3] = label.value;
    }
    out += copies;
    p += copies * period;
  }
  return {static_cast<std::int32_t>(out - first), p};
}

}  // namespace label_runs

// Reads the labels at `p` into `out` while they are plainly written (1 to 9 digits, one blank
// after each), at most `count`; the `count`th may be followed by the line's end. `out` has
// room for 3 numbers past the `count`th, which may be overwritten. Stops, taking
// nothing of it, at the first number otherwise written, or that starts less than 64 bytes
// before the chunk's sentinel at `chunkEnd`: `next` then points at it, for the full reading to
// go on from there. After the `count`th number `next` is after its blank, or at its line feed.
[[gnu::noinline]] inline PlainNumbers takeLabelRuns(const char* p, std::int32_t* out,
                                                    std::int32_t count, const char* chunkEnd) {
  return label_runs::takeLabelRunsIn<MachinePlainWindow>(p, out, count, chunkEnd);
}

}  // namespace pelvano
