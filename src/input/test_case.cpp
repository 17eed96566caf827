#include "input/test_case.h"

#include "check_failure.h"
#include "input/leading_integer.h"
#include "input/row_scanner.h"

namespace pelvano {
namespace {

constexpr std::int32_t kMaxSide = 300;
constexpr RowProfile kPopulationProfile{1000000, true};

// Reads the next line, advancing the count first so that messages name the line just read
// or, when the file has ended, the one that should have been there.
bool readCountedLine(LineSource& file, LineCounter& line, std::string& text) {
  ++line;
  return file.readLine(text);
}

// The grid messages name the grid row, 1 to h.
[[noreturn]] void failGridRow(RowFailure failure, std::int32_t argument, std::int32_t row) {
  const std::string where = "v " + decimal(row) + ". vrstici mreze je ";
  switch (failure) {
    case RowFailure::kTooFew:
      failCheck(83, where + "le " + decimal(argument) + " stevil");
    case RowFailure::kNotDigit:
      failCheck(87, where + "znak s kodo " + decimal(argument) + ", ki ni stevka");
    case RowFailure::kOverflow:
      failCheck(90, where + decimal(argument) + ". stevilo preveliko");
    case RowFailure::kTooLarge:
      failCheck(92, where + decimal(argument) + ". stevilo preveliko");
    case RowFailure::kTotal:
      failCheck(94, where + "pri " + decimal(argument) + ". skupno prebivalstvo preveliko");
    case RowFailure::kTooMany:
      break;
  }
  failCheck(97, where + "vec kot " + decimal(argument) + " stevil");
}

}  // namespace

void TestCase::readTestCase(LineSource& file, LineCounter& line, CellArena& cells) {
  std::string text;
  if (!readCountedLine(file, line, text)) failCheck(65, "manjka " + decimal(line) + ". vrstica");
  if (!text.empty()) {
    failCheck(66, "vrstica " + decimal(line) + " bi morala biti prazna, ne pa " + quoted(text));
  }

  if (!readCountedLine(file, line, text)) failCheck(67, "manjka " + decimal(line) + ". vrstica");
  const LeadingIntegers numbers = parseLeadingIntegers(text);
  if (numbers.count < 4) {
    failCheck(69, "v " + decimal(line) + ". vrstici bi morala biti stiri cela stevila, ne pa " +
                      quoted(text));
  }
  number = numbers.values[0];
  w = numbers.values[1];
  h = numbers.values[2];
  d = numbers.values[3];
  if (w < 1 || w > kMaxSide) {
    failCheck(71,
              "v " + decimal(line) + ". vrstici bi moral biti w med 1 in 300, ne pa " + decimal(w));
  }
  if (h < 1 || h > kMaxSide) {
    failCheck(72,
              "v " + decimal(line) + ". vrstici bi moral biti h med 1 in 300, ne pa " + decimal(h));
  }
  const std::int32_t cellCount = w * h;  // at most 90000
  if (d < 1 || d > cellCount) {
    failCheck(73, "v " + decimal(line) + ". vrstici bi moral biti d med 1 in " +
                      decimal(cellCount) + ", ne pa " + decimal(d));
  }

  populations = PopulationGrid(cells.allocate(PopulationGrid::cellCount(w, h)), w, h);
  populations.fillBorder(0);
  std::int64_t total = 0;
  for (std::int32_t y = 1; y <= h; ++y) {
    ++line;
    if (file.atEnd()) failCheck(77, "manjka " + decimal(y) + ". vrstica mreze");
    scanRow(file, populations.row(y - 1), w, kPopulationProfile, total,
            [&](RowFailure failure, std::int32_t argument) { failGridRow(failure, argument, y); });
  }
}

}  // namespace pelvano
