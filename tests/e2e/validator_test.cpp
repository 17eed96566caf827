// pelvano-judge validate as a contest system runs an output validator:
// `validate INPUT ANSWER FEEDBACK_DIR < SUBMISSION`, exit 42 or 43, feedback files.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "program_runner.h"
#include "sample_files.h"

namespace pelvano::test {
namespace {

class Validator : public ProgramTest {
 protected:
  // Runs a shipped problem package as a contest system of the format does: the input validator
  // on every test file, then every submission on every test file, its output through the output
  // validator with the package's flags, and the expected verdicts and scores.
  void judgePackageAsAContestSystem(const fs::path& package,
                                    const std::string& outputValidator) const {
    const std::string path = "PATH=" + at("bin").string() + ":/usr/bin:/bin";
    const auto runIn = [&](const std::string& program, std::vector<std::string> words,
                           const std::string& input) {
      words.insert(words.begin(), {path, program});
      return runBinary("/usr/bin/env", words, {std::nullopt, 0, input});
    };
    // The expected score of each submission on each test file (100 divided over its cases).
    const std::map<std::string, std::map<std::string, std::string>> scores = {
        {"accepted/jury.py", {{"sample/1", "100.000"}, {"secret/several-cases", "100.000"}}},
        {"partially_accepted/first_cells.py",
         {{"sample/1", "5.263"}, {"secret/several-cases", "4.024"}}},
        {"partially_accepted/last_case_only.py",
         {{"sample/1", "5.263"}, {"secret/several-cases", "2.222"}}},
    };
    std::size_t judged = 0;
    for (const char* test_file : {"sample/1", "secret/several-cases"}) {
      const fs::path in = package / "data" / (std::string(test_file) + ".in");
      const fs::path ans = package / "data" / (std::string(test_file) + ".ans");
      const ProgramRun input =
          runIn((package / "input_validators/pelvano/run").string(), {"x"}, in.string());
      EXPECT_EQ(input.status, 42) << in << input.err;
      for (const auto& entry : fs::recursive_directory_iterator(package / "submissions")) {
        if (!entry.is_regular_file()) continue;
        const std::string name = fs::relative(entry.path(), package / "submissions").string();
        const ProgramRun output = runIn("python3", {entry.path().string()}, in.string());
        ASSERT_EQ(output.status, 0) << name << output.err;
        writeFile(at("team_output"), output.out);
        fs::remove_all(at("feedback"));
        fs::create_directory(at("feedback"));
        const ProgramRun verdict =
            runIn(outputValidator, {in.string(), ans.string(), at("feedback").string(), "score"},
                  at("team_output").string());
        const bool wrong = name.starts_with("wrong_answer/");
        EXPECT_EQ(verdict.status, wrong ? 43 : 42) << name << " " << test_file << verdict.err;
        if (!wrong) {
          EXPECT_EQ(readFile(at("feedback/score.txt")), scores.at(name).at(test_file) + "\n")
              << name << " " << test_file;
        }
        ++judged;
      }
    }
    EXPECT_GE(judged, 8u);
  }
};

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

TEST_F(Validator, RunsTheShippedProblemPackagesAsAContestSystemWould) {
  PELVANO_POSIX_ONLY("the package's programs are run as a POSIX contest system runs them");
  // The contest system runs the package's validators with pelvano-judge on its PATH.
  fs::create_directory(at("bin"));
  fs::create_symlink(judgeProgram(), at("bin") / "pelvano-judge");
  const fs::path packages = fs::path(PELVANO_EXAMPLES) / "problem-package";
  // The flag `score` stands in one place of each: joined with the other, it would be given
  // twice.
  const fs::path legacy = packages / "legacy/tolvarustepnik";
  const fs::path draft = packages / "2023-07/tolvarustepnik";
  EXPECT_NE(readFile(legacy / "problem.yaml").find("\nvalidator_flags: score\n"),
            std::string::npos);
  EXPECT_EQ(readFile(legacy / "data/testdata.yaml").find("validator_flags"), std::string::npos);
  EXPECT_EQ(readFile(draft / "problem.yaml").find("validator_flags"), std::string::npos);
  EXPECT_NE(readFile(draft / "data/testdata.yaml").find("\noutput_validator_flags: score\n"),
            std::string::npos);
  // The two layouts hold one task: each file of the 2023-07 one is the legacy one's, moved.
  for (const auto& entry : fs::recursive_directory_iterator(draft)) {
    if (!entry.is_regular_file()) continue;
    std::string relative = fs::relative(entry.path(), draft).string();
    if (relative == "problem.yaml" || relative == "data/testdata.yaml") continue;
    for (const auto& [from, to] :
         {std::pair<std::string, std::string>{"statement/", "problem_statement/"},
          {"output_validator/", "output_validators/"}}) {
      if (relative.starts_with(from)) relative = to + relative.substr(from.size());
    }
    EXPECT_EQ(readFile(entry.path()), readFile(legacy / relative)) << relative;
  }
  judgePackageAsAContestSystem(legacy, (legacy / "output_validators/pelvano/run").string());
  judgePackageAsAContestSystem(draft, (draft / "output_validator/pelvano/run").string());
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

TEST_F(Validator, TakesTheFlagsAsTheFormatJoinsThem) {
  // The flags' grammar is the judge's unit test; here, that the program follows it: the
  // score written with every digit, and a flag it refuses the jury's error.
  const fs::path secret =
      fs::path(PELVANO_EXAMPLES) / "problem-package/legacy/tolvarustepnik/data/secret";
  const std::string team = (fs::path(PELVANO_EXAMPLES) / "several-cases/submission.txt").string();
  struct Case {
    std::vector<std::string> flags;
    int status;
    std::string score;  // score.txt, if written
  };
  const std::vector<Case> cases = {
      {{"score", "-h", "--help", "--", "x"}, 42, "4.762\n"},
      {{"-h"}, 42, ""},
      {{"score", "points", "1000000"}, 42, "142857.143\n"},
      {{"score", "points", "2", "points", "3.5"}, 42, "0.500\n"},
      {{"score", "points", "1e6"}, 1, ""},
  };
  for (const Case& c : cases) {
    fs::remove_all(at("feedback"));
    fs::create_directory(at("feedback"));
    std::vector<std::string> arguments = {"validate", (secret / "several-cases.in").string(),
                                          (secret / "several-cases.ans").string(), at("feedback")};
    arguments.insert(arguments.end(), c.flags.begin(), c.flags.end());
    const ProgramRun result = runJudge(arguments, team);
    EXPECT_EQ(result.status, c.status) << c.flags.back();
    EXPECT_EQ(result.out, "") << c.flags.back();
    EXPECT_EQ(result.err.empty(), c.status == 42) << c.flags.back() << ": " << result.err;
    EXPECT_EQ(fs::exists(at("feedback/score.txt")) ? readFile(at("feedback/score.txt")) : "",
              c.score)
        << c.flags.back();
  }
}

TEST_F(Validator, StrictInputValidatorNamesTheLineOfEveryLooseForm) {
  struct Case {
    std::string task;
    std::string fault;  // empty when the task is in the strict form
  };
  const std::string head = "Tolvarustepnik\n1\n\n1 2 1 1\n";
  const std::vector<Case> cases = {
      {kSmallTask, ""},
      {head + "0 20\n", ""},
      {head + "01 2\n", "line 5, column 1: a leading zero in \"01\""},
      {head + "+1 2\n", "fails its checks: Napaka [Pelvano:87]"},
      {"Tolvarustepnik\n+1\n\n1 2 1 1\n1 2\n", "line 2, column 1: \"+\" is not a digit"},
      {head + "1  2\n", "line 5, column 3: two blanks in a row"},
      {head + " 1 2\n", "line 5, column 1: the line starts with a blank"},
      {head + "1 2 \n", "line 5, column 4: a blank ends the line"},
      {head + "1\t2\n", "line 5, column 2: a tab is not a digit"},
      {head + "1 2\r\n", "line 5, column 4: a CR is not a digit"},
      {"Tolvarustepnik\r\n1\n\n1 2 1 1\n1 2\n", "line 1, column 15: a CR after the task name"},
      {"Tolvarustepnik\n1 case\n\n1 2 1 1\n1 2\n", "line 2, column 3: \"c\" is not a digit"},
      {"Tolvarustepnik\n1\n\n1 2 1 1 x\n1 2\n", "line 4, column 9: \"x\" is not a digit"},
      {"Tolvarustepnik\n1\n\n1 2 1 1 7\n1 2\n", "line 4, column 9: more than 4 numbers"},
      {head + "1 2\n\n", "line 6: bytes after the last case"},
      {"Tolvarustepnik \n1\n\n1 2 1 1\n1 2\n", "fails its checks: Napaka [Pelvano:196]"},
      {"Tolvarustepnik\n1\nTolvarustepnik\n1 2 1 1\n1 2\n",
       "fails its checks: Napaka [Pelvano:66]"},
      {head + "1 2", "line 5: no line feed at its end"},
      {head + "1 2 3\n", "fails its checks: Napaka [Pelvano:97]"},
  };
  for (const Case& c : cases) {
    writeFile(at("task.txt"), c.task);
    const ProgramRun strict = runJudge({"check-task", "--strict", at("task.txt")});
    EXPECT_EQ(strict.status, c.fault.empty() ? 42 : 43) << c.task;
    EXPECT_NE(strict.err.find(c.fault), std::string::npos) << c.task << "\n" << strict.err;
    // Without --strict, only the evaluator's own checks.
    const ProgramRun loose = runJudge({"check-task", at("task.txt")});
    EXPECT_EQ(loose.status, c.fault.find("Napaka") == std::string::npos ? 42 : 43) << c.task;
  }
  // Every task file the project ships is in the strict form.
  for (const auto& entry : fs::recursive_directory_iterator(PELVANO_EXAMPLES)) {
    const std::string name = entry.path().filename().string();
    if (entry.is_regular_file() && (name.ends_with(".in") || name.starts_with("input"))) {
      const ProgramRun shipped = runJudge({"check-task", "--strict", entry.path().string()});
      EXPECT_EQ(shipped.status, 42) << entry.path() << shipped.err;
    }
  }
}

}  // namespace
}  // namespace pelvano::test
