// pelvano-judge's own conventions: --help, --version and usage errors.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "program_runner.h"

namespace pelvano::test {
namespace {

using JudgeCommandLine = ProgramTest;

TEST_F(JudgeCommandLine, HelpNamesEveryCommandAndVersionIsTheProjects) {
  for (const std::vector<std::string>& arguments : {std::vector<std::string>{"--help"},
                                                    {"-h"},
                                                    {"batch", "--help"},
                                                    {"draw", "-h"},
                                                    {"validate", "x", "--help"}}) {
    const ProgramRun help = runJudge(arguments);
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.err, "");
    for (const char* command : {"batch TASK --out DIR", "validate INPUT ANSWER FEEDBACK_DIR",
                                "check-task [--strict] [TASK]", "cms INPUT CORRECT_OUTPUT OUTPUT",
                                "testlib [--points P] INPUT OUTPUT ANSWER"})
      EXPECT_NE(help.out.find(command), std::string::npos) << command;
  }
  const ProgramRun version = runJudge({"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out, "pelvano-judge " PELVANO_VERSION "\n");
}

TEST_F(JudgeCommandLine, RefusesWhatItCannotRunWithStatus2) {
  writeFile(at("input.txt"), "Tolvarustepnik\n1\n\n1 1 1 1\n5\n");
  const std::string task = at("input.txt");
  const std::string out = at("out");
  const std::vector<std::vector<std::string>> cases = {
      {},
      {"judge"},
      {"Batch", task, "--out", out, task},
      {"batch"},
      {"batch", task, "--out", out},
      {"batch", task, task},
      {"batch", task, "--out"},
      {"batch", task, "--out", out, "--jobs", "0", task},
      {"batch", task, "--out", out, "--jobs=many", task},
      {"batch", task, "--out", out, "--fast", task},
      {"validate", task, task},
      {"draw", task, task, "extra", "--out", out},
      {"draw", task, task, "--out", out, "--out", out + "2"},
      {"batch", task, "--out=" + out, "--out", out, task},
      {"batch", task, "--out=", task},
      {"visualize", task},
      {"batch", task, "--out", out, "--points", "1e50", task},
      {"batch", task, "--out", out, "--points=0x10", task},
      {"batch", task, "--out", out, "--points", "1000000.5", task},
      {"cms", task, task},
  };
  for (const std::vector<std::string>& arguments : cases) {
    const ProgramRun result = runJudge(arguments);
    std::string words;
    for (const std::string& argument : arguments)
      words += argument + " ";
    EXPECT_EQ(result.status, 2) << words;
    EXPECT_EQ(result.out, "") << words;
    EXPECT_TRUE(result.err.starts_with("pelvano-judge: ")) << words << ": " << result.err;
    EXPECT_NE(result.err.find("--help"), std::string::npos) << words;
    EXPECT_FALSE(fs::exists(out)) << words;
  }
}

}  // namespace
}  // namespace pelvano::test
