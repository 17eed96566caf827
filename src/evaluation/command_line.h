// The command line: `Pelvano eval input.txt submission.txt report.txt`.
#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace pelvano {

inline constexpr std::string_view kUsageLine =
    "Uporaba: Pelvano eval input.txt submission.txt report.txt\n";

// Exit statuses.
inline constexpr int kExitDone = 0;  // evaluated (whatever the report says), or usage
inline constexpr int kExitTooFewArguments = 1;
inline constexpr int kExitReportUnwritable = 2;  // the report could not be written safely

// Runs the program on its arguments, the program name first; returns the exit status.
int runCommandLine(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

// The `eval` command; `arguments` as for runCommandLine.
int runEval(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

}  // namespace pelvano
