// Fuzzes the submission against a fixed, valid task, so that blocks reach the scorer: the
// input is a choice byte and the submission.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "pieces.h"

namespace {

// Four cases: 3x2 with d = 2, 4x3 with d = 3, 1x1 with d = 1, and 5x5 with d = 4.
constexpr std::string_view kTask =
    "Tolvarustepnik\n4\n"
    "\n1 3 2 2\n1 2 3\n4 5 6\n"
    "\n2 4 3 3\n1 2 3 4\n5 6 7 8\n9 10 11 12\n"
    "\n3 1 1 1\n1000000\n"
    "\n4 5 5 4\n0 1 2 3 4\n5 6 7 8 9\n10 11 12 13 14\n15 16 17 18 19\n20 21 22 23 24\n";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::size_t piece = pelvano::fuzzing::pieceSize(data[0]);
  const std::string_view submission(reinterpret_cast<const char*>(data) + 1, size - 1);
  const std::string report = pelvano::fuzzing::evaluateAndCheck(kTask, submission, piece);
  // The task is valid, so no task-file check may ever fire.
  if (report.starts_with("Napaka [Pelvano:")) {
    const int code = std::atoi(report.c_str() + 16);
    if (code < 141 || (code > 171 && code < 215)) {
      pelvano::fuzzing::reportViolation("a task-file check on a valid task", report);
    }
  }
  return 0;
}
