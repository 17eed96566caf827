// Reports and messages for places of bounded size (a contest system's feedback, a CSV field,
// standard error): the input text a message quotes, which may be a line of any length, is cut
// with a marker that says so; the words of the message and its check code never are.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "evaluation/evaluation.h"

namespace pelvano::contest {

// At most this many bytes of quoted input text in a message of a table, a team's feedback or
// standard error.
inline constexpr std::size_t kQuoteLimit = 200;
// A judge's feedback holds the report whole up to this size.
inline constexpr std::size_t kJudgeMessageLimit = 64 * 1024;

// The failure's message as the report shows it (a NUL byte of quoted input ends it), its
// quoted text cut to `limit` bytes when longer, as in: ne pa "abc..." [quoted text cut:
// 3 of 20971520 bytes shown]. Only the bytes shown are copied.
std::string boundedMessage(const EAssertion& failure, std::size_t limit);

// The report's first line ("OK", the failure line or the unexpected-failure line), with its
// quoted text cut to `limit` bytes.
std::string boundedFirstLine(const Outcome& outcome, std::size_t limit);

// The report whole if it has at most `limit` bytes; otherwise a failure report with its
// quoted text cut to fit, or the first lines of a success report that fit, then a line that
// says how many bytes the whole has.
std::string boundedReport(const Evaluation& evaluation, std::size_t limit);

}  // namespace pelvano::contest
