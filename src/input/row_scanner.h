// Scans one grid row, exactly w non-negative decimal numbers, straight out of a line source.
#pragma once

#include <bit>
#include <cstdint>
#include <limits>

#include "input/byte_kind.h"
#include "input/eight_digits.h"
#include "input/line_source.h"
#include "input/row_failure.h"

namespace pelvano {

// What differs between the task's and the submission's rows.
struct RowProfile {
  std::int32_t limit;  // largest number accepted
  bool keepsTotal;     // whether the running total is added to and bounded
};

inline constexpr std::int64_t kTotalLimit = 2000000000;

namespace row_scanning {

inline constexpr std::uint64_t kInt32Max = std::numeric_limits<std::int32_t>::max();

inline std::int32_t byteCode(char byte) {
  return static_cast<std::int32_t>(static_cast<unsigned char>(byte));
}

// Moves `p` over white space to the first digit of number j + 1 (j numbers read so far). The
// line's end there means the row is short; any other byte stands where a number should start.
template <class FailureHandler>
inline void skipToNumber(LineSource& source, const char*& p, std::int32_t j, FailureHandler& fail) {
  while (kindOf(*p) != ByteKind::kDigit) {
    const ByteKind kind = kindOf(*p);
    if (kind == ByteKind::kBlank) {
      ++p;
    } else if (kind == ByteKind::kOther) {
      fail(RowFailure::kNotDigit, byteCode(*p));
    } else if (!source.continuesAfter(p)) {
      fail(RowFailure::kTooFew, j);
    }
  }
}

// A number read, and the byte after its digits.
struct DigitRun {
  std::uint64_t value;
  char next;
};

// The word loads read up to seven bytes past the first non-digit, which may be the sentinel.
static_assert(LineSource::kReadAhead >= sizeof(std::uint64_t),
              "a word loaded at the sentinel stays inside the line source's buffer");

// Reads the digits at `p`, eight at a time, leaving `p` on the byte after them. The value is tested
// whenever more digits may follow, so it stays far inside 64 bits; past the 32-bit range it would
// have failed at one of the digits read. A block's end does not end the number: it goes on in the
// next block.
template <class FailureHandler>
inline DigitRun readDigits(LineSource& source, const char*& p, std::int32_t position,
                           FailureHandler& fail) {
  std::uint64_t value = 0;
  for (;;) {
    const std::uint64_t word = loadEightBytes(p);
    const std::uint64_t digits = digitValues(word);
    const std::uint64_t nonDigits = nonDigitBits(digits);
    if (nonDigits == 0) {
      value = value * kPowersOfTen[8] + eightDigitsValue(digits);
      p += 8;
      if (value > kInt32Max) fail(RowFailure::kOverflow, position);
      continue;
    }
    const int bit = std::countr_zero(nonDigits);
    value = value * kPowersOfTen[bit >> 3] + leadingDigitsValue(digits, bit);
    p += bit >> 3;
    const auto next = static_cast<char>(word >> (bit - 7));
    if (next == '\n') {
      if (value > kInt32Max) fail(RowFailure::kOverflow, position);  // settled: read no further
      if (source.continuesAfter(p)) continue;
    }
    return {value, next};
  }
}

// After the last number only white space may stand before the line's end, which is consumed.
template <class FailureHandler>
inline void finishRow(LineSource& source, const char*& p, std::int32_t width,
                      FailureHandler& fail) {
  for (;;) {
    const ByteKind kind = kindOf(*p);
    if (kind == ByteKind::kBlank) {
      ++p;
    } else if (kind == ByteKind::kLineFeed) {
      if (source.continuesAfter(p)) continue;
      if (!source.endsInput(p)) ++p;
      return;
    } else {
      fail(RowFailure::kTooMany, width);
    }
  }
}

}  // namespace row_scanning

// Reads one line from `source` as a row of `width` numbers into `out`. The line must exist
// (the caller tests atEnd first). On a fault, calls `fail(kind, argument)`, which must not
// return; nothing after the byte that settles the fault is read. On success the line, its LF
// included, is consumed. With `profile.keepsTotal`, `runningTotal` grows by every number and
// is tested after each one.
//
// The block's '\n' sentinel ends a run of digits or white space like any other byte; only
// then is it told apart from a real line feed.
template <class FailureHandler>
void scanRow(LineSource& source, std::int32_t* out, std::int32_t width, const RowProfile& profile,
             std::int64_t& runningTotal, FailureHandler&& fail) {
  using namespace row_scanning;
  const auto limit = static_cast<std::uint64_t>(profile.limit);
  const char* p = source.position();
  std::int64_t total = runningTotal;
  for (std::int32_t j = 0; j < width; ++j) {
    skipToNumber(source, p, j, fail);
    const auto [value, next] = readDigits(source, p, j + 1, fail);
    // The byte after the digits is judged before the value's size: a stray byte ends the
    // number and is the fault. One blank, the usual separator, is taken at once; other white
    // space and the line's end are left for what follows.
    if (value > limit) {
      if (value > kInt32Max) fail(RowFailure::kOverflow, j + 1);
      if (kindOf(next) == ByteKind::kOther) fail(RowFailure::kNotDigit, byteCode(next));
      fail(RowFailure::kTooLarge, j + 1);
    }
    if (next == ' ') {
      ++p;
    } else if (kindOf(next) == ByteKind::kOther) {
      fail(RowFailure::kNotDigit, byteCode(next));
    }
    out[j] = static_cast<std::int32_t>(value);
    if (profile.keepsTotal) {
      total += static_cast<std::int64_t>(value);
      if (total > kTotalLimit) fail(RowFailure::kTotal, j + 1);
    }
  }
  runningTotal = total;
  finishRow(source, p, width, fail);
  source.setPosition(p);
}

}  // namespace pelvano
