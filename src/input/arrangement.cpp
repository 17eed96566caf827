#include "input/arrangement.h"

#include <string>

#include "check_failure.h"
#include "input/one_digit_grid.h"
#include "input/row_scanner.h"
#include "scoring/score.h"

namespace pelvano {
namespace {

// Labels are 0 or more, so a -1 after each row ends every run of a label at the grid's edge.
constexpr std::int32_t kRowEnd = -1;

// The grid messages name the line, except the overflow one, which names the grid row.
constexpr RowFailureCodes kLabelRowCodes = {159, 163, 166, 168, 0 /* labels keep no total */, 171};

[[noreturn]] void failLabelRow(RowFailure failure, std::int32_t argument, LineCounter line,
                               std::int32_t row) {
  failRow(kLabelRowCodes, failure, argument,
          failure == RowFailure::kOverflow ? gridRowPlace(row)
                                           : "v " + decimal(line) + ". vrstici je ");
}

// The grid's rows, each read as `profile` says; `rowsRead` counts those read whole.
template <RowProfile profile>
void readLabelRows(LineSource& file, LineCounter& nextLine, const LabelGrid& grid,
                   std::int32_t& rowsRead) {
  const std::int32_t w = grid.width();
  std::int64_t unusedTotal = 0;
  std::int32_t y = 1;
  const auto fail = [&](RowFailure failure, std::int32_t argument) {
    failLabelRow(failure, argument, nextLine, y);
  };
  for (std::int32_t* row = grid.row(0); y <= grid.height(); ++y, row += grid.stride()) {
    if (file.atEnd()) failCheck(155, "manjka " + decimal(nextLine) + ". vrstica mreze");
    scanRow<profile>(file, row, w, unusedTotal, fail);
    row[w] = kRowEnd;
    ++nextLine;
    rowsRead = y;
  }
}

}  // namespace

void Arrangement::readArrangement(LineSource& file, LineCounter& nextLine, std::int32_t number,
                                  const TestCase& boundCase) {
  caseNumber = number;
  testCase = &boundCase;
  w = boundCase.w;
  h = boundCase.h;
  d = boundCase.d;
  // Grown, never shrunk: blocks of different cases take turns, and growing again would
  // clear the cells each time. A row's scanner may write a little past the row's end, and so
  // past the last row's border.
  const std::size_t cells = LabelGrid::cellCount(w, h) + kOneDigitRowOverrun;
  if (labelCells_.size() < cells) labelCells_.resize(cells);
  rowsRead_ = 0;
  const LabelGrid grid = labels();
  // A small grid of one-digit labels, as small cases with few regions are answered, is taken
  // whole; any other is read row by row.
  const char* p = file.position();
  if (takeOneDigitGrid(p, grid.row(0), grid.stride(), w, h, kRowEnd, file.blockEnd())) {
    file.setPosition(p);
    nextLine += h;
    rowsRead_ = h;
    return;
  }
  if (w >= kLongRow) {
    readLabelRows<kLongLabelRows>(file, nextLine, grid, rowsRead_);
  } else {
    readLabelRows<kShortLabelRows>(file, nextLine, grid, rowsRead_);
  }
}

std::int32_t Arrangement::scoreArrangement(RegionFinder& finder) {
  return spreadScore(finder.findTotals(labels(), testCase->populations), d);
}

}  // namespace pelvano
