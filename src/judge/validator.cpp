#include "judge/validator.h"

#include <cstdio>

#include "evaluation/evaluation.h"
#include "judge/bounded_text.h"
#include "judge/output_run.h"
#include "judge/standings.h"
#include "judge/task_loading.h"

namespace pelvano::judge {
namespace {

// The jury's spreads of every case, or nothing after a message on `err`.
std::optional<std::vector<CaseSpread>> juryBests(const Task& task, const std::string& answerPath,
                                                 std::ostream& err) {
  FileByteSource answer(answerPath);
  const Evaluation jury = evaluateSubmission(task, answer);
  const std::string name = "pelvano-judge: the jury's answer \"" + answerPath + "\" ";
  if (answer.openError() != 0) {
    err << name << answer.openFailure() << "\n";
    return std::nullopt;
  }
  if (jury.outcome.kind != Outcome::Kind::kPassed) {
    err << name << "fails its checks: " << boundedFirstLine(jury.outcome, kQuoteLimit) << "\n";
    return std::nullopt;
  }
  std::vector<CaseSpread> bests = lowestSpreads(jury.results);
  if (bests.size() != task.cases.size()) {
    err << name << "answers " << bests.size() << " of the task's " << task.cases.size()
        << " cases; a scoring validator needs the jury's spread of every case\n";
    return std::nullopt;
  }
  return bests;
}

// The team's points against the jury's spreads, and a table of them for the judge.
struct Scored {
  double points = 0;
  std::string table;
};

Scored score(const std::vector<CaseSpread>& jury, const std::deque<CaseResult>& results,
             double pointsPerCase) {
  Scored scored;
  const std::vector<CaseSpread> team = lowestSpreads(results);
  scored.table = "\ncase team-spread jury-spread points\n";
  std::size_t k = 0;
  for (const CaseSpread& best : jury) {
    while (k < team.size() && team[k].caseNumber < best.caseNumber)
      ++k;
    const bool answered = k < team.size() && team[k].caseNumber == best.caseNumber;
    const double points = answered ? pointsPerCase * pointsRatio(best.spread, team[k].spread) : 0;
    scored.points += points;
    if (scored.table.size() < kJudgeMessageLimit) {
      scored.table += std::to_string(best.caseNumber) + ' ' +
                      (answered ? std::to_string(team[k].spread) : "-") + ' ' +
                      std::to_string(best.spread) + ' ' + formatPoints(points) + '\n';
    }
  }
  if (scored.table.size() >= kJudgeMessageLimit) scored.table += "[table cut]\n";
  scored.table += "total " + formatPoints(scored.points) + '\n';
  return scored;
}

}  // namespace

int runValidator(const std::string& inputPath, ByteSource& submission,
                 const std::filesystem::path& feedbackDir, std::ostream& err,
                 const std::optional<ValidatorScoring>& scoring) {
  const TaskReading reading = loadTask(inputPath, err);
  if (reading.outcome.kind != Outcome::Kind::kPassed) return kValidatorJudgeError;
  std::optional<std::vector<CaseSpread>> jury;
  if (scoring) {
    jury = juryBests(reading.task, scoring->answerPath, err);
    if (!jury) return kValidatorJudgeError;
  }

  const Evaluation evaluation = evaluateSubmission(reading.task, submission);
  // Feedback of bounded size, whatever the submission quotes: a contest system stores it.
  std::string judgeMessage = boundedReport(evaluation, kJudgeMessageLimit);
  Scored scored;
  if (jury && evaluation.outcome.kind == Outcome::Kind::kPassed) {
    scored = score(*jury, evaluation.results,
                   scoring->pointsPerCase.value_or(100.0 / static_cast<double>(jury->size())));
    judgeMessage += scored.table;
  }
  const bool judgeWritten = writeFileOrTell(feedbackDir / "judgemessage.txt", judgeMessage, err);
  switch (evaluation.outcome.kind) {
    case Outcome::Kind::kPassed:
      if (!writeFileOrTell(feedbackDir / "teammessage.txt",
                           boundedReport(evaluation, kJudgeMessageLimit), err) ||
          !judgeWritten) {
        break;
      }
      // A scoring validator always writes its score: without score.txt, an accepted
      // submission would get full marks.
      if (jury &&
          !writeFileOrTell(feedbackDir / "score.txt", formatPoints(scored.points) + '\n', err)) {
        break;
      }
      return kValidatorAccepted;
    case Outcome::Kind::kRejected:
      if (!writeFileOrTell(feedbackDir / "teammessage.txt",
                           boundedFirstLine(evaluation.outcome, kQuoteLimit) + '\n', err) ||
          !judgeWritten) {
        break;
      }
      return kValidatorWrongAnswer;
    case Outcome::Kind::kUnexpected:
      err << "pelvano-judge: unexpected failure: " << evaluation.outcome.reason << "\n";
      break;
  }
  return kValidatorJudgeError;
}

int checkTask(FileByteSource& task, const std::string& name, std::ostream& err) {
  const TaskReading reading = readTask(task);
  if (task.openError() != 0) {
    err << "pelvano-judge: the task file " << name << " " << task.openFailure() << "\n";
    return kValidatorJudgeError;
  }
  switch (reading.outcome.kind) {
    case Outcome::Kind::kPassed:
      return kValidatorAccepted;
    case Outcome::Kind::kRejected:
      err << "pelvano-judge: the task file " << name
          << " fails its checks: " << boundedFirstLine(reading.outcome, kQuoteLimit) << "\n";
      return kValidatorWrongAnswer;
    case Outcome::Kind::kUnexpected:
      break;
  }
  err << "pelvano-judge: the task file " << name << " cannot be read: " << reading.outcome.reason
      << "\n";
  return kValidatorJudgeError;
}

}  // namespace pelvano::judge
