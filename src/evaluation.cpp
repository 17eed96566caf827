#include "evaluation.h"

#include "input/arrangement.h"
#include "input/line_source.h"
#include "input/submission_file.h"
#include "input/task_file.h"

namespace pelvano {
namespace {

std::vector<CaseResult> scoreSubmission(ByteSource& source, const std::vector<TestCase>& cases) {
  LineSource file(source);
  SubmissionReader reader(file, cases);
  reader.readHeader();
  std::vector<CaseResult> results;
  Arrangement arrangement;
  while (reader.readBlock(arrangement)) {
    results.push_back({arrangement.caseNumber, arrangement.scoreArrangement()});
  }
  return results;
}

Task readTask(ByteSource& source) {
  LineSource file(source);
  return readTaskFile(file);
}

}  // namespace

std::string successReport(const std::vector<CaseResult>& results) {
  std::string report = "OK\n" + decimal(static_cast<std::int64_t>(results.size())) + "\n";
  for (const CaseResult& result : results) {
    report += decimal(result.caseNumber);
    report += ' ';
    report += decimal(result.score);
    report += '\n';
  }
  return report;
}

std::string failureReport(const EAssertion& failure) {
  // The message is printed as a C string: a NUL byte from quoted input ends it there.
  const std::string_view message(failure.message.c_str());
  return "Napaka [" + failure.sourceName + ":" + decimal(failure.code) +
         "]: " + std::string(message) + "\n-1\n";
}

std::string evaluate(ByteSource& task, ByteSource& submission) {
  // The outer handler also takes what the inner one may raise while building its report.
  try {
    try {
      const Task taskCases = readTask(task);
      return successReport(scoreSubmission(submission, taskCases.cases));
    } catch (const EAssertion& failure) {
      return failureReport(failure);
    }
  } catch (...) {
    return std::string(kUnexpectedFailureReport);
  }
}

std::string evaluate(std::istream& task, std::istream& submission) {
  StreamByteSource taskSource(task);
  StreamByteSource submissionSource(submission);
  return evaluate(taskSource, submissionSource);
}

}  // namespace pelvano
