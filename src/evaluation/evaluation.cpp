#include "evaluation/evaluation.h"

#include <array>
#include <charconv>
#include <exception>
#include <new>
#include <utility>

#include "fast/eight_digits.h"
#include "platform/line_source.h"
#include "readers/submission_file.h"
#include "scoring/score.h"
#include "task/arrangement.h"

namespace pelvano {
namespace {

// Writes `number` as "%d" prints it at `at`, which has room for 11 characters; returns the
// end of what was written.
char* writeDecimal(char* at, std::int32_t number) {
  // Case numbers and small grids' scores are mostly of one digit.
  if (static_cast<std::uint32_t>(number) < 10) {
    *at = static_cast<char>('0' + number);
    return at + 1;
  }
  // Neither a case number nor a score is ever negative; the library writes the sign if one were.
  if (number < 0) return std::to_chars(at, at + 11, number).ptr;
  return writeDecimalDigits(at, static_cast<std::uint32_t>(number));
}

void describeUnexpected(Outcome& outcome, const char* reason) {
  outcome.kind = Outcome::Kind::kUnexpected;
  try {
    outcome.reason = reason;
  } catch (...) {
    // The reason is for people; without memory for it, the kind says enough.
  }
}

// The one place where failures are caught: runs `work` and says how it ended.
template <class Work>
Outcome guarded(Work&& work) noexcept {
  Outcome outcome;
  try {
    try {
      work();
    } catch (EAssertion& failure) {
      // Moved, not copied: a message may quote a line of hundreds of megabytes.
      outcome.kind = Outcome::Kind::kRejected;
      outcome.failure = std::move(failure);
    }
  } catch (const std::bad_alloc&) {
    describeUnexpected(outcome, "memory exhausted");
  } catch (const std::exception& error) {
    describeUnexpected(outcome, error.what());
  } catch (...) {
    describeUnexpected(outcome, "unknown failure");
  }
  return outcome;
}

// A source that could not be opened read as one without bytes; the verdict says so.
void noteUnreadable(Outcome& outcome, const ByteSource& source) {
  std::string reason = source.unreadable();
  if (reason.empty()) return;
  outcome.kind = Outcome::Kind::kUnreadable;
  outcome.reason = std::move(reason);
}

}  // namespace

std::string failureHead(const EAssertion& failure) {
  return "Napaka [" + failure.sourceName + ':' + decimal(failure.code) + "]: ";
}

TaskReading readTask(ByteSource& source) {
  TaskReading reading;
  reading.outcome = guarded([&] {
    LineSource file(source);
    reading.task = readTaskFile(file);
  });
  noteUnreadable(reading.outcome, source);
  source.close();
  return reading;
}

Evaluation evaluateSubmission(const Task& task, ByteSource& source, BlockObserver* observer) {
  Evaluation evaluation;
  Arrangement arrangement;
  bool readingGrid = false;
  evaluation.outcome = guarded([&] {
    LineSource file(source);
    SubmissionReader reader(file, task.cases);
    evaluation.contestant = reader.readContestant();
    reader.readTaskName();
    RegionFinder finder;
    // A copy the loop can keep at hand: the captured pointer might, for all the compiler
    // knows, change with every store. Only an observer is told which block failed.
    BlockObserver* const watcher = observer;
    // Results are gathered some hundreds at a time and appended together: the deque's end,
    // which stays in memory, then moves once a batch.
    std::array<CaseResult, 256> batch;
    std::size_t batched = 0;
    const auto appendBatch = [&] {
      evaluation.results.insert(evaluation.results.end(), batch.begin(),
                                batch.begin() + static_cast<std::ptrdiff_t>(batched));
      batched = 0;
    };
    while (const std::optional<BlockStart> start = reader.readBlockStart()) {
      if (watcher != nullptr) [[unlikely]]
        readingGrid = true;
      reader.readBlockGrid(*start, arrangement);
      if (watcher != nullptr) [[unlikely]] {
        readingGrid = false;
        watcher->blockRead(arrangement);
      }
      const std::int32_t score = scoreArrangement(arrangement, finder);
      if (watcher != nullptr) [[unlikely]]
        watcher->blockScored(score);
      batch[batched++] = {arrangement.caseNumber, score};
      if (batched == batch.size()) appendBatch();
    }
    appendBatch();
  });
  if (readingGrid && observer != nullptr) {
    // The evaluation has failed already; an observer that fails too changes nothing of it.
    guarded([&] { observer->gridFailed(arrangement); });
  }
  // A report holds all results or one failure, never the results before a failure.
  if (evaluation.outcome.kind != Outcome::Kind::kPassed) evaluation.results.clear();
  noteUnreadable(evaluation.outcome, source);
  source.close();
  return evaluation;
}

// Kept out of line: within the command line's function, its loop had fewer registers.
[[gnu::noinline]] std::string successReport(const std::deque<CaseResult>& results) {
  std::string report = "OK\n" + decimal(static_cast<std::int64_t>(results.size())) + "\n";
  report.reserve(report.size() + results.size() * 12);
  // Lines are put together on the stack and appended some hundreds at a time.
  constexpr std::size_t kLongestLine = 11 + 1 + 11 + 1;  // "%d %d\n"
  char lines[4096];
  char* at = lines;
  for (const CaseResult& result : results) {
    if (at > lines + sizeof lines - kLongestLine) {
      report.append(lines, at);
      at = lines;
    }
    at = writeDecimal(at, result.caseNumber);
    *at++ = ' ';
    at = writeDecimal(at, result.score);
    *at++ = '\n';
  }
  report.append(lines, at);
  return report;
}

ReportPieces reportPieces(const Evaluation& evaluation) {
  ReportPieces pieces;
  try {
    switch (evaluation.outcome.kind) {
      case Outcome::Kind::kPassed:
        pieces.head = successReport(evaluation.results);
        return pieces;
      case Outcome::Kind::kRejected:
      case Outcome::Kind::kUnreadable: {
        const EAssertion& failure = evaluation.outcome.failure;
        pieces.head = failureHead(failure);
        // The message is printed as a C string: a NUL byte from quoted input ends it there.
        pieces.message = std::string_view(failure.message.c_str());
        pieces.tail = "\n-1\n";
        return pieces;
      }
      case Outcome::Kind::kUnexpected:
        break;
    }
  } catch (...) {
    // Without memory for the report itself, the report says so.
  }
  return {std::string(kUnexpectedFailureReport), {}, {}};
}

std::string reportText(const Evaluation& evaluation) {
  const ReportPieces pieces = reportPieces(evaluation);
  try {
    std::string text;
    text.reserve(pieces.head.size() + pieces.message.size() + pieces.tail.size());
    text += pieces.head;
    text += pieces.message;
    text += pieces.tail;
    return text;
  } catch (...) {
    return std::string(kUnexpectedFailureReport);
  }
}

std::string firstReportLine(const Outcome& outcome) {
  switch (outcome.kind) {
    case Outcome::Kind::kPassed:
      return "OK";
    case Outcome::Kind::kRejected:
    case Outcome::Kind::kUnreadable:
      return failureHead(outcome.failure) + outcome.failure.message.c_str();
    case Outcome::Kind::kUnexpected:
      break;
  }
  const std::string_view report = kUnexpectedFailureReport;
  return std::string(report.substr(0, report.find('\n')));
}

Evaluation evaluateRun(ByteSource& task, ByteSource& submission) {
  TaskReading reading = readTask(task);
  if (reading.outcome.kind != Outcome::Kind::kPassed) {
    Evaluation failed;
    failed.outcome = std::move(reading.outcome);
    return failed;
  }
  return evaluateSubmission(reading.task, submission);
}

std::string evaluate(ByteSource& task, ByteSource& submission) {
  return reportText(evaluateRun(task, submission));
}

std::string evaluate(std::istream& task, std::istream& submission) {
  StreamByteSource taskSource(task);
  StreamByteSource submissionSource(submission);
  return evaluate(taskSource, submissionSource);
}

}  // namespace pelvano
