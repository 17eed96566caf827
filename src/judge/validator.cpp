#include "judge/validator.h"

#include <string_view>

#include "evaluation.h"
#include "judge/bounded_text.h"
#include "judge/staged_file.h"
#include "judge/task_loading.h"

namespace pelvano::judge {

int runValidator(const std::string& inputPath, ByteSource& submission,
                 const std::filesystem::path& feedbackDir, std::ostream& err) {
  const TaskReading reading = loadTask(inputPath, err);
  if (reading.outcome.kind != Outcome::Kind::kPassed) return kValidatorJudgeError;

  const Evaluation evaluation = evaluateSubmission(reading.task, submission);
  // Feedback of bounded size, whatever the submission quotes: a contest system stores it.
  const bool judgeWritten = writeWholeFile(feedbackDir / "judgemessage.txt",
                                           boundedReport(evaluation, kJudgeMessageLimit), err);
  switch (evaluation.outcome.kind) {
    case Outcome::Kind::kPassed:
      if (!writeWholeFile(feedbackDir / "teammessage.txt",
                          boundedReport(evaluation, kJudgeMessageLimit), err) ||
          !judgeWritten) {
        break;
      }
      return kValidatorAccepted;
    case Outcome::Kind::kRejected:
      if (!writeWholeFile(feedbackDir / "teammessage.txt",
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

}  // namespace pelvano::judge
