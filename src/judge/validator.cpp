#include "judge/validator.h"

#include <cstdio>

#include "contest/bounded_text.h"
#include "evaluation/evaluation.h"
#include "judge/jury_check.h"
#include "judge/output_run.h"
#include "judge/strict_task.h"
#include "judge/task_loading.h"
#include "judge/verdict.h"

namespace pelvano::judge {
namespace {

// The team's points against the jury's spreads, and a table of them for the judge.
struct Scored {
  double points = 0;
  std::string table;
};

Scored score(const std::vector<contest::CaseSpread>& jury, const std::deque<CaseResult>& results,
             double pointsPerCase) {
  const contest::PointsAgainstBests against =
      contest::scoreAgainstBests(jury, contest::lowestSpreads(results));
  Scored scored{against.points(pointsPerCase), "\ncase team-spread jury-spread points\n"};
  for (const contest::CasePoints& points : against.cases) {
    if (scored.table.size() >= contest::kJudgeMessageLimit) break;
    scored.table += std::to_string(points.caseNumber) + ' ' +
                    (points.spread ? std::to_string(*points.spread) : "-") + ' ' +
                    std::to_string(points.best) + ' ' +
                    contest::formatPoints(pointsPerCase * points.ratio) + '\n';
  }
  if (scored.table.size() >= contest::kJudgeMessageLimit) scored.table += "[table cut]\n";
  scored.table += "total " + contest::formatPoints(scored.points) + '\n';
  return scored;
}

}  // namespace

std::optional<ValidatorFlags> parseValidatorFlags(const std::vector<std::string>& words,
                                                  std::string& error) {
  ValidatorFlags flags;
  for (std::size_t i = 0; i < words.size(); ++i) {
    if (words[i] == "score") flags.score = true;
    if (words[i] != "points") continue;
    flags.pointsPerCase =
        i + 1 < words.size() ? contest::parsePointsPerCase(words[i + 1]) : std::optional<double>();
    if (!flags.pointsPerCase) {
      error =
          "the validator flag points needs a plain decimal number above 0 and at most 1000000 "
          "after it" +
          (i + 1 < words.size() ? ", not \"" + words[i + 1] + "\"" : "");
      return std::nullopt;
    }
    ++i;
  }
  if (flags.pointsPerCase && !flags.score) {
    error = "the validator flag points goes with the flag score";
    return std::nullopt;
  }
  return flags;
}

int runValidator(const std::string& inputPath, ByteSource& submission,
                 const std::filesystem::path& feedbackDir, std::ostream& err,
                 const std::optional<ValidatorScoring>& scoring) {
  const TaskReading reading = loadTask(inputPath, err);
  if (reading.outcome.kind != Outcome::Kind::kPassed) return kValidatorJudgeError;
  std::optional<std::vector<contest::CaseSpread>> jury;
  if (scoring) {
    std::string reason;
    jury = readJuryBests(reading.task, scoring->answerPath, reason);
    if (!jury) {
      err << "pelvano-judge: " << reason << "\n";
      return kValidatorJudgeError;
    }
  }

  const Evaluation evaluation = evaluateSubmission(reading.task, submission);
  // Feedback of bounded size, whatever the submission quotes: a contest system stores it.
  std::string judgeMessage = contest::boundedReport(evaluation, contest::kJudgeMessageLimit);
  Scored scored;
  if (jury && evaluation.outcome.kind == Outcome::Kind::kPassed) {
    scored = score(*jury, evaluation.results,
                   scoring->pointsPerCase.value_or(contest::defaultPointsPerCase(jury->size())));
    judgeMessage += scored.table;
  }
  const bool judgeWritten = writeFileOrTell(feedbackDir / "judgemessage.txt", judgeMessage, err);
  switch (evaluation.outcome.kind) {
    case Outcome::Kind::kPassed:
      if (!writeFileOrTell(feedbackDir / "teammessage.txt",
                           contest::boundedReport(evaluation, contest::kJudgeMessageLimit), err) ||
          !judgeWritten) {
        break;
      }
      // A scoring validator always writes its score: without score.txt, an accepted
      // submission would get full marks.
      if (jury && !writeFileOrTell(feedbackDir / "score.txt",
                                   contest::formatPoints(scored.points) + '\n', err)) {
        break;
      }
      return kValidatorAccepted;
    case Outcome::Kind::kRejected:
      if (!writeFileOrTell(
              feedbackDir / "teammessage.txt",
              contest::boundedFirstLine(evaluation.outcome, contest::kQuoteLimit) + '\n', err) ||
          !judgeWritten) {
        break;
      }
      return kValidatorWrongAnswer;
    case Outcome::Kind::kUnreadable:
    case Outcome::Kind::kUnexpected:
      err << "pelvano-judge: " << judgeErrorReason(evaluation.outcome) << "\n";
      break;
  }
  return kValidatorJudgeError;
}

int checkTask(FileByteSource& task, const std::string& name, bool strict, std::ostream& err) {
  // The strict form needs the bytes after the last case too, which the reader leaves unread.
  WholeFile bytes;
  std::optional<MemoryByteSource> whole;
  if (strict) {
    bytes = readWhole(task);
    if (!bytes.unreadable.empty()) {
      err << "pelvano-judge: the task file " << name << " " << bytes.unreadable << "\n";
      return kValidatorJudgeError;
    }
    whole.emplace(bytes.bytes);
  }
  const TaskReading reading = whole ? readTask(*whole) : readTask(task);
  switch (reading.outcome.kind) {
    case Outcome::Kind::kUnreadable:
      err << "pelvano-judge: the task file " << name << " " << reading.outcome.reason << "\n";
      return kValidatorJudgeError;
    case Outcome::Kind::kPassed:
      if (const std::string fault = strict ? strictFormFault(bytes.bytes, reading.task) : "";
          !fault.empty()) {
        err << "pelvano-judge: the task file " << name << " is not in the strict form: " << fault
            << "\n";
        return kValidatorWrongAnswer;
      }
      return kValidatorAccepted;
    case Outcome::Kind::kRejected:
      err << "pelvano-judge: the task file " << name << " fails its checks: "
          << contest::boundedFirstLine(reading.outcome, contest::kQuoteLimit) << "\n";
      return kValidatorWrongAnswer;
    case Outcome::Kind::kUnexpected:
      break;
  }
  err << "pelvano-judge: the task file " << name << " cannot be read: " << reading.outcome.reason
      << "\n";
  return kValidatorJudgeError;
}

}  // namespace pelvano::judge
