#include "judge/jury_check.h"

#include "contest/bounded_text.h"
#include "judge/task_loading.h"
#include "platform/byte_source.h"

namespace pelvano::judge {

std::optional<std::vector<contest::CaseSpread>> readJuryBests(const Task& task,
                                                              const std::string& answerPath,
                                                              std::string& reason) {
  FileByteSource answer(answerPath);
  const Evaluation jury = evaluateSubmission(task, answer);
  const std::string name = "the jury's answer \"" + answerPath + "\" ";
  if (jury.outcome.kind == Outcome::Kind::kUnreadable) {
    reason = name + jury.outcome.reason;
    return std::nullopt;
  }
  if (jury.outcome.kind != Outcome::Kind::kPassed) {
    reason =
        name + "fails its checks: " + contest::boundedFirstLine(jury.outcome, contest::kQuoteLimit);
    return std::nullopt;
  }
  std::vector<contest::CaseSpread> bests = contest::lowestSpreads(jury.results);
  if (bests.size() != task.cases.size()) {
    reason = name + "answers " + std::to_string(bests.size()) + " of the task's " +
             std::to_string(task.cases.size()) +
             " cases; the jury's spread of every case is needed";
    return std::nullopt;
  }
  return bests;
}

JuryCheck checkAgainstJury(const std::string& inputPath, const std::string& answerPath,
                           const std::string& outputPath) {
  JuryCheck check;
  const TaskReading reading = loadTask(inputPath, check.reason);
  if (reading.outcome.kind != Outcome::Kind::kPassed) return check;
  check.caseCount = reading.task.cases.size();
  const auto bests = readJuryBests(reading.task, answerPath, check.reason);
  if (!bests) return check;

  FileByteSource output(outputPath);
  check.evaluation = evaluateSubmission(reading.task, output);
  switch (check.evaluation.outcome.kind) {
    case Outcome::Kind::kUnreadable:
      check.kind = JuryCheck::Kind::kOutputUnreadable;
      check.reason =
          "the contestant's output \"" + outputPath + "\" " + check.evaluation.outcome.reason;
      break;
    case Outcome::Kind::kPassed:
      check.scored =
          contest::scoreAgainstBests(*bests, contest::lowestSpreads(check.evaluation.results));
      [[fallthrough]];
    case Outcome::Kind::kRejected:
      check.kind = JuryCheck::Kind::kJudged;
      break;
    case Outcome::Kind::kUnexpected:
      check.reason = "unexpected failure: " + check.evaluation.outcome.reason;
      break;
  }
  return check;
}

}  // namespace pelvano::judge
