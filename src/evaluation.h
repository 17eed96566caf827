// The evaluation driver: reads the task and the submission, scores every block, and makes
// the report.
#pragma once

#include <cstdint>
#include <deque>
#include <istream>
#include <string>
#include <string_view>

#include "check_failure.h"
#include "input/byte_source.h"

namespace pelvano {

// One scored block: the case number written in the submission and its score.
struct CaseResult {
  std::int32_t caseNumber;
  std::int32_t score;
};

inline constexpr std::string_view kUnexpectedFailureReport =
    "Nepricakovana napaka.  Predlagamo, da obvestis organizatorje tekmovanja.\n-1\n";

std::string successReport(const std::deque<CaseResult>& results);
std::string failureReport(const EAssertion& failure);

// Runs one evaluation and returns the report's whole text: the success report, or the
// failure report of the first failed check, or the unexpected-failure report when anything
// else goes wrong (memory exhausted, a read error). The task is read to its last case before
// the submission's first byte is asked for.
std::string evaluate(ByteSource& task, ByteSource& submission);
std::string evaluate(std::istream& task, std::istream& submission);

}  // namespace pelvano
