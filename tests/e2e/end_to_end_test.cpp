// Runs the built program on real files and compares what it writes byte for byte.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "program_runner.h"
#include "sample_files.h"

namespace pelvano::test {
namespace {

const std::string kUsage = "Uporaba: Pelvano eval input.txt submission.txt report.txt\n";

using EndToEnd = ProgramTest;

struct CommandLineCase {
  const char* name;
  std::vector<std::string> arguments;
  int status;
  std::string out;
  bool writesReport;
};

TEST_F(EndToEnd, AnswersTheCommandLine) {
  writeFile(at("input.txt"), kSmallTask);
  writeFile(at("submission.txt"), kSmallAnswer);
  const std::string task = at("input.txt");
  const std::string answer = at("submission.txt");
  const std::string report = at("report.txt");
  const std::vector<CommandLineCase> cases = {
      {"no arguments", {}, 0, kUsage, false},
      {"capitalised command", {"Eval", task, answer, report}, 0, kUsage, false},
      {"longer command", {"evaluate", task, answer, report}, 0, kUsage, false},
      {"command alone", {"eval"}, 1, kUsage, false},
      {"two files", {"eval", task, answer}, 1, kUsage, false},
      {"three files", {"eval", task, answer, report}, 0, "", true},
      {"extra arguments", {"eval", task, answer, report, "more", "words"}, 0, "", true},
  };
  for (const CommandLineCase& c : cases) {
    fs::remove(report);
    const ProgramRun result = run(c.arguments);
    EXPECT_EQ(result.status, c.status) << c.name;
    EXPECT_EQ(result.out, c.out) << c.name;
    EXPECT_EQ(result.err, "") << c.name;
    EXPECT_EQ(fs::exists(report), c.writesReport) << c.name;
    if (c.writesReport) {
      EXPECT_EQ(readFile(report), "OK\n1\n1 7\n") << c.name;
    }
  }
}

TEST_F(EndToEnd, ReproducesTheShippedExamples) {
  int examples = 0;
  for (const fs::directory_entry& example : fs::directory_iterator(PELVANO_EXAMPLES)) {
    // Each folder with a report.txt is one run; others (the problem package) are not.
    if (!fs::exists(example.path() / "report.txt")) continue;
    ++examples;
    const ProgramRun result = run({"eval", example.path() / "input.txt",
                                   example.path() / "submission.txt", at("report.txt")});
    EXPECT_EQ(result.status, 0) << example.path();
    EXPECT_EQ(readFile(at("report.txt")), readFile(example.path() / "report.txt"))
        << example.path();
  }
  EXPECT_GE(examples, 2);
}

struct FilesCase {
  const char* name;
  std::string task;
  std::string submission;
  std::string report;
};

TEST_F(EndToEnd, WritesTheReportByteForByte) {
  const std::vector<FilesCase> cases = {
      {"the complete small run", kSmallTask, kSmallAnswer, "OK\n1\n1 7\n"},
      {"its failing variant", kSmallTask, "123456\nTolvarustepnik\n1\n1 1 2\n1 2\n",
       "Napaka [Pelvano:159]: v 5. vrstici je le 2 stevil\n-1\n"},
      {"CR LF files", "Tolvarustepnik\r\n1\r\n\r\n1 3 2 2\r\n1 2 3\r\n4 5 6\r\n",
       "123456\r\nTolvarustepnik\r\n1\r\n1 1 2\r\n1 2 2\r\n", "OK\n1\n1 7\n"},
      {"CR LF failure", "Tolvarustepnik\r\n1\r\n \r\n", kSmallAnswer,
       "Napaka [Pelvano:66]: vrstica 3 bi morala biti prazna, ne pa \" \"\n-1\n"},
      {"header only", kSmallTask, "123456\nTolvarustepnik\n", "OK\n0\n"},
  };
  for (const FilesCase& c : cases) {
    const ProgramRun result = evaluate(c.task, c.submission);
    EXPECT_EQ(result.status, 0) << c.name;
    EXPECT_EQ(result.out + result.err, "") << c.name;
    EXPECT_EQ(readFile(at("report.txt")), c.report) << c.name;
  }
}

TEST_F(EndToEnd, ReadsMissingOrUnreadableInputsAsEmpty) {
  writeFile(at("input.txt"), kSmallTask);
  writeFile(at("submission.txt"), kSmallAnswer);
  fs::create_directory(at("folder"));
  const std::string taskMissing = "Napaka [Pelvano:195]: manjka prva vrstica z imenom naloge\n-1\n";
  const std::string answerMissing = "Napaka [Pelvano:215]: manjka stevilka tekmovalca\n-1\n";
  const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
      {{at("missing.txt"), at("submission.txt")}, taskMissing},
      {{at("folder"), at("submission.txt")}, taskMissing},
      {{at("input.txt"), at("missing.txt")}, answerMissing},
      {{at("input.txt"), at("folder")}, answerMissing},
  };
  for (const auto& [inputs, expected] : cases) {
    const ProgramRun result = run({"eval", inputs[0], inputs[1], at("report.txt")});
    EXPECT_EQ(result.status, 0) << inputs[0] << ' ' << inputs[1];
    EXPECT_EQ(readFile(at("report.txt")), expected) << inputs[0] << ' ' << inputs[1];
  }
}

TEST_F(EndToEnd, ReplacesAnEarlierLongerReportWhole) {
  writeFile(at("report.txt"), std::string(10000, 'x') + "\n");
  evaluate(kSmallTask, kSmallAnswer);
  EXPECT_EQ(readFile(at("report.txt")), "OK\n1\n1 7\n");
}

TEST_F(EndToEnd, CreatesTheReportBeforeReadingTheTask) {
  // The report path names a task file that does not exist yet: the report is created first,
  // so the task reads as an empty file.
  writeFile(at("submission.txt"), kSmallAnswer);
  const ProgramRun result = run({"eval", at("report.txt"), at("submission.txt"), at("report.txt")});
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(readFile(at("report.txt")),
            "Napaka [Pelvano:195]: manjka prva vrstica z imenom naloge\n-1\n");
}

struct UnwritableCase {
  const char* name;
  std::string report;  // relative to the test's folder unless absolute
};

TEST_F(EndToEnd, RefusesAReportItCannotWriteSafely) {
  writeFile(at("input.txt"), kSmallTask);
  writeFile(at("submission.txt"), kSmallAnswer);
  fs::create_directory(at("folder"));
  fs::create_symlink(at("submission.txt"), at("link-to-submission"));
  fs::create_hard_link(at("input.txt"), at("hard-link-to-input"));
  const std::vector<UnwritableCase> cases = {
      {"folder missing", "no-such-folder/report.txt"},
      {"a directory", "folder"},
      {"a full device", "/dev/full"},
      {"the task file", "input.txt"},
      {"the submission", "submission.txt"},
      {"a symbolic link to the submission", "link-to-submission"},
      {"a hard link to the task file", "hard-link-to-input"},
  };
  for (const UnwritableCase& c : cases) {
    const std::string report = c.report.starts_with('/') ? c.report : at(c.report).string();
    const ProgramRun result = run({"eval", at("input.txt"), at("submission.txt"), report});
    EXPECT_EQ(result.status, 2) << c.name;
    EXPECT_EQ(result.out, "") << c.name;
    EXPECT_NE(result.err.find(report), std::string::npos) << c.name << ": " << result.err;
    EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << c.name;
    EXPECT_EQ(readFile(at("input.txt")), kSmallTask) << c.name;
    EXPECT_EQ(readFile(at("submission.txt")), kSmallAnswer) << c.name;
  }
  EXPECT_FALSE(fs::exists(at("no-such-folder")));
}

// Writes `bytes` to the pipe at `path` until it is all written or the reader has gone.
void writeToPipe(const fs::path& path, const std::string& bytes) {
  const int pipe = ::open(path.c_str(), O_WRONLY);
  std::size_t written = 0;
  while (pipe >= 0 && written < bytes.size()) {
    const ssize_t count = ::write(pipe, bytes.data() + written, bytes.size() - written);
    if (count <= 0) break;  // EPIPE: the reader has closed its end
    written += static_cast<std::size_t>(count);
  }
  if (pipe >= 0) ::close(pipe);
}

TEST_F(EndToEnd, LetsGoOfATaskPipeAtItsLastCase) {
  PELVANO_POSIX_ONLY("a pipe whose writer waits for the reader to let go");
  // A writer that sends the task with a megabyte after its last case, then the submission:
  // unless the task's pipe is closed at the last case, the writer blocks on a full pipe
  // while the program waits for a submission nobody writes.
  ASSERT_EQ(::mkfifo(at("task.pipe").c_str(), 0600), 0);
  ASSERT_EQ(::mkfifo(at("submission.pipe").c_str(), 0600), 0);
  const pid_t writer = ::fork();
  if (writer == 0) {
    ::signal(SIGPIPE, SIG_IGN);
    ::alarm(30);  // never outlives a hanging test
    writeToPipe(at("task.pipe"), kSmallTask + std::string(1 << 20, '\n'));
    writeToPipe(at("submission.pipe"), kSmallAnswer);
    ::_exit(0);
  }
  const ProgramRun result =
      run({"eval", at("task.pipe"), at("submission.pipe"), at("report.txt")}, std::nullopt, 20);
  int writerStatus = 0;
  ::waitpid(writer, &writerStatus, 0);
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(readFile(at("report.txt")), "OK\n1\n1 7\n");
  EXPECT_TRUE(WIFEXITED(writerStatus));
}

// Contestants name files in their own letters, and a control-Z is an ordinary byte: the
// not-a-digit check, not the end of the file (as a Windows text-mode read would have it).
TEST_F(EndToEnd, TakesFilesNamedInAnyLettersAndEveryByteOfThem) {
  writeFile(at("naloga-č.txt"), kSmallTask);
  writeFile(at("rešitev.txt"), kSmallAnswer);
  writeFile(at("ž-kontrola.txt"), kSubmissionHeader + "1\n1 1 2\n1 \x1a 2\n");
  EXPECT_EQ(run({"eval", at("naloga-č.txt"), at("rešitev.txt"), at("poročilo.txt")}).status, 0);
  EXPECT_EQ(readFile(at("poročilo.txt")), "OK\n1\n1 7\n");
  run({"eval", at("naloga-č.txt"), at("ž-kontrola.txt"), at("poročilo.txt")});
  EXPECT_EQ(readFile(at("poročilo.txt")),
            "Napaka [Pelvano:163]: v 5. vrstici je znak s kodo 26, ki ni stevka\n-1\n");
  const ProgramRun batch =
      runJudge({"batch", at("naloga-č.txt"), "--out", at("izidi-š"), "--quiet", at("rešitev.txt")});
  EXPECT_EQ(batch.status, 0) << batch.err;
  EXPECT_EQ(readFile(at("izidi-š") / "reports" / "rešitev.txt"), "OK\n1\n1 7\n");
  EXPECT_NE(readFile(at("izidi-š") / "summary.csv").find(at("rešitev.txt").string()),
            std::string::npos);
  EXPECT_EQ(
      runJudge({"draw", at("naloga-č.txt"), at("rešitev.txt"), "--out", at("slike-đ")}).status, 0);
  EXPECT_TRUE(fs::exists(at("slike-đ") / "block-1-case-1.svg"));
}

}  // namespace
}  // namespace pelvano::test
