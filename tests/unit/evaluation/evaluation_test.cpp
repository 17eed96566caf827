// The driver: how a run reads its files and ends, with the outcome as values.
#include "evaluation/evaluation.h"

#include <gtest/gtest.h>

#include <sstream>
#include <stdexcept>
#include <string>

#include "expected_reports.h"
#include "sample_files.h"
#include "trickling_source.h"

namespace pelvano::test {
namespace {

TEST(Evaluation, ReadsFromStreams) {
  std::istringstream taskStream(kSmallTask);
  std::istringstream submissionStream(kSubmissionHeader + "1\n1 1 2\n1 2 2\n");
  EXPECT_EQ(evaluate(taskStream, submissionStream), "OK\n1\n1 7\n");
}

// A source whose read fails: the run must not take that for the end of the file.
class FailingSource final : public ByteSource {
 public:
  std::size_t read(char*, std::size_t) override { throw std::runtime_error("read failed"); }
};

TEST(Evaluation, AReadErrorIsAnUnexpectedFailure) {
  MemoryByteSource taskSource(kSmallTask);
  FailingSource submissionSource;
  EXPECT_EQ(evaluate(taskSource, submissionSource), kUnexpectedFailure);
}

// Records how far it was read and whether it was let go.
class WatchedSource final : public ByteSource {
 public:
  explicit WatchedSource(std::string_view bytes) : inner_(bytes, 64) {}
  std::size_t read(char* into, std::size_t capacity) override {
    const std::size_t count = inner_.read(into, capacity);
    bytesRead += count;
    return count;
  }
  void close() override { closed = true; }

  std::size_t bytesRead = 0;
  bool closed = false;

 private:
  TricklingSource inner_;
};

TEST(Evaluation, ClosesTheTaskAsSoonAsItsLastCaseIsRead) {
  const std::string trailing(1 << 20, 'x');
  const std::string bytes = kSmallTask + trailing;
  WatchedSource task(bytes);
  const TaskReading reading = readTask(task);
  EXPECT_EQ(reading.outcome.kind, Outcome::Kind::kPassed);
  EXPECT_TRUE(task.closed);
  EXPECT_LT(task.bytesRead, trailing.size());
}

Evaluation judge(const Task& task, const std::string& submission) {
  MemoryByteSource source(submission);
  return evaluateSubmission(task, source);
}

TEST(Evaluation, JudgesManySubmissionsAgainstOneTaskWithOutcomesAsValues) {
  MemoryByteSource taskSource(kSmallTask);
  const TaskReading reading = readTask(taskSource);
  ASSERT_EQ(reading.outcome.kind, Outcome::Kind::kPassed);

  const Evaluation accepted = judge(reading.task, kSmallAnswer + "1\n5 5 6\n5 6 6\n");
  EXPECT_EQ(accepted.outcome.kind, Outcome::Kind::kPassed);
  EXPECT_EQ(accepted.contestant, "123456");
  ASSERT_EQ(accepted.results.size(), 2u);
  EXPECT_EQ(accepted.results[1].caseNumber, 1);
  EXPECT_EQ(accepted.results[1].score, 7);
  EXPECT_EQ(reportText(accepted), "OK\n2\n1 7\n1 7\n");

  // The contestant is known once line 1 has passed, even when line 2 fails; results scored
  // before a failure are not kept.
  const Evaluation rejected =
      judge(reading.task, "654321\nTolvarustepnik\n1\n1 1 2\n1 2 2\n1\n1\n");
  EXPECT_EQ(rejected.outcome.kind, Outcome::Kind::kRejected);
  EXPECT_EQ(rejected.contestant, "654321");
  EXPECT_EQ(rejected.outcome.failure.code, 159);
  EXPECT_EQ(rejected.outcome.failure.message, "v 7. vrstici je le 1 stevil");
  EXPECT_TRUE(rejected.results.empty());
  EXPECT_EQ(judge(reading.task, "654321\nTolvarustepnix\n").contestant, "654321");
  EXPECT_EQ(judge(reading.task, "65432\nTolvarustepnik\n").contestant, "");
}

TEST(Evaluation, AFailingTaskIsAnOutcomeToo) {
  MemoryByteSource taskSource("Tolvarustepnik\n0\n");
  const TaskReading reading = readTask(taskSource);
  EXPECT_EQ(reading.outcome.kind, Outcome::Kind::kRejected);
  EXPECT_EQ(reading.outcome.failure.code, 201);
  FailingSource failing;
  EXPECT_EQ(readTask(failing).outcome.kind, Outcome::Kind::kUnexpected);
}

TEST(Evaluation, AFileThatCannotBeOpenedIsUnreadableAndReportedAsOneWithoutBytes) {
  // The verdict says why; the report is that of a file without lines, as it always was.
  FileByteSource missingTask("/nonexistent/task.txt");
  const TaskReading task = readTask(missingTask);
  EXPECT_EQ(task.outcome.kind, Outcome::Kind::kUnreadable);
  EXPECT_EQ(task.outcome.reason, "cannot be read: No such file or directory");
  EXPECT_EQ(task.outcome.failure.code, 195);

  MemoryByteSource taskSource("Tolvarustepnik\n1\n\n1 1 1 1\n5\n");
  const TaskReading reading = readTask(taskSource);
  FileByteSource folder("/");
  const Evaluation evaluation = evaluateSubmission(reading.task, folder);
  EXPECT_EQ(evaluation.outcome.kind, Outcome::Kind::kUnreadable);
  EXPECT_EQ(evaluation.outcome.reason, "cannot be read: Is a directory");
  EXPECT_EQ(reportText(evaluation), "Napaka [Pelvano:215]: manjka stevilka tekmovalca\n-1\n");
}

}  // namespace
}  // namespace pelvano::test
