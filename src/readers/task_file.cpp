#include "readers/task_file.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "fast/plain_line.h"
#include "readers/leading_integer.h"
#include "readers/row_scanner.h"
#include "task/limits.h"
#include "task/row_failure.h"

namespace pelvano {
namespace {

// The line that `line` views, for a message to quote: moved out of `storage` when it is held
// there (a line longer than a chunk of the buffer may be hundreds of megabytes), else copied from
// the buffer.
std::string ownedLine(std::string_view line, std::string& storage) {
  if (line.data() == storage.data()) return std::move(storage);
  return std::string(line);
}

void readNameLine(LineSource& file) {
  std::string name;
  if (!file.readLine(name)) failCheck(195, "manjka prva vrstica z imenom naloge");
  if (name != kTaskName) {
    failCheck(196, quotedAfter("v prvi vrstici bi moral biti niz \"" + std::string(kTaskName) +
                                   "\", ne pa ",
                               std::move(name)));
  }
}

std::int32_t readCountLine(LineSource& file) {
  std::string countLine;
  if (!file.readLine(countLine)) failCheck(199, "manjka druga vrstica s stevilom testnih primerov");
  const std::optional<std::int32_t> count = parseLeadingInteger(countLine);
  if (!count || *count < 1) {
    failCheck(201, quotedAfter("v drugi vrstici bi moralo biti stevilo testnih primerov, ne pa ",
                               std::move(countLine)));
  }
  return *count;
}

// The empty line before a case, looked at where it stands in the buffer.
void readSeparatorLine(LineSource& file, LineCounter line, std::string& storage) {
  const std::optional<std::string_view> empty = file.viewLine(storage);
  if (!empty) failCheck(65, "manjka " + decimal(line) + ". vrstica");
  if (!empty->empty()) {
    failCheck(66, quotedAfter("vrstica " + decimal(line) + " bi morala biti prazna, ne pa ",
                              ownedLine(*empty, storage)));
  }
}

// The case line's four leading integers, read in full: the line viewed where it stands, or
// gathered in `storage` when it runs past the buffer's chunk.
void readAnyCaseLine(LineSource& file, LineCounter line, std::string& storage,
                     std::int32_t (&numbers)[4]) {
  const std::optional<std::string_view> text = file.viewLine(storage);
  if (!text) failCheck(67, "manjka " + decimal(line) + ". vrstica");
  const LeadingIntegers parsed = parseLeadingIntegers(*text);
  if (parsed.count < 4) {
    failCheck(69, quotedAfter(
                      "v " + decimal(line) + ". vrstici bi morala biti stiri cela stevila, ne pa ",
                      ownedLine(*text, storage)));
  }
  std::copy(parsed.values, parsed.values + 4, numbers);
}

// The case line: number, w, h and d, each within its bounds.
void readCaseLine(LineSource& file, LineCounter line, std::string& storage, TestCase& testCase) {
  std::int32_t numbers[4];
  // The usual case line, four short numbers, is read where it stands.
  if (!readPlainNumbers(file, numbers, 4)) readAnyCaseLine(file, line, storage, numbers);
  testCase.number = numbers[0];
  testCase.w = numbers[1];
  testCase.h = numbers[2];
  testCase.d = numbers[3];
  const auto place = [line] { return "v " + decimal(line) + ". vrstici bi moral biti "; };
  if (testCase.w < 1 || testCase.w > kMaxSide) {
    failCheck(71, place() + "w med 1 in " + decimal(kMaxSide) + ", ne pa " + decimal(testCase.w));
  }
  if (testCase.h < 1 || testCase.h > kMaxSide) {
    failCheck(72, place() + "h med 1 in " + decimal(kMaxSide) + ", ne pa " + decimal(testCase.h));
  }
  const std::int32_t cellCount = testCase.w * testCase.h;  // at most 90000
  if (testCase.d < 1 || testCase.d > cellCount) {
    failCheck(73, place() + "d med 1 in " + decimal(cellCount) + ", ne pa " + decimal(testCase.d));
  }
}

// A population row's checks; the message names the grid row, 1 to h.
constexpr RowCheckCodes kPopulationRowCodes{
    .tooFew = 83, .notDigit = 87, .overflow = 90, .tooLarge = 92, .total = 94, .tooMany = 97};

[[noreturn]] void failPopulationRow(RowFailure failure, std::int32_t argument, std::int32_t row) {
  failCheck(codeOf(kPopulationRowCodes, failure),
            gridRowPlace(row) + rowFailureWords(failure, argument));
}

// Whether the short row at the file's position is written plainly (readPlainNumbers) and keeps
// the rules; then it is stored in `row` and consumed, and `total` grows by it. Otherwise the
// position stays, for the full reading to find what it finds.
bool takePlainPopulationRow(LineSource& file, std::int32_t* row, std::int32_t width,
                            std::int64_t& total) {
  const char* const start = file.position();
  if (!readPlainNumbers(file, row, width)) return false;
  if (!plainPopulationsKeepRules(row, width, total)) {
    file.setPosition(start);  // the line lay inside the chunk: its bytes are still there
    return false;
  }
  return true;
}

// The grid's rows from row `y` on, with the case's running total so far. Kept out of line, so
// that the scanning loop has the registers to itself.
[[gnu::noinline]] void readPopulationRows(LineSource& file, const PopulationGrid& populations,
                                          LineCounter& lastLineRead, std::int32_t y,
                                          std::int64_t total) {
  for (; y <= populations.height(); ++y) {
    ++lastLineRead;
    if (file.atEnd()) failCheck(77, "manjka " + decimal(y) + ". vrstica mreze");
    scanRow<kPopulationRows>(file, populations.row(y - 1), populations.width(), total,
                             [&](RowFailure failure, std::int32_t argument) {
                               failPopulationRow(failure, argument, y);
                             });
  }
}

// The grid's h rows of under 16 numbers: taken whole while they are written plainly, as most
// are, and read in full from the first that is not.
void readShortPopulationRows(LineSource& file, const PopulationGrid& populations,
                             LineCounter& lastLineRead) {
  std::int64_t total = 0;
  for (std::int32_t y = 1; y <= populations.height(); ++y) {
    if (!takePlainPopulationRow(file, populations.row(y - 1), populations.width(), total)) {
      readPopulationRows(file, populations, lastLineRead, y, total);
      return;
    }
    ++lastLineRead;
  }
}

// The same for rows of 16 or more numbers, which are looked at first for numbers written
// plainly.
[[gnu::noinline]] void readLongPopulationRows(LineSource& file, const PopulationGrid& populations,
                                              LineCounter& lastLineRead) {
  std::int64_t total = 0;
  bool plainRows = true;
  for (std::int32_t y = 1; y <= populations.height(); ++y) {
    ++lastLineRead;
    if (file.atEnd()) failCheck(77, "manjka " + decimal(y) + ". vrstica mreze");
    scanLongPopulationRow(file, populations.row(y - 1), populations.width(), total, plainRows,
                          [&](RowFailure failure, std::int32_t argument) {
                            failPopulationRow(failure, argument, y);
                          });
  }
}

}  // namespace

void readTestCase(LineSource& file, LineCounter& lastLineRead, CellArena& cells,
                  TestCase& testCase) {
  std::string storage;
  readSeparatorLine(file, ++lastLineRead, storage);
  readCaseLine(file, ++lastLineRead, storage, testCase);
  testCase.populations = PopulationGrid(
      cells.allocate(PopulationGrid::cellCount(testCase.w, testCase.h)), testCase.w, testCase.h);
  if (testCase.w >= kLongRow) {
    readLongPopulationRows(file, testCase.populations, lastLineRead);
  } else {
    readShortPopulationRows(file, testCase.populations, lastLineRead);
  }
}

// The most cases whose records are reserved before they are read.
constexpr std::int64_t kReservedCases = std::int64_t{1} << 18;

Task readTaskFile(LineSource& file) {
  readNameLine(file);
  const std::int32_t count = readCountLine(file);
  // The count comes from the file, so it is trusted only so far: room for up to 2^18 cases
  // (8 MiB of records, whose pages a false count never touches) is reserved by it, and a
  // longer list grows as its cases are actually read. A list grown case by case is copied
  // into fresh pages again and again, and the page faults cost more than the copies.
  Task task;
  task.cases.reserve(static_cast<std::size_t>(std::min<std::int64_t>(count, kReservedCases)));
  LineCounter lastLineRead = 2;
  for (std::int64_t i = 1; i <= count; ++i) {
    const LineCounter lineBeforeCase = lastLineRead;
    TestCase testCase;
    readTestCase(file, lastLineRead, task.cells, testCase);
    if (testCase.number != i) {
      failCheck(207, "v vrsticah " + decimal(lineBeforeCase) + ".." + decimal(lastLineRead) +
                         " bi moral biti testni primer stevilka " + decimal(i) + ", ne pa " +
                         decimal(testCase.number));
    }
    task.cases.push_back(testCase);
  }
  return task;
}

}  // namespace pelvano
