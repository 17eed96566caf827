#include "evaluation.h"

#include <charconv>

#include "input/arrangement.h"
#include "input/line_source.h"
#include "input/submission_file.h"
#include "input/task_file.h"

namespace pelvano {
namespace {

// As "%d" prints it, without a string of its own for each number.
void appendDecimal(std::string& text, std::int32_t number) {
  char digits[12];
  text.append(digits, std::to_chars(digits, digits + sizeof digits, number).ptr);
}

std::deque<CaseResult> scoreSubmission(ByteSource& source, const std::deque<TestCase>& cases) {
  LineSource file(source);
  SubmissionReader reader(file, cases);
  reader.readHeader();
  std::deque<CaseResult> results;
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

std::string successReport(const std::deque<CaseResult>& results) {
  std::string report = "OK\n" + decimal(static_cast<std::int64_t>(results.size())) + "\n";
  report.reserve(report.size() + results.size() * 12);
  for (const CaseResult& result : results) {
    appendDecimal(report, result.caseNumber);
    report += ' ';
    appendDecimal(report, result.score);
    report += '\n';
  }
  return report;
}

std::string failureReport(const EAssertion& failure) {
  // The message is printed as a C string: a NUL byte from quoted input ends it there.
  const std::string_view message(failure.message.c_str());
  // Assembled in place: a message may quote a line of hundreds of megabytes.
  std::string report;
  report.reserve(message.size() + failure.sourceName.size() + 32);
  report += "Napaka [";
  report += failure.sourceName;
  report += ':';
  report += decimal(failure.code);
  report += "]: ";
  report += message;
  report += "\n-1\n";
  return report;
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
