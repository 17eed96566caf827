// The evaluation driver: reads the task once, then judges submissions against it, each
// giving its outcome as values and the report that `Pelvano eval` writes for it.
#pragma once

#include <cstdint>
#include <deque>
#include <istream>
#include <string>
#include <string_view>

#include "platform/byte_source.h"
#include "readers/task_file.h"
#include "task/check_failure.h"

namespace pelvano {

// One scored block: the case number written in the submission and its score.
struct CaseResult {
  std::int32_t caseNumber;
  std::int32_t score;
};

// How reading a file ended: the one verdict of a task file or a submission, which every
// program maps to what it shows. Every failed check anywhere ends up here, caught once.
struct Outcome {
  enum class Kind {
    kPassed,      // every check passed
    kRejected,    // a check failed: `failure`
    kUnreadable,  // the file could not be opened: `reason` ("cannot be read: " and why);
                  // `failure` is the check that a file without bytes fails, which the report
                  // of `Pelvano eval` shows for it
    kUnexpected,  // anything else went wrong (memory exhausted, a read error): `reason`
  };
  Kind kind = Kind::kPassed;
  EAssertion failure;
  std::string reason;

  // Whether the report shows a failed check: rejected, or unreadable.
  bool showsFailure() const { return kind == Kind::kRejected || kind == Kind::kUnreadable; }
};

// The task file read and checked once; its cases are then only read, so any number of
// submissions, on any number of threads, may be judged against it.
struct TaskReading {
  Task task;  // the cases, when the task passed
  Outcome outcome;
};

// One submission judged.
struct Evaluation {
  Outcome outcome;
  std::string contestant;          // line 1, once it passed its checks
  std::deque<CaseResult> results;  // every scored block in submission order, when it passed
};

inline constexpr std::string_view kUnexpectedFailureReport =
    "Nepricakovana napaka.  Predlagamo, da obvestis organizatorje tekmovanja.\n-1\n";

class Arrangement;

// Sees each block of a submission as it is judged, for pictures of its regions. The calls
// follow the blocks in order; after a failure there are none.
class BlockObserver {
 public:
  virtual ~BlockObserver() = default;
  // The block's grid has been read: its labels stay as read until the call returns. If the
  // evaluation fails before blockScored, the failure is this block's region count.
  virtual void blockRead(Arrangement& arrangement) = 0;
  virtual void blockScored(std::int32_t score) = 0;
  // The evaluation failed while reading this block's grid; its first rowsRead() rows are
  // read whole.
  virtual void gridFailed(Arrangement& arrangement) = 0;
};

// Passes every call on to two observers, in turn.
class ObserverPair final : public BlockObserver {
 public:
  ObserverPair(BlockObserver& first, BlockObserver& second) : first_(first), second_(second) {}
  void blockRead(Arrangement& arrangement) override {
    first_.blockRead(arrangement);
    second_.blockRead(arrangement);
  }
  void blockScored(std::int32_t score) override {
    first_.blockScored(score);
    second_.blockScored(score);
  }
  void gridFailed(Arrangement& arrangement) override {
    first_.gridFailed(arrangement);
    second_.gridFailed(arrangement);
  }

 private:
  BlockObserver& first_;
  BlockObserver& second_;
};

// Reads the task to its last case, then closes the source at once: nothing after the last
// case is read, and a writer at the other end of a pipe is not kept waiting.
TaskReading readTask(ByteSource& source);

// Judges one submission against a task that passed; the source is closed at its end.
// `observer`, if given, sees every block.
Evaluation evaluateSubmission(const Task& task, ByteSource& source,
                              BlockObserver* observer = nullptr);

// The report in pieces that, written one after the other, make its whole text: the success
// report, the failure report of the failed check, or the unexpected-failure report (also when
// the report itself cannot be built). The message is a view of the evaluation's own, which
// must outlive the pieces: a message quoting a line of hundreds of megabytes is not copied.
struct ReportPieces {
  std::string head;
  std::string_view message;
  std::string_view tail;
};
ReportPieces reportPieces(const Evaluation& evaluation);
std::string reportText(const Evaluation& evaluation);
// The first line of the report for `outcome` (a submission's, or a task's that failed),
// without its line feed: "OK", or the failure line.
std::string firstReportLine(const Outcome& outcome);
std::string successReport(const std::deque<CaseResult>& results);
// The failure line up to its message: "Napaka [Pelvano:159]: ".
std::string failureHead(const EAssertion& failure);

// One whole run as `Pelvano eval` makes it: the task, then the submission (whose first byte is
// asked for only once the task has passed); a task that fails gives its outcome.
Evaluation evaluateRun(ByteSource& task, ByteSource& submission);
// The same run's report text.
std::string evaluate(ByteSource& task, ByteSource& submission);
std::string evaluate(std::istream& task, std::istream& submission);

}  // namespace pelvano
