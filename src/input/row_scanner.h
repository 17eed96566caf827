// Scans one grid row, exactly w non-negative decimal numbers, straight out of a line source.
#pragma once

#include <cstdint>
#include <limits>

#include "input/byte_kind.h"
#include "input/eight_digits.h"
#include "input/line_source.h"

namespace pelvano {

// Why a row was refused, with the argument its message prints:
//   kTooFew: the count of numbers accepted on the line; kNotDigit: the byte's code, 0 to 255;
//   kOverflow, kTooLarge, kTotal: the number's position, 1 to w; kTooMany: w.
enum class RowFailure { kTooFew, kNotDigit, kOverflow, kTooLarge, kTotal, kTooMany };

// What differs between the task's and the submission's rows.
struct RowProfile {
  std::int32_t limit;  // largest number accepted
  bool keepsTotal;     // whether the running total is added to and bounded
};

inline constexpr std::int64_t kTotalLimit = 2000000000;

// Reads one line from `source` as a row of `width` numbers into `out`. The line must exist
// (the caller tests atEnd first). On a fault, calls `fail(kind, argument)`, which must not
// return; nothing after the byte that settles the fault is read. On success the line, its LF
// included, is consumed. With `profile.keepsTotal`, `runningTotal` grows by every number and
// is tested after each one.
//
// Numbers are read eight digits at a time; the block's '\n' sentinel ends a run of digits
// like any other non-digit, and only then is it told apart from a real line feed.
template <class FailureHandler>
void scanRow(LineSource& source, std::int32_t* out, std::int32_t width, const RowProfile& profile,
             std::int64_t& runningTotal, FailureHandler&& fail) {
  constexpr std::uint64_t kInt32Max = std::numeric_limits<std::int32_t>::max();
  const char* p = source.position();
  for (std::int32_t j = 0; j < width; ++j) {
    // White space up to the number; the line's end here means the row is short.
    for (;;) {
      const ByteKind kind = kindOf(*p);
      if (kind == ByteKind::kBlank) {
        ++p;
      } else if (kind == ByteKind::kLineFeed) {
        if (!source.isBlockEnd(p) || !source.refill(p)) fail(RowFailure::kTooFew, j);
      } else {
        break;
      }
    }
    // The number runs to the next white space or the line's end. The value is tested after
    // every run of digits: once past the 32-bit range it would have failed at one of them.
    std::uint64_t value = 0;
    for (;;) {
      const std::uint64_t digits = digitValues(loadEightBytes(p));
      const int count = countLeadingDigits(digits);
      if (count > 0) {
        value = value * kPowersOfTen[count] + leadingDigitsValue(digits, count);
        p += count;
        if (value > kInt32Max) fail(RowFailure::kOverflow, j + 1);
        if (count == 8) continue;
      }
      const ByteKind kind = kindOf(*p);
      if (kind == ByteKind::kOther) {
        fail(RowFailure::kNotDigit, static_cast<std::int32_t>(static_cast<unsigned char>(*p)));
      }
      if (kind == ByteKind::kLineFeed && source.isBlockEnd(p) && source.refill(p)) continue;
      break;
    }
    if (value > static_cast<std::uint64_t>(profile.limit)) fail(RowFailure::kTooLarge, j + 1);
    out[j] = static_cast<std::int32_t>(value);
    if (profile.keepsTotal) {
      runningTotal += static_cast<std::int64_t>(value);
      if (runningTotal > kTotalLimit) fail(RowFailure::kTotal, j + 1);
    }
  }
  // After the last number only white space may stand before the line's end.
  for (;;) {
    const ByteKind kind = kindOf(*p);
    if (kind == ByteKind::kBlank) {
      ++p;
    } else if (kind == ByteKind::kLineFeed) {
      if (!source.isBlockEnd(p)) {
        ++p;
        break;
      }
      if (!source.refill(p)) break;
    } else {
      fail(RowFailure::kTooMany, width);
    }
  }
  source.setPosition(p);
}

}  // namespace pelvano
