// Fuzzes the row scanner against the byte-by-byte algorithm. The input is a choice byte
// (how the bytes are handed over), the row's width (1 to 32), the profile and running total
// to start from, then the line.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "pieces.h"
#include "platform/line_source.h"
#include "profiled_scan.h"
#include "readers/row_scanner.h"
#include "reference_row_scan.h"

namespace {

struct Refusal {
  pelvano::RowFailure failure;
  std::int32_t argument;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace pelvano;
  if (size < 3) return 0;
  const std::size_t piece = fuzzing::pieceSize(data[0]);
  const std::int32_t width = 1 + data[1] % 32;
  const bool populations = (data[2] & 1) != 0;
  // Labels are scanned both ways, with and without taking repeats.
  const RowProfile profile = populations          ? kPopulationRows
                             : (data[2] & 2) != 0 ? kLongLabelRows
                                                  : kShortLabelRows;
  const std::int64_t startTotal = populations ? (data[2] >> 1) * std::int64_t{16000000} : 0;
  const std::string_view bytes(reinterpret_cast<const char*>(data) + 3, size - 3);
  // A CR before the LF is white space to the scanner, so the reference may keep it.
  const std::string_view line = bytes.substr(0, bytes.find('\n'));

  const test::RowOutcome expected = test::referenceScan(line, width, profile, startTotal);
  test::TricklingSource source(bytes, piece);
  LineSource lines(source, std::min<std::size_t>(piece, 4096));
  if (lines.atEnd()) return 0;  // no line: the readers report the missing line themselves
  // With the room a label row's scanner may write past the row.
  std::vector<std::int32_t> numbers(static_cast<std::size_t>(width + kOneDigitRowOverrun), -1);
  std::int64_t total = startTotal;
  try {
    test::scanRowAs(profile, lines, numbers.data(), width, total,
                    [](RowFailure failure, std::int32_t argument) {
                      throw Refusal{failure, argument};
                    });
  } catch (const Refusal& refusal) {
    if (!expected.refusal || expected.refusal->first != refusal.failure ||
        expected.refusal->second != refusal.argument) {
      std::abort();
    }
    return 0;
  }
  numbers.resize(static_cast<std::size_t>(width));
  if (expected.refusal || expected.numbers != numbers) std::abort();
  return 0;
}
