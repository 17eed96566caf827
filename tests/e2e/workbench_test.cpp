// The contestant's workbench on the command line: runs compared case by case (`compare`) and
// the best of them in one submission (`best`), checked against `Pelvano eval`.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "program_runner.h"

namespace pelvano::test {
namespace {

const std::string kTask = (fs::path(PELVANO_EXAMPLES) / "several-cases/input.txt").string();

class Workbench : public ProgramTest {
 protected:
  // Runs of a contestant's on the example's three cases (the jury's spreads 0, 4 and 1): two
  // that pass, one that fails, and one that answers case 1 twice, with CR LF lines.
  void writeRuns() const {
    writeFile(at("run1.txt"),
              "654321\nTolvarustepnik\n2\n1 1 2 2\n1 1 2 2\n3 3 3 3\n\n1\n1 2\n1 2\n");
    writeFile(at("run2.txt"),
              "000000\nTolvarustepnik\n1\n0 1\n1 1\n2\n0 1 2 2\n2 2 2 2\n2 2 2 2\n3\n0 1 "
              "1\n1 1 1\n1 1 1\n");
    writeFile(at("failing.txt"), "654321\nTolvarustepnik\n1\n1 1\n1 1\n");
    writeFile(at("run3.txt"),
              "111111\nTolvarustepnik\n2\n1 1 1 2\r\n1 1 3 2\r\n1 3 3 2\n\n1\n1 1\n2 2\n1\n1 "
              "1\n1 2\n");
  }
};

TEST_F(Workbench, CompareShowsEachRunsSpreadsAndPointsCaseByCase) {
  writeRuns();
  writeFile(at("best.csv"), "case,spread,submission\r\n1,0,jury\r\n2,4,jury\r\n3,1,jury\r\n");
  const std::vector<std::string> runs = {at("run1.txt"), at("run2.txt"), at("failing.txt"),
                                         at("run3.txt")};
  std::vector<std::string> arguments = {"compare", kTask};
  arguments.insert(arguments.end(), runs.begin(), runs.end());
  const ProgramRun own = runJudge(arguments);
  EXPECT_EQ(own.status, 0) << own.err;
  EXPECT_EQ(asWritten(own.out),
            "case   best  run1      run2        failing  run3\n"
            "1      0     8 0.000   2 0.000     -        0* 33.333 +1\n"
            "2      4     28 4.762  74 1.802    -        4* 33.333\n"
            "3      15    -         15* 33.333  -        -\n"
            "total        4.762     35.135      0.000    66.667\n"
            "Each cell: the run's spread and its points (33.333 a case); * the best of the runs; "
            "+N blocks that do not count.\n"
            "failing scores nothing: Napaka [Pelvano:141]: v razporedu je 1 obmocij namesto 2\n");

  arguments.insert(arguments.begin() + 2, {"--reference", at("best.csv"), "--csv"});
  const ProgramRun reference = runJudge(arguments);
  EXPECT_EQ(reference.status, 0) << reference.err;
  // Against a jury's bests, no run's best is worth more than the jury's.
  // CR LF ends each record; a Windows program's standard output may add its own CR to the LF.
  EXPECT_EQ(
      asWritten(reference.out),
      asWritten("case,best,run1 spread,run1 points,run2 spread,run2 points,failing spread,failing "
                "points,run3 spread,run3 points\r\n"
                "1,0,8,0.000,2,0.000,,,0,33.333\r\n"
                "2,4,28,4.762,74,1.802,,,4,33.333\r\n"
                "3,1,,,15,2.222,,,,\r\n"
                "total,,,4.762,,4.024,,0.000,,66.667\r\n"
                "verdict,,ok,,ok,,scores nothing,Napaka [Pelvano:141]: v razporedu je 1 obmocij "
                "namesto 2,ok,\r\n"));
}

TEST_F(Workbench, BestWritesEachCasesLowestBlockAsWrittenAndJudgesIt) {
  writeRuns();
  const ProgramRun best = runJudge({"best", kTask, at("run1.txt"), at("failing.txt"),
                                    at("run2.txt"), at("run3.txt"), "--out", at("best.txt")});
  EXPECT_EQ(best.status, 0) << best.err;
  // Case 1 from run3's second block, case 2 from its first (its bytes, CR LF and all), case 3
  // from run2; line 1 from run1, the first that passes.
  std::ifstream written(at("best.txt"), std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(written), {}),
            "654321\nTolvarustepnik\n1\n1 1\n2 2\n2\n1 1 1 2\r\n1 1 3 2\r\n1 3 3 2\n3\n0 1 1\n1 "
            "1 1\n1 1 1\n");
  EXPECT_EQ(asWritten(best.out),
            "OK\n3\n1 0\n2 4\n3 15\n\n"
            "case 1: spread 0 from run3, block 2, line 8\n"
            "case 2: spread 4 from run3, block 1, line 3\n"
            "case 3: spread 15 from run2, block 3, line 10\n");
  EXPECT_EQ(asWritten(best.err),
            "pelvano-judge: failing is left out: Napaka [Pelvano:141]: v razporedu je 1 obmocij "
            "namesto 2\n"
            "pelvano-judge: run2's line 1 is \"000000\", not \"654321\"\n"
            "pelvano-judge: run3's line 1 is \"111111\", not \"654321\"\n");
  // Pelvano eval agrees: each case at the lowest spread any run reached.
  run({"eval", kTask, at("best.txt"), at("report.txt")});
  EXPECT_EQ(readFile(at("report.txt")), "OK\n3\n1 0\n2 4\n3 15\n");

  // A line 1 that fails its check, or no run that passes: nothing is written.
  for (const std::vector<std::string>& arguments :
       {std::vector<std::string>{"best", kTask, at("run1.txt"), "--contestant", "12345", "--out",
                                 at("none.txt")},
        {"best", kTask, at("failing.txt"), at("missing.txt"), "--out", at("none.txt")}}) {
    const ProgramRun refused = runJudge(arguments);
    EXPECT_EQ(refused.status, 3) << refused.err;
    EXPECT_NE(refused.err.find("nothing is written"), std::string::npos) << refused.err;
    EXPECT_FALSE(fs::exists(at("none.txt")));
  }
  const ProgramRun named =
      runJudge({"best", kTask, at("run1.txt"), "--contestant", "777777", "--out", at("named.txt")});
  EXPECT_EQ(named.status, 0) << named.err;
  EXPECT_TRUE(readFile(at("named.txt")).starts_with("777777\nTolvarustepnik\n"));
}

}  // namespace
}  // namespace pelvano::test
