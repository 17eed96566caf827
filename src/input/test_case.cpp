#include "input/test_case.h"

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "check_failure.h"
#include "input/leading_integer.h"
#include "input/plain_line.h"
#include "input/row_scanner.h"

namespace pelvano {
namespace {

constexpr std::int32_t kMaxSide = 300;

// The line that `line` views, for a message to quote: moved out of `storage` when it is held
// there (a line longer than a block may be hundreds of megabytes), else copied from the block.
std::string ownedLine(std::string_view line, std::string& storage) {
  if (line.data() == storage.data()) return std::move(storage);
  return std::string(line);
}

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

// The case line's four leading integers, read in full: the line viewed where it stands, or
// gathered in `storage` when it runs past the block.
void readCaseLine(LineSource& file, LineCounter lineNumber, std::string& storage,
                  std::int32_t (&numbers)[4]) {
  const std::optional<std::string_view> line = file.viewLine(storage);
  if (!line) failCheck(67, "manjka " + decimal(lineNumber) + ". vrstica");
  const LeadingIntegers parsed = parseLeadingIntegers(*line);
  if (parsed.count < 4) {
    failCheck(69, quotedAfter("v " + decimal(lineNumber) +
                                  ". vrstici bi morala biti stiri cela stevila, ne pa ",
                              ownedLine(*line, storage)));
  }
  std::copy(parsed.values, parsed.values + 4, numbers);
}

}  // namespace

void TestCase::readTestCase(LineSource& file, LineCounter& lastLineRead, CellArena& cells) {
  // Both header lines are looked at where they stand in the block, when they are there whole.
  std::string text;
  ++lastLineRead;
  const std::optional<std::string_view> empty = file.viewLine(text);
  if (!empty) failCheck(65, "manjka " + decimal(lastLineRead) + ". vrstica");
  if (!empty->empty()) {
    failCheck(66, quotedAfter("vrstica " + decimal(lastLineRead) + " bi morala biti prazna, ne pa ",
                              ownedLine(*empty, text)));
  }

  ++lastLineRead;
  std::int32_t numbers[4];
  if (!readPlainNumbers(file, numbers, 4)) readCaseLine(file, lastLineRead, text, numbers);
  number = numbers[0];
  w = numbers[1];
  h = numbers[2];
  d = numbers[3];
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
