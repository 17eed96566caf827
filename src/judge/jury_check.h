// A contestant's output judged against the jury's answer, as the contest systems' checkers
// judge: the task file, the jury's answer (a submission whose spreads are each case's best)
// and the contestant's output, each named by path.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "contest/points_rule.h"
#include "evaluation/evaluation.h"

namespace pelvano::judge {

// The jury's spreads of every case, from its answer at `answerPath`, which must pass every
// check and answer every case of `task`. Nothing when it does not, with one line in `reason`
// that names the answer and says why.
std::optional<std::vector<contest::CaseSpread>> readJuryBests(const Task& task,
                                                              const std::string& answerPath,
                                                              std::string& reason);

struct JuryCheck {
  enum class Kind {
    kJudged,            // `evaluation` passed or was rejected; `scored` when it passed
    kOutputUnreadable,  // the contestant's output cannot be opened: `reason`
    kJuryError,         // the task or the jury's answer cannot be used, or the judging
                        // failed unexpectedly: `reason`
  };
  Kind kind = Kind::kJuryError;
  std::string reason;
  Evaluation evaluation;
  contest::PointsAgainstBests scored;
  std::size_t caseCount = 0;
};

JuryCheck checkAgainstJury(const std::string& inputPath, const std::string& answerPath,
                           const std::string& outputPath);

}  // namespace pelvano::judge
