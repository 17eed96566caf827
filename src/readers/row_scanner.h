// Scans one grid row, exactly w non-negative decimal numbers, straight out of a line source.
#pragma once

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>

#include "fast/byte_kind.h"
#include "fast/eight_digits.h"
#include "fast/label_runs.h"
#include "fast/machine.h"
#include "fast/one_digit_row.h"
#include "fast/plain_numbers.h"
#include "fast/repeated_digits.h"
#include "platform/line_source.h"
#include "task/limits.h"
#include "task/row_failure.h"

namespace pelvano {

// The rules a kind of row keeps.
struct RowRules {
  std::int32_t limit;  // largest number accepted
  bool keepsTotal;     // whether the running total is added to and bounded
};

// What differs between the task's and the submission's rows: their rules, and how they are
// tuned. A template argument of the scanner, so that each kind of row gets a loop of its own.
struct RowProfile {
  RowRules rules;
  // Whether a number often stands again right after itself (no total): RepeatedDigits.
  bool repeatsOften;
  // Whether numbers of one digit are common (no total): a row of them is looked for first,
  // and each number is tried as one digit before the word-wide read.
  bool oneDigitOften;
};

// The task's population rows.
inline constexpr RowProfile kPopulationRows{{kMaxPopulation, true}, false, false};
// Labels: a long row's labels come in runs, which are taken whole when a label stands again (in
// a short row the runs are short, and looking for them costs more than it saves); and labels
// name regions, which are few in most grids, so many are of one digit, and the rows of a grid
// with fewer than eleven regions are often one-digit labels only.
inline constexpr RowProfile kLongLabelRows{{kMaxLabel, false}, true, true};
inline constexpr RowProfile kShortLabelRows{{kMaxLabel, false}, false, true};
inline constexpr std::int32_t kLongRow = 16;

namespace row_scanning {

inline constexpr std::uint64_t kInt32Max = std::numeric_limits<std::int32_t>::max();

inline std::int32_t byteCode(char byte) {
  return static_cast<std::int32_t>(static_cast<unsigned char>(byte));
}

// Moves `p` over white space to the first digit of number j + 1 (j numbers read so far). The
// line's end there means the row is short; any other byte stands where a number should start.
// Sets `irregular` when blanks or tabs stood there, which the single blank after a number, taken
// by the caller, does not count as.
template <class FailureHandler>
inline void skipToNumber(LineSource& source, const char*& p, std::int32_t j, bool& irregular,
                         FailureHandler& fail) {
  while (!isDigit(*p)) {
    // A run of blanks and tabs is taken at once.
    const int run = leadingSpacesAndTabs(p);
    if (run > 0) {
      p += run;
      irregular = true;
      continue;
    }
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

// A number read, the byte after its digits, and whether they ran on into the next chunk.
struct DigitRun {
  std::uint64_t value;
  char next;
  bool crossedChunk;
};

// The word loads read up to seven bytes past the first non-digit, which may be the sentinel.
static_assert(LineSource::kReadAhead >= sizeof(std::uint64_t),
              "a word loaded at the sentinel stays inside the line source's buffer");

// Reads the digits at `p`, eight at a time, leaving `p` on the byte after them. The value is tested
// whenever more digits may follow, so it stays far inside 64 bits; past the 32-bit range it would
// have failed at one of the digits read. A chunk's end does not end the number: it goes on in the
// next chunk.
template <class FailureHandler>
DigitRun readLongDigits(LineSource& source, const char*& p, std::int32_t position,
                        FailureHandler& fail) {
  std::uint64_t value = 0;
  bool crossedChunk = false;
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
      if (source.continuesAfter(p)) {
        crossedChunk = true;
        continue;
      }
    }
    return {value, next, crossedChunk};
  }
}

// As readLongDigits, with the fast path for a number that ends inside its first word and not at
// the chunk's end, as most do: its value needs no scaling and is below 10^8.
template <class FailureHandler>
inline DigitRun readDigits(LineSource& source, const char*& p, std::int32_t position,
                           FailureHandler& fail) {
  const std::uint64_t word = loadEightBytes(p);
  const std::uint64_t digits = digitValues(word);
  const std::uint64_t nonDigits = nonDigitBits(digits);
  if (nonDigits != 0) {
    const int bit = std::countr_zero(nonDigits);
    const char* const after = p + (bit >> 3);
    const auto next = static_cast<char>(word >> (bit - 7));
    if (next != '\n' || !source.atChunkEnd(after)) {
      p = after;
      return {leadingDigitsValue(digits, bit), next, false};
    }
  }
  return readLongDigits(source, p, position, fail);
}

// As readDigits, looking first for a number of one digit, which needs no word arithmetic.
template <class FailureHandler>
inline DigitRun readShortDigits(LineSource& source, const char*& p, std::int32_t position,
                                FailureHandler& fail) {
  const char next = p[1];
  if (!isDigit(next) && (next != '\n' || !source.atChunkEnd(p + 1))) {
    const auto value = static_cast<std::uint64_t>(*p - '0');
    ++p;
    return {value, next, false};
  }
  return readDigits(source, p, position, fail);
}

// Sixteen bytes are loaded at a digit before the sentinel, and the byte after up to fifteen
// digits is read.
static_assert(LineSource::kReadAhead >= 16,
              "the digits compared at the sentinel stay inside the line source's buffer");
static_assert(LineSource::kReadAhead >= kBlankRunWindow,
              "a run of blanks counted at the sentinel stays inside the line source's buffer");
static_assert(LineSource::kReadAhead >= kOneDigitRowWindow,
              "one-digit numbers looked for at the sentinel stay inside the line source's buffer");

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
      if (!source.atChunkEnd(p)) ++p;
      return;
    } else {
      fail(RowFailure::kTooMany, width);
    }
  }
}

// The full reading of a row from number j on, `p` at where number j + 1 may start (see
// scanRow).
template <RowProfile profile, class FailureHandler>
inline void scanRowFrom(LineSource& source, const char* p, std::int32_t j, std::int32_t* out,
                        std::int32_t width, std::int64_t& runningTotal, FailureHandler& fail) {
  const auto limit = static_cast<std::uint64_t>(profile.rules.limit);
  std::int64_t total = runningTotal;
  RepeatedDigits last;
  bool irregular = false;  // whether the row has shown separators other than one blank
  for (; j < width; ++j) {
    skipToNumber(source, p, j, irregular, fail);
    if (profile.repeatsOften) {
      const std::int32_t taken = last.takeRepeats(p, out + j, width - j, source.chunkEnd());
      if (taken > 0) {
        j += taken - 1;
        continue;
      }
    }
    const char* const start = p;
    const auto [value, next, crossedChunk] = profile.oneDigitOften
                                                 ? readShortDigits(source, p, j + 1, fail)
                                                 : readDigits(source, p, j + 1, fail);
    // The byte after the digits is judged before the value's size: a stray byte ends the
    // number and is the fault. Then the separator: one blank, as most rows have it, is taken at
    // once; on a row that has shown other separators, the blanks and tabs are counted at once
    // instead, however many, as a test of their count would be mispredicted once a number.
    // Other white space and the line's end are left for what follows.
    if (value > limit) {
      if (value > kInt32Max) fail(RowFailure::kOverflow, j + 1);
      if (kindOf(next) == ByteKind::kOther) fail(RowFailure::kNotDigit, byteCode(next));
      fail(RowFailure::kTooLarge, j + 1);
    }
    if (profile.repeatsOften) {
      // Digits that began in an earlier chunk are no longer in the buffer to compare with.
      last.remember(crossedChunk ? p : start, p, static_cast<std::int32_t>(value));
    }
    if (!irregular) {
      if (next == ' ') {
        ++p;
      } else if (kindOf(next) == ByteKind::kOther) {
        fail(RowFailure::kNotDigit, byteCode(next));
      }
    } else {
      if (kindOf(next) == ByteKind::kOther) fail(RowFailure::kNotDigit, byteCode(next));
      p += leadingSpacesAndTabs(p);
    }
    out[j] = static_cast<std::int32_t>(value);
    if (profile.rules.keepsTotal) {
      total += static_cast<std::int64_t>(value);
      if (total > kMaxTotalPopulation) fail(RowFailure::kTotal, j + 1);
    }
  }
  runningTotal = total;
  finishRow(source, p, width, fail);
  source.setPosition(p);
}

// The same, kept out of line: for the label rows that are not one-digit rows, so that the loop
// over a grid's rows keeps its registers for those that are.
template <RowProfile profile, class FailureHandler>
[[gnu::noinline]] void scanRowFromOutOfLine(LineSource& source, const char* p, std::int32_t j,
                                            std::int32_t* out, std::int32_t width,
                                            std::int64_t& runningTotal, FailureHandler& fail) {
  scanRowFrom<profile>(source, p, j, out, width, runningTotal, fail);
}

}  // namespace row_scanning

// Reads one line from `source` as a row of `width` (at least 1) numbers into `out`. The line
// must exist (the caller tests atEnd first). On a fault, calls `fail(kind, argument)`, which
// must not return; nothing after the byte that settles the fault is read. On success the line,
// its LF included, is consumed. With `profile.rules.keepsTotal`, `runningTotal` grows by every
// number and is tested after each one. With `profile.oneDigitOften`, `out` has room for
// kOneDigitRowOverrun numbers more, which may be overwritten.
//
// The chunk's '\n' sentinel ends a run of digits or white space like any other byte; only
// then is it told apart from a real line feed.
template <RowProfile profile, class FailureHandler>
inline void scanRow(LineSource& source, std::int32_t* out, std::int32_t width,
                    std::int64_t& runningTotal, FailureHandler&& fail) {
  static_assert(!(profile.rules.keepsTotal && profile.repeatsOften),
                "repeats are taken without a total");
  static_assert(!(profile.rules.keepsTotal && profile.oneDigitOften),
                "one-digit numbers are taken without a total");
  const char* p = source.position();
  if constexpr (profile.oneDigitOften) {
    const std::int32_t taken = takeOneDigitRow(p, out, width, source.chunkEnd());
    if (taken == width) {
      source.setPosition(p);
      return;
    }
    row_scanning::scanRowFromOutOfLine<profile>(source, p, taken, out, width, runningTotal, fail);
  } else {
    row_scanning::scanRowFrom<profile>(source, p, 0, out, width, runningTotal, fail);
  }
}

// As scanRow<kLongLabelRows>, with the labels' runs taken a run at a time (takeLabelRuns) where
// they are written plainly; the rest of the row, from the first label otherwise written, is
// read in full. `plainRows` says whether to look for runs, as scanLongPopulationRow's does.
template <class FailureHandler>
inline void scanLongLabelRow(LineSource& source, std::int32_t* out, std::int32_t width,
                             std::int64_t& runningTotal, bool& plainRows, FailureHandler&& fail) {
  constexpr RowProfile profile = kLongLabelRows;
  const char* p = source.position();
  std::int32_t taken = takeOneDigitRow(p, out, width, source.chunkEnd());
  if (taken == width) {
    source.setPosition(p);
    return;
  }
  if (plainRows) {
    static_assert(kOneDigitRowOverrun >= 3, "runs may write three numbers past the row");
    const PlainNumbers runs = takeLabelRuns(p, out + taken, width - taken, source.chunkEnd());
    plainRows =
        runs.taken >= (width - taken) / 2 || source.chunkEnd() - runs.next < plain_window::kWindow;
    taken += runs.taken;
    p = runs.next;
  }
  row_scanning::scanRowFromOutOfLine<profile>(source, p, taken, out, width, runningTotal, fail);
}

// Whether `count` populations taken as plainly written (each of at most 7 digits, at most
// kMaxSide of them) keep the rules: each at most the limit, and the running total within its
// bound after all of them; then `runningTotal` grows by them. Checked on all at once, in a
// loop the compiler makes a vector one; a fault is left for the full reading to find.
inline bool plainPopulationsKeepRules(const std::int32_t* numbers, std::int32_t count,
                                      std::int64_t& runningTotal) {
  // Numbers of at most 7 digits in a row of at most kMaxSide sum to less than 2^32.
  static_assert(std::uint64_t{kMaxSide} * (kPowersOfTen[7] - 1) <=
                std::numeric_limits<std::uint32_t>::max());
  std::int32_t largest = 0;
  std::uint32_t sum = 0;
  for (std::int32_t j = 0; j < count; ++j) {
    largest = std::max(largest, numbers[j]);
    sum += static_cast<std::uint32_t>(numbers[j]);
  }
  if (largest > kPopulationRows.rules.limit || runningTotal + sum > kMaxTotalPopulation) {
    return false;
  }
  runningTotal += sum;
  return true;
}

// As scanRow<kPopulationRows>, for a row of 16 or more numbers. Numbers written plainly
// (takePlainNumbers) are taken at once and checked together: the first that breaks a rule is
// then found by the full reading, from the row's start, with its message. `plainRows` says
// whether to look for them: it starts true for a grid, and turns false at a row where fewer
// than half were so written before the chunk's end, as in a file laid out with runs of blanks
// or tabs, where looking again would cost more than it saves.
template <class FailureHandler>
inline void scanLongPopulationRow(LineSource& source, std::int32_t* out, std::int32_t width,
                                  std::int64_t& runningTotal, bool& plainRows,
                                  FailureHandler&& fail) {
  constexpr RowProfile profile = kPopulationRows;
  const char* p = source.position();
  std::int32_t taken = 0;
  if (plainRows) {
    const PlainNumbers plain = takePlainNumbers(p, out, width, source.chunkEnd());
    // A row cut short by the chunk's end says nothing of the layout.
    plainRows = plain.taken >= width / 2 || source.chunkEnd() - plain.next < plain_window::kWindow;
    if (plainPopulationsKeepRules(out, plain.taken, runningTotal)) {
      taken = plain.taken;
      p = plain.next;
    }
  }
  row_scanning::scanRowFrom<profile>(source, p, taken, out, width, runningTotal, fail);
}

}  // namespace pelvano
