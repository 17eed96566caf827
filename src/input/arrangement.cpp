#include "input/arrangement.h"

#include <string>

#include "check_failure.h"
#include "input/row_scanner.h"

namespace pelvano {
namespace {

constexpr RowProfile kLabelProfile{999999999, false};

// Border cells read as already visited, so the flood fill never enters them.
constexpr std::int32_t kVisitedBorder = -1;

// The grid messages name the line, except the overflow one, which names the grid row.
[[noreturn]] void failLabelRow(RowFailure failure, std::int32_t argument, LineCounter line,
                               std::int32_t row) {
  const std::string where = "v " + decimal(line) + ". vrstici je ";
  switch (failure) {
    case RowFailure::kTooFew:
      failCheck(159, where + "le " + decimal(argument) + " stevil");
    case RowFailure::kNotDigit:
      failCheck(163, where + "znak s kodo " + decimal(argument) + ", ki ni stevka");
    case RowFailure::kOverflow:
      failCheck(166, "v " + decimal(row) + ". vrstici mreze je " + decimal(argument) +
                         ". stevilo preveliko");
    case RowFailure::kTooLarge:
      failCheck(168, where + decimal(argument) + ". stevilo preveliko");
    case RowFailure::kTotal:  // labels keep no total
    case RowFailure::kTooMany:
      break;
  }
  failCheck(171, where + "vec kot " + decimal(argument) + " stevil");
}

}  // namespace

void Arrangement::readArrangement(LineSource& file, LineCounter& line, std::int32_t number,
                                  const TestCase& boundCase) {
  caseNumber = number;
  testCase = &boundCase;
  w = boundCase.w;
  h = boundCase.h;
  d = boundCase.d;
  labelCells_.resize(LabelGrid::cellCount(w, h));
  labels = LabelGrid(labelCells_.data(), w, h);
  labels.fillBorder(kVisitedBorder);
  std::int64_t unusedTotal = 0;
  for (std::int32_t y = 1; y <= h; ++y) {
    if (file.atEnd()) failCheck(155, "manjka " + decimal(line) + ". vrstica mreze");
    scanRow(file, labels.row(y - 1), w, kLabelProfile, unusedTotal,
            [&](RowFailure failure, std::int32_t argument) {
              failLabelRow(failure, argument, line, y);
            });
    ++line;
  }
}

}  // namespace pelvano
