// How a fuzzer's input chooses the way its bytes are handed over.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "evaluation/evaluation.h"
#include "report_check.h"
#include "trickling_source.h"  // from tests/support

namespace pelvano::fuzzing {

using test::evaluateInPieces;
using test::kWhole;

// The first byte of a fuzzer's input chooses how the rest is handed over: whole, or in
// pieces of 1 to 7 bytes, so that block boundaries fall everywhere.
inline std::size_t pieceSize(unsigned char choice) {
  return choice % 8 == 0 ? kWhole : choice % 8;
}

// Evaluates with the bytes handed over in `piece`s, checks the report's shape, and checks
// that the report is the same when the bytes come whole: how they arrive must not matter.
inline std::string evaluateAndCheck(std::string_view task, std::string_view submission,
                                    std::size_t piece) {
  const std::string report = evaluateInPieces(task, submission, piece);
  checkReport(report);
  if (piece != kWhole && evaluateInPieces(task, submission, kWhole) != report) {
    reportViolation("the report depends on how the bytes arrive", report);
  }
  return report;
}

}  // namespace pelvano::fuzzing
