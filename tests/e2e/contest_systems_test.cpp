// pelvano-judge as the checker of the contest systems that are not built on the problem
// package format: CMS (`cms`) and the systems whose checkers use the testlib library
// (`testlib`). The expected bytes are what those systems' own code gave: CMS's reading of a
// checker's output, and a checker built on the testlib library itself that quits with the
// same points and message.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "program_runner.h"
#include "sample_files.h"

namespace pelvano::test {
namespace {

using ContestSystems = ProgramTest;

// The example's files: its task of three cases, the jury's answer (spreads 0, 4 and 1), a
// submission that passes (spreads 8 and 28 on cases 1 and 2) and one that fails.
const fs::path kExamples = PELVANO_EXAMPLES;
const std::string kTask = (kExamples / "cms-task/tolvarustepnik/input/input1.txt").string();
const std::string kJury = (kExamples / "cms-task/tolvarustepnik/output/output1.txt").string();
const std::string kPassing = (kExamples / "several-cases/submission.txt").string();
const std::string kFailing = (kExamples / "several-cases-failing/submission.txt").string();

const std::string kSummary =
    "2 of 3 cases answered; case 1: spread 8, best 0; case 2: spread 28, best 4; case 3: not "
    "answered, best 1";

// A second line of the contestant's holding what no message may carry as it is: markup, the
// testlib library's bracket bytes 11 and 17, a control byte, UTF-8 and a tab.
const std::string kHostile = "123456\n<a&\"b\x0b\xc4\x8d\x01\x11 x\t \n";
const std::string kHostileLine =
    "Napaka [Pelvano:220]: v drugi vrstici bi moral biti niz \"Tolvarustepnik\", ne pa \"";

TEST_F(ContestSystems, CmsReadsTheOutcomeAndAMessageItAccepts) {
  PELVANO_POSIX_ONLY("the checker is run as a POSIX contest system runs it");
  writeFile(at("hostile.txt"), kHostile);
  struct Case {
    std::string output;
    std::string outcome;  // standard output
    std::string message;  // standard error
  };
  // CMS read each as the outcome 0.047619047619047616, 1.0 ("Output is correct") and 0.0 with
  // the message as it stands.
  const std::vector<Case> cases = {
      {kPassing, "0.047619047619047616\n", kSummary + "\n"},
      {kJury, "1\n", "translate:success\n"},
      {kFailing, "0\n", "Napaka [Pelvano:141]: v razporedu je 3 obmocij namesto 2\n"},
      {at("hostile.txt"), "0\n", kHostileLine + "<a&\"b\\x0b\\xc4\\x8d\\x01\\x11 x\\x09 \"\n"},
  };
  // The shipped task's checker, with pelvano-judge on the PATH as on a CMS worker.
  fs::create_directory(at("bin"));
  fs::create_symlink(judgeProgram(), at("bin") / "pelvano-judge");
  const std::string path = "PATH=" + at("bin").string() + ":/usr/bin:/bin";
  const std::string checker = (kExamples / "cms-task/tolvarustepnik/check/checker").string();
  for (const Case& c : cases) {
    const ProgramRun result =
        runBinary("/usr/bin/env", {path, checker, kTask, kJury, c.output}, {std::nullopt, 0, ""});
    EXPECT_EQ(result.status, 0) << c.output;
    EXPECT_EQ(result.out, c.outcome) << c.output;
    EXPECT_EQ(result.err, c.message) << c.output;
    // CMS refuses a message with a control character or one from U+007F to U+00BF: every
    // byte here is printable ASCII.
    for (const char byte : result.err.substr(0, result.err.size() - 1))
      EXPECT_TRUE(byte >= 0x20 && byte < 0x7f) << c.output << ": " << static_cast<int>(byte);
  }
}

TEST_F(ContestSystems, CmsCallsTheJurysErrorsAFailedEvaluation) {
  writeFile(at("empty.txt"), "");
  for (const std::vector<std::string>& arguments :
       {std::vector<std::string>{"cms", at("missing.txt").string(), kJury, kPassing},
        {"cms", kTask, at("empty.txt").string(), kPassing},
        {"cms", kTask, kPassing, kPassing},
        {"cms", kTask, kJury, at("missing.txt").string()}}) {
    const ProgramRun result = runJudge(arguments);
    EXPECT_EQ(result.status, 1) << arguments[2];
    EXPECT_EQ(result.out, "") << arguments[2];
    EXPECT_TRUE(result.err.starts_with("pelvano-judge: the ")) << result.err;
  }
}

TEST_F(ContestSystems, TestlibWritesWhatTheLibraryWrites) {
  writeFile(at("hostile.txt"), kHostile);
  writeFile(at("empty.txt"), "");
  const std::string xml = "<?xml version=\"1.0\" encoding=\"windows-1251\"?>";
  const std::string juryFailure =
      "the jury's answer \"" + at("empty.txt").string() +
      "\" fails its checks: Napaka [Pelvano:215]: manjka stevilka tekmovalca";
  struct Case {
    std::string output;
    std::string answer;
    int status;
    std::string err;     // without a result file
    std::string result;  // the result file, plain
    std::string appes;   // the result file with -appes
  };
  // What a checker built on testlib.h wrote and exited with, calling quitp(points, message),
  // quitf(_wa, ...) and quitf(_fail, ...) with the same points and messages.
  const std::vector<Case> cases = {
      {kPassing, kJury, 7, "points 4.7619047619 " + kSummary + "\n", "4.7619047619 " + kSummary,
       xml + "<result outcome = \"points\" points = \"4.7619047619\">4.7619047619 " + kSummary +
           "</result>\n"},
      {kJury, kJury, 7,
       "points 100.0 3 of 3 cases answered; case 1: spread 0, best 0; case 2: spread 4, best 4; "
       "case 3: spread 1, best 1\n",
       "100.0 3 of 3 cases answered; case 1: spread 0, best 0; case 2: spread 4, best 4; case 3: "
       "spread 1, best 1",
       xml + "<result outcome = \"points\" points = \"100.0\">100.0 3 of 3 cases answered; case 1: "
             "spread 0, best 0; case 2: spread 4, best 4; case 3: spread 1, best 1</result>\n"},
      {kFailing, kJury, 1,
       "wrong answer Napaka [Pelvano:141]: v razporedu je 3 obmocij namesto 2\n",
       "Napaka [Pelvano:141]: v razporedu je 3 obmocij namesto 2",
       xml + "<result outcome = \"wrong-answer\">Napaka [Pelvano:141]: v razporedu je 3 obmocij "
             "namesto 2</result>\n"},
      // The library trims the message's end, shows its bracket bytes as ( and ), and writes
      // markup escaped and control bytes as dots in XML.
      {at("hostile.txt"), kJury, 1,
       "wrong answer " + kHostileLine + "<a&\"b(\xc4\x8d\x01) x\t \"\n",
       kHostileLine + "<a&\"b(\xc4\x8d\x01) x\t \"",
       xml + "<result outcome = \"wrong-answer\">" +
           "Napaka [Pelvano:220]: v drugi vrstici bi moral biti niz &quot;Tolvarustepnik&quot;, "
           "ne pa &quot;&lt;a&amp;&quot;b(\xc4\x8d.) x. &quot;</result>\n"},
      {kPassing, at("empty.txt"), 3, "FAIL " + juryFailure + "\n", juryFailure,
       xml + "<result outcome = \"fail\">the jury's answer &quot;" + at("empty.txt").string() +
           "&quot; fails its checks: Napaka [Pelvano:215]: manjka stevilka "
           "tekmovalca</result>\n"},
  };
  for (const Case& c : cases) {
    const ProgramRun plain = runJudge({"testlib", kTask, c.output, c.answer});
    EXPECT_EQ(plain.status, c.status) << c.output;
    EXPECT_EQ(plain.out, "") << c.output;
    EXPECT_EQ(asWritten(plain.err), c.err) << c.output;
    const ProgramRun toFile = runJudge({"testlib", kTask, c.output, c.answer, at("result.txt")});
    EXPECT_EQ(toFile.status, c.status) << c.output;
    EXPECT_EQ(asWritten(toFile.err), "\nSee file to check exit message\n") << c.output;
    EXPECT_EQ(readFile(at("result.txt")), c.result) << c.output;
    const ProgramRun appes =
        runJudge({"testlib", kTask, c.output, c.answer, at("result.xml"), "-appes"});
    EXPECT_EQ(appes.status, c.status) << c.output;
    EXPECT_EQ(readFile(at("result.xml")), c.appes) << c.output;
  }
}

TEST_F(ContestSystems, TestlibPointsAndWordsThatDoNotFit) {
  struct Case {
    std::vector<std::string> words;
    int status;
    std::string errStart;
  };
  const std::vector<Case> cases = {
      {{"--points", "3.5", kTask, kPassing, kJury}, 7, "points 0.5 2 of 3"},
      {{"--points=1000", kTask, kPassing, kJury}, 7, "points 142.8571428571 2 of 3"},
      {{"--points", "500000", kTask, kPassing, kJury}, 3, "FAIL --points 500000.000 over 3 cases"},
      {{"--points", "1e3", kTask, kPassing, kJury}, 3, "FAIL Program must be run with"},
      {{kTask, kPassing}, 3, "FAIL Program must be run with"},
      {{kTask, kPassing, kJury, at("r.txt"), "-xml"}, 3, "FAIL Program must be run with"},
      {{kTask, at("missing.txt"), kJury}, 2, "wrong output format Output file not found: \""},
  };
  for (const Case& c : cases) {
    std::vector<std::string> arguments = {"testlib"};
    arguments.insert(arguments.end(), c.words.begin(), c.words.end());
    const ProgramRun result = runJudge(arguments);
    EXPECT_EQ(result.status, c.status) << c.errStart;
    EXPECT_TRUE(result.err.starts_with(c.errStart)) << result.err;
  }
}

}  // namespace
}  // namespace pelvano::test
