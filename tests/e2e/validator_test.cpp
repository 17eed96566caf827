// pelvano-judge validate as a contest system runs an output validator:
// `validate INPUT ANSWER FEEDBACK_DIR < SUBMISSION`, exit 42 or 43, feedback files.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "program_runner.h"
#include "sample_files.h"

namespace pelvano::test {
namespace {

using Validator = ProgramTest;

struct ValidatorCase {
  const char* name;
  std::string task;
  std::string submission;
  int status;
  std::string judgeMessage;  // the whole report
  std::string teamMessage;
};

TEST_F(Validator, AcceptsOrRejectsWithTheReportAsFeedback) {
  const std::string failing = "Napaka [Pelvano:159]: v 5. vrstici je le 2 stevil\n";
  const std::vector<ValidatorCase> cases = {
      {"accepted", kSmallTask, kSmallAnswer, 42, "OK\n1\n1 7\n", "OK\n1\n1 7\n"},
      {"header only", kSmallTask, kSubmissionHeader, 42, "OK\n0\n", "OK\n0\n"},
      {"a check fails", kSmallTask, kSubmissionHeader + "1\n1 1 2\n1 2\n", 43, failing + "-1\n",
       failing},
      {"empty submission", kSmallTask, "", 43,
       "Napaka [Pelvano:215]: manjka stevilka tekmovalca\n-1\n",
       "Napaka [Pelvano:215]: manjka stevilka tekmovalca\n"},
  };
  for (const ValidatorCase& c : cases) {
    writeFile(at("input.txt"), c.task);
    writeFile(at("team_output"), c.submission);
    fs::remove_all(at("feedback"));
    fs::create_directory(at("feedback"));
    // The answer file is not read: a missing one does not matter.
    const ProgramRun result = runJudge(
        {"validate", at("input.txt"), at("no-answer.ans"), at("feedback"), "case_sensitive"},
        at("team_output"));
    EXPECT_EQ(result.status, c.status) << c.name;
    EXPECT_EQ(result.out + result.err, "") << c.name;
    EXPECT_EQ(readFile(at("feedback/judgemessage.txt")), c.judgeMessage) << c.name;
    EXPECT_EQ(readFile(at("feedback/teammessage.txt")), c.teamMessage) << c.name;

    // The judge message is byte for byte what Pelvano eval writes.
    run({"eval", at("input.txt"), at("team_output"), at("report.txt")});
    EXPECT_EQ(readFile(at("report.txt")), c.judgeMessage) << c.name;
  }
}

TEST_F(Validator, CallsTheJurysErrorsJudgeErrors) {
  writeFile(at("team_output"), kSmallAnswer);
  writeFile(at("bad-task.txt"), "Tolvarustepnik\n0\n");
  writeFile(at("input.txt"), kSmallTask);
  fs::create_directory(at("feedback"));
  const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
      {{"validate", at("missing.txt"), "x", at("feedback")}, "cannot be read"},
      {{"validate", at("bad-task.txt"), "x", at("feedback")}, "Napaka [Pelvano:201]"},
      {{"validate", at("input.txt"), "x", at("no-such-folder")}, "no-such-folder"},
  };
  for (const auto& [arguments, reason] : cases) {
    const ProgramRun result = runJudge(arguments, at("team_output"));
    EXPECT_EQ(result.status, 1) << reason;
    EXPECT_NE(result.err.find(reason), std::string::npos) << result.err;
  }
  EXPECT_FALSE(fs::exists(at("feedback/teammessage.txt")));
}

TEST_F(Validator, RunsFromTheShippedProblemPackageAsAContestSystemWould) {
  // The contest system runs the package's validators with pelvano-judge on its PATH: the
  // input validator on the task file, the output validator with the package's flag `score`.
  const fs::path package = fs::path(PELVANO_EXAMPLES) / "problem-package";
  const fs::path secret = package / "data" / "secret";
  fs::create_directory(at("bin"));
  fs::create_symlink(judgeProgram(), at("bin") / "pelvano-judge");
  fs::create_directory(at("feedback"));
  const std::string path = "PATH=" + at("bin").string() + ":/usr/bin:/bin";
  const ProgramRun input =
      runBinary("/usr/bin/env", {path, (package / "input_validators/pelvano/run").string(), "x"},
                {std::nullopt, 0, (secret / "several-cases.in").string()});
  EXPECT_EQ(input.status, 42) << input.err;
  const fs::path team = fs::path(PELVANO_EXAMPLES) / "several-cases" / "submission.txt";
  const ProgramRun result =
      runBinary("/usr/bin/env",
                {path, (package / "output_validators" / "pelvano" / "run").string(),
                 (secret / "several-cases.in").string(), (secret / "several-cases.ans").string(),
                 at("feedback").string(), "score"},
                {std::nullopt, 0, team.string()});
  EXPECT_EQ(result.status, 42) << result.err;
  EXPECT_TRUE(
      readFile(at("feedback/judgemessage.txt"))
          .starts_with(readFile(fs::path(PELVANO_EXAMPLES) / "several-cases" / "report.txt")));
  EXPECT_EQ(readFile(at("feedback/score.txt")), "4.762\n");
}

TEST_F(Validator, BoundsTheFeedbackWhateverTheSubmissionQuotes) {
  // A second line of 20 MB: the team sees 200 bytes of it, the jury at most 64 KiB.
  writeFile(at("input.txt"), kSmallTask);
  writeFile(at("team_output"), "123456\n" + std::string(20 << 20, 'x') + "\n");
  fs::create_directory(at("feedback"));
  const ProgramRun result =
      runJudge({"validate", at("input.txt"), "x", at("feedback")}, at("team_output"));
  EXPECT_EQ(result.status, 43) << result.err;
  const std::string line =
      "Napaka [Pelvano:220]: v drugi vrstici bi moral biti niz \"Tolvarustepnik\", ne pa \"";
  EXPECT_EQ(
      readFile(at("feedback/teammessage.txt")),
      line + std::string(200, 'x') + "...\" [quoted text cut: 200 of 20971520 bytes shown]\n");
  const std::string judge = readFile(at("feedback/judgemessage.txt"));
  EXPECT_LE(judge.size(), 64u * 1024);
  EXPECT_TRUE(judge.starts_with(line + "xxx")) << judge.substr(0, 200);
  EXPECT_TRUE(judge.ends_with(" of 20971520 bytes shown]\n-1\n"))
      << judge.substr(judge.size() - 100);
}

}  // namespace
}  // namespace pelvano::test
