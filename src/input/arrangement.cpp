#include "input/arrangement.h"

#include <string>

#include "check_failure.h"
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

}  // namespace

void Arrangement::readArrangement(LineSource& file, LineCounter& nextLine, std::int32_t number,
                                  const TestCase& boundCase) {
  caseNumber = number;
  testCase = &boundCase;
  w = boundCase.w;
  h = boundCase.h;
  d = boundCase.d;
  // Grown, never shrunk: blocks of different cases take turns, and growing again would
  // clear the cells each time.
  const std::size_t cells = LabelGrid::cellCount(w, h);
  if (labelCells_.size() < cells) labelCells_.resize(cells);
  const LabelGrid grid = labels();
  std::int64_t unusedTotal = 0;
  rowsRead_ = 0;
  for (std::int32_t y = 1; y <= h; ++y) {
    if (file.atEnd()) failCheck(155, "manjka " + decimal(nextLine) + ". vrstica mreze");
    const auto fail = [&](RowFailure failure, std::int32_t argument) {
      failLabelRow(failure, argument, nextLine, y);
    };
    if (w >= kLongRow) {
      scanRow<kLongLabelRows>(file, grid.row(y - 1), w, unusedTotal, fail);
    } else {
      scanRow<kShortLabelRows>(file, grid.row(y - 1), w, unusedTotal, fail);
    }
    grid.row(y - 1)[w] = kRowEnd;
    ++nextLine;
    rowsRead_ = y;
  }
}

std::int32_t Arrangement::scoreArrangement(RegionFinder& finder) {
  return spreadScore(finder.findTotals(labels(), testCase->populations), d);
}

}  // namespace pelvano
