#include "readers/submission_file.h"

#include <cstdint>
#include <optional>
#include <utility>

#include "fast/one_digit_grid.h"
#include "readers/block_line.h"
#include "readers/leading_integer.h"
#include "readers/row_scanner.h"
#include "task/limits.h"
#include "task/row_failure.h"

namespace pelvano {
namespace {

// A label row's checks (labels keep no total). The message names the line, except the
// overflow one, which names the grid row.
constexpr RowCheckCodes kLabelRowCodes{
    .tooFew = 159, .notDigit = 163, .overflow = 166, .tooLarge = 168, .total = 0, .tooMany = 171};

[[noreturn]] void failLabelRow(RowFailure failure, std::int32_t argument, LineCounter line,
                               std::int32_t row) {
  const std::int32_t code = codeOf(kLabelRowCodes, failure);
  const std::string place =
      failure == RowFailure::kOverflow ? gridRowPlace(row) : "v " + decimal(line) + ". vrstici je ";
  failCheck(code, place + rowFailureWords(failure, argument));
}

// The grid's rows, each read as `profile` says; `rowsRead` counts those read whole.
template <RowProfile profile>
void readLabelRows(LineSource& file, LineCounter& nextLine, const LabelGrid& grid,
                   Arrangement& arrangement) {
  const std::int32_t w = grid.width();
  std::int64_t unusedTotal = 0;
  std::int32_t y = 1;
  const auto fail = [&](RowFailure failure, std::int32_t argument) {
    failLabelRow(failure, argument, nextLine, y);
  };
  bool plainRows = true;
  for (std::int32_t* row = grid.row(0); y <= grid.height(); ++y, row += grid.stride()) {
    if (file.atEnd()) failCheck(155, "manjka " + decimal(nextLine) + ". vrstica mreze");
    if constexpr (profile.repeatsOften) {
      scanLongLabelRow(file, row, w, unusedTotal, plainRows, fail);
    } else {
      scanRow<profile>(file, row, w, unusedTotal, fail);
    }
    row[w] = kRowEnd;
    ++nextLine;
    arrangement.setRowsRead(y);
  }
}

// The rows of 16 or more labels, kept out of line: a block's loop keeps its registers for the
// short rows of small cases, which come many to a submission.
[[gnu::noinline]] void readLongLabelRows(LineSource& file, LineCounter& nextLine,
                                         const LabelGrid& grid, Arrangement& arrangement) {
  readLabelRows<kLongLabelRows>(file, nextLine, grid, arrangement);
}

}  // namespace

std::string SubmissionReader::readContestant() {
  // Only a line of exactly six bytes is looked at further, so no more is kept.
  const std::optional<std::size_t> length =
      file_.readLineHead(text_, static_cast<std::size_t>(kContestantLength) + 1);
  if (!length) failCheck(215, "manjka stevilka tekmovalca");
  if (*length != static_cast<std::size_t>(kContestantLength)) {
    failCheck(216, "stevilka tekmovalca bi morala imeti " + decimal(kContestantLength) + " stevk");
  }
  if (!parseLeadingInteger(text_)) {
    failCheck(218, quotedAfter("v prvi vrstici bi morala biti stevilka tekmovalca, ne pa ",
                               std::move(text_)));
  }
  return text_;
}

void SubmissionReader::readTaskName() {
  if (!file_.readLine(text_)) failCheck(219, "manjka druga vrstica");
  if (text_ != kTaskName) {
    failCheck(220, quotedAfter("v drugi vrstici bi moral biti niz \"" + std::string(kTaskName) +
                                   "\", ne pa ",
                               std::move(text_)));
  }
}

std::optional<BlockStart> SubmissionReader::readAnyBlockStart() {
  BlockLine first = readAnyBlockLine(file_, text_);
  for (; first.kind == BlockLine::Kind::kEmpty; first = readBlockLine(file_, text_))
    ++nextLine_;
  if (first.kind == BlockLine::Kind::kEnd) return std::nullopt;
  if (first.kind == BlockLine::Kind::kNoNumber) {
    failCheck(228, quotedAfter("v " + decimal(nextLine_) +
                                   ". vrstici bi morala biti stevilka testnega primera, ne pa ",
                               std::move(text_)));
  }
  return startOfCase(first.number);
}

void SubmissionReader::failInvalidCaseNumber(LineCounter line, std::int32_t number) {
  failCheck(230, "v " + decimal(line) + ". vrstici se pojavlja neveljavna stevilka testnega " +
                     "primera: " + decimal(number));
}

void SubmissionReader::readBlockGrid(const BlockStart& start, Arrangement& arrangement) {
  arrangement.firstLine = nextLine_ - 1;  // the block's line, read last
  readArrangement(file_, nextLine_, start.caseNumber, *start.testCase, arrangement);
}

void readArrangement(LineSource& file, LineCounter& nextLine, std::int32_t number,
                     const TestCase& boundCase, Arrangement& arrangement) {
  // A row's scanner may write a little past the row's end, and so past the last row's border.
  arrangement.bind(number, boundCase, kOneDigitRowOverrun);
  const LabelGrid grid = arrangement.labels();
  const std::int32_t w = grid.width();
  const std::int32_t h = grid.height();
  // A small grid of one-digit labels, as small cases with few regions are answered, is taken
  // whole; any other is read row by row.
  const char* p = file.position();
  if (takeOneDigitGrid(p, grid.row(0), grid.stride(), w, h, kRowEnd, file.chunkEnd())) {
    file.setPosition(p);
    nextLine += h;
    arrangement.setRowsRead(h);
    return;
  }
  if (w >= kLongRow) {
    readLongLabelRows(file, nextLine, grid, arrangement);
  } else {
    readLabelRows<kShortLabelRows>(file, nextLine, grid, arrangement);
  }
}

}  // namespace pelvano
