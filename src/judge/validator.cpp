#include "judge/validator.h"

#include <string_view>

#include "evaluation.h"
#include "judge/staged_file.h"
#include "judge/task_loading.h"

namespace pelvano::judge {
namespace {

// The report's first line, its line feed included.
std::string_view firstLine(std::string_view report) {
  return report.substr(0, report.find('\n') + 1);
}

bool writeFeedback(const std::filesystem::path& path, std::string_view text, std::ostream& err) {
  const std::string failure = writeWholeFile(path, text);
  if (!failure.empty()) err << "pelvano-judge: " << failure << "\n";
  return failure.empty();
}

}  // namespace

int runValidator(const std::string& inputPath, ByteSource& submission,
                 const std::filesystem::path& feedbackDir, std::ostream& err) {
  const TaskReading reading = loadTask(inputPath, err);
  if (reading.outcome.kind != Outcome::Kind::kPassed) return kValidatorJudgeError;

  const Evaluation evaluation = evaluateSubmission(reading.task, submission);
  const std::string report = reportText(evaluation);
  const bool judgeWritten = writeFeedback(feedbackDir / "judgemessage.txt", report, err);
  switch (evaluation.outcome.kind) {
    case Outcome::Kind::kPassed:
      if (!writeFeedback(feedbackDir / "teammessage.txt", report, err) || !judgeWritten) break;
      return kValidatorAccepted;
    case Outcome::Kind::kRejected:
      if (!writeFeedback(feedbackDir / "teammessage.txt", firstLine(report), err) ||
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
