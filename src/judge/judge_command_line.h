// The command line of pelvano-judge: judging a whole contest and the contest systems'
// conventions, on the same core as `Pelvano eval`.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace pelvano {

inline constexpr int kJudgeUsageError = 2;

// Runs pelvano-judge on its arguments, the program name first; returns the exit status.
// `errIsTerminal` says whether a progress line may be drawn on `err`.
int runJudgeCommandLine(const std::vector<std::string>& arguments, std::ostream& out,
                        std::ostream& err, bool errIsTerminal);

}  // namespace pelvano
