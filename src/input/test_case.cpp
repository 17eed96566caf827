#include "input/test_case.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "check_failure.h"
#include "input/leading_integer.h"
#include "input/row_scanner.h"

namespace pelvano {
namespace {

constexpr std::int32_t kMaxSide = 300;

// The grid messages name the grid row, 1 to h.
constexpr RowFailureCodes kGridRowCodes = {83, 87, 90, 92, 94, 97};

[[noreturn]] void failGridRow(RowFailure failure, std::int32_t argument, std::int32_t row) {
  failRow(kGridRowCodes, failure, argument, gridRowPlace(row));
}

// The grid's h rows, with the case's running total. Kept out of line, so that the scanning
// loop has the registers to itself.
[[gnu::noinline]] void readPopulationRows(LineSource& file, const PopulationGrid& populations,
                                          LineCounter& lastLineRead) {
  std::int64_t total = 0;
  for (std::int32_t y = 1; y <= populations.height(); ++y) {
    ++lastLineRead;
    if (file.atEnd()) failCheck(77, "manjka " + decimal(y) + ". vrstica mreze");
    scanRow<kPopulationRows>(
        file, populations.row(y - 1), populations.width(), total,
        [&](RowFailure failure, std::int32_t argument) { failGridRow(failure, argument, y); });
  }
}

}  // namespace

void TestCase::readTestCase(LineSource& file, LineCounter& lastLineRead, CellArena& cells) {
  std::string text;
  ++lastLineRead;
  if (!file.consumeEmptyLine()) {
    if (!file.readLine(text)) failCheck(65, "manjka " + decimal(lastLineRead) + ". vrstica");
    if (!text.empty()) {
      failCheck(66,
                quotedAfter("vrstica " + decimal(lastLineRead) + " bi morala biti prazna, ne pa ",
                            std::move(text)));
    }
  }

  // The case line is parsed where it stands in the block, when it is there whole.
  ++lastLineRead;
  std::optional<std::string_view> line = file.takeLineInBlock();
  if (!line) {
    if (!file.readLine(text)) failCheck(67, "manjka " + decimal(lastLineRead) + ". vrstica");
    line = text;
  }
  const LeadingIntegers numbers = parseLeadingIntegers(*line);
  if (numbers.count < 4) {
    failCheck(69, quotedAfter("v " + decimal(lastLineRead) +
                                  ". vrstici bi morala biti stiri cela stevila, ne pa ",
                              std::string(*line)));
  }
  number = numbers.values[0];
  w = numbers.values[1];
  h = numbers.values[2];
  d = numbers.values[3];
  if (w < 1 || w > kMaxSide) {
    failCheck(71, "v " + decimal(lastLineRead) + ". vrstici bi moral biti w med 1 in 300, ne pa " +
                      decimal(w));
  }
  if (h < 1 || h > kMaxSide) {
    failCheck(72, "v " + decimal(lastLineRead) + ". vrstici bi moral biti h med 1 in 300, ne pa " +
                      decimal(h));
  }
  const std::int32_t cellCount = w * h;  // at most 90000
  if (d < 1 || d > cellCount) {
    failCheck(73, "v " + decimal(lastLineRead) + ". vrstici bi moral biti d med 1 in " +
                      decimal(cellCount) + ", ne pa " + decimal(d));
  }

  populations = PopulationGrid(cells.allocate(PopulationGrid::cellCount(w, h)), w, h);
  readPopulationRows(file, populations, lastLineRead);
}

}  // namespace pelvano
