// Scans one grid row, exactly w non-negative decimal numbers, straight out of a line source.
#pragma once

#include <bit>
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
  const auto limit = static_cast<std::uint64_t>(profile.limit);
  const char* p = source.position();
  std::int64_t total = runningTotal;
  for (std::int32_t j = 0; j < width; ++j) {
    // White space up to the number. The line's end here means the row is short; any other
    // byte that is no digit stands where the number should start.
    while (kindOf(*p) != ByteKind::kDigit) {
      const ByteKind kind = kindOf(*p);
      if (kind == ByteKind::kBlank) {
        ++p;
      } else if (kind == ByteKind::kOther) {
        fail(RowFailure::kNotDigit, static_cast<std::int32_t>(static_cast<unsigned char>(*p)));
      } else if (!source.isBlockEnd(p) || source.isBlockEnd(p = source.nextBlock())) {
        fail(RowFailure::kTooFew, j);
      }
    }
    // The digits, eight at a time. The value is tested whenever more digits may follow, so it
    // stays far inside 64 bits; past the 32-bit range it would have failed at one of the
    // digits read. A block's end does not end the number: it goes on in the next block.
    std::uint64_t value = 0;
    char next = 0;  // the byte after the digits
    for (;;) {
      const std::uint64_t word = loadEightBytes(p);
      const std::uint64_t digits = digitValues(word);
      const std::uint64_t nonDigits = nonDigitBits(digits);
      if (nonDigits == 0) {
        value = value * kPowersOfTen[8] + eightDigitsValue(digits);
        p += 8;
        if (value > kInt32Max) fail(RowFailure::kOverflow, j + 1);
        continue;
      }
      const int bit = std::countr_zero(nonDigits);
      value = value * kPowersOfTen[bit >> 3] + leadingDigitsValue(digits, bit);
      p += bit >> 3;
      next = static_cast<char>(word >> (bit - 7));
      if (next != '\n' || !source.isBlockEnd(p)) break;
      if (value > kInt32Max) fail(RowFailure::kOverflow, j + 1);  // settled: read no further
      if (source.isBlockEnd(p = source.nextBlock())) break;
    }
    if (value > limit) {
      if (value > kInt32Max) fail(RowFailure::kOverflow, j + 1);
      if (kindOf(next) == ByteKind::kOther) {
        fail(RowFailure::kNotDigit, static_cast<std::int32_t>(static_cast<unsigned char>(next)));
      }
      fail(RowFailure::kTooLarge, j + 1);
    }
    // One blank, the usual separator, is taken at once; other white space and the line's end
    // are left for what follows.
    if (next == ' ') {
      ++p;
    } else if (kindOf(next) == ByteKind::kOther) {
      fail(RowFailure::kNotDigit, static_cast<std::int32_t>(static_cast<unsigned char>(next)));
    }
    out[j] = static_cast<std::int32_t>(value);
    if (profile.keepsTotal) {
      total += static_cast<std::int64_t>(value);
      if (total > kTotalLimit) fail(RowFailure::kTotal, j + 1);
    }
  }
  runningTotal = total;
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
      if (source.isBlockEnd(p = source.nextBlock())) break;
    } else {
      fail(RowFailure::kTooMany, width);
    }
  }
  source.setPosition(p);
}

}  // namespace pelvano
