// The contest layer's pure functions: the points rule's numbers and the hints that stand
// beside a failure.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <iterator>
#include <optional>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "contest/check_codes.h"
#include "contest/failure_hints.h"
#include "contest/points_rule.h"
#include "platform/byte_source.h"

namespace pelvano::test {
namespace {

using contest::BlockPlace;
using contest::failureHints;

TEST(PointsRule, ReadsAPlainDecimalNumberUpToAMillionAndWritesEveryDigit) {
  const std::vector<std::pair<std::string, std::optional<double>>> cases = {
      {"2", 2},    {"3.5", 3.5}, {"1000000", 1e6},    {"0.001", 0.001}, {"1e6", {}}, {"0x10", {}},
      {"-1", {}},  {"0", {}},    {"1000000.001", {}}, {"", {}},         {"1.", {}},  {".5", {}},
      {"inf", {}}, {"nan", {}},  {"1 ", {}},          {"+2", {}},
  };
  for (const auto& [text, value] : cases)
    EXPECT_EQ(contest::parsePointsPerCase(text), value) << text;
  // Every digit of the whole part, however many: 2 to the 160th.
  EXPECT_EQ(contest::formatPoints(std::ldexp(1.0, 160)),
            "1461501637330902918203684832716283019655932542976.000");
  EXPECT_EQ(contest::formatPoints(1e6 * 0.142857142857), "142857.143");
  EXPECT_EQ(contest::pointsRatio(0, 0), 1);
  EXPECT_EQ(contest::pointsRatio(0, 5), 0);
  EXPECT_EQ(contest::pointsRatio(4, 28), 1.0 / 7);
  EXPECT_EQ(contest::pointsRatio(9, 3), 1);
}

// The outcome of judging `submission` against a task of one 2x2 case with d = 2.
struct Judged {
  Evaluation evaluation;
  std::optional<BlockPlace> place;
};
Judged judge(const std::string& submission) {
  MemoryByteSource taskSource("Tolvarustepnik\n1\n\n1 2 2 2\n5 1\n5 1\n");
  const TaskReading reading = readTask(taskSource);
  MemoryByteSource source(submission);
  contest::BlockPlaceWatcher watcher;
  Judged judged{evaluateSubmission(reading.task, source, &watcher), {}};
  judged.place = watcher.place();
  return judged;
}

TEST(FailureHints, NameTheBlockTheByteAndLineOne) {
  const std::string head = "123456\nTolvarustepnik\n";
  struct Case {
    std::string submission;
    std::vector<std::string> hints;  // in English
  };
  const std::vector<Case> cases = {
      {head + "1\n1 1\n2 2\n", {}},
      {"\xEF\xBB\xBF"
       "123456\nTolvarustepnik\n",
       {"Line 1 starts with a byte order mark (BOM, the bytes 239 187 191), which some editors "
        "write before the text: save the file without it (as UTF-8 without BOM, or as ASCII)."}},
      {"123456 \nTolvarustepnik\n",
       {"Line 1 holds 7 bytes: 1, 2, 3, 4, 5, 6, a blank (32). The contestant number is exactly "
        "6 bytes, starting with a number."}},
      {"12\t\n",
       {"Line 1 holds 3 bytes: 1, 2, a tab (9). The contestant number is exactly 6 "
        "bytes, starting with a number."}},
      {head + "\n1\n1 1\n2 o\n",
       {"Block 1 answers case 1: lines 4 to 6.",
        "Line 6, column 3 holds \"o\" (111), which is neither a digit nor white space."}},
      {head + "1\n1 1\n2 2\n1\n1\x01 1\n",
       {"Block 2 answers case 1: lines 6 to 8.",
        "Line 7, column 2 holds the byte 1, which is neither a digit nor white space."}},
      {head + "1\r\n1 1\r\n1 1\r\n", {"Block 1 answers case 1: lines 3 to 5."}},
      {head + "1\n1 1\n", {"Block 1 answers case 1: lines 3 to 5."}},
      {head + "2\n", {}},
      {"123456\nTolvarustepnik \n",
       {"Line 2, column 15 holds a blank (32), where \"Tolvarustepnik\" has ended."}},
      {"123456\ntolvarustepnik\n",
       {"Line 2, column 1 holds \"t\" (116), where \"Tolvarustepnik\" has \"T\"."}},
      {"123456\nTolvar\n", {"Line 2 ends at column 7, where \"Tolvarustepnik\" goes on."}},
  };
  for (const Case& c : cases) {
    const Judged judged = judge(c.submission);
    std::vector<std::string> english;
    for (const contest::Hint& hint :
         failureHints(judged.evaluation.outcome, c.submission, judged.place)) {
      english.push_back(hint.english);
      EXPECT_FALSE(hint.slovene.empty());
    }
    EXPECT_EQ(english, c.hints) << c.submission;
  }
}

// The codes of every place that lists them, each read as that place writes them.
std::set<int> codesIn(const std::string& file, const std::string& pattern) {
  std::ifstream stream(std::string(PELVANO_SOURCE_DIR) + "/" + file);
  const std::string text{std::istreambuf_iterator<char>(stream), {}};
  std::set<int> codes;
  const std::regex expression(pattern);
  for (auto match = std::sregex_iterator(text.begin(), text.end(), expression);
       match != std::sregex_iterator(); ++match) {
    codes.insert(std::stoi((*match)[1].str()));
  }
  codes.erase(0);  // a row check a file does not have
  return codes;
}

TEST(CheckCodes, EveryListHoldsTheCodesTheChecksRaise) {
  std::set<int> raised;
  for (const char* source :
       {"src/readers/task_file.cpp", "src/readers/submission_file.cpp", "src/scoring/score.cpp"}) {
    const std::set<int> codes = codesIn(
        source, R"((?:failCheck\(|\.(?:tooFew|notDigit|overflow|tooLarge|total|tooMany) = )(\d+))");
    raised.insert(codes.begin(), codes.end());
  }
  EXPECT_EQ(raised.size(), 33u);
  std::set<int> explained;
  for (const contest::CheckCode& code : contest::checkCodes()) {
    EXPECT_TRUE(explained.insert(code.code).second) << code.code;
    EXPECT_FALSE(code.english.empty() || code.slovene.empty()) << code.code;
  }
  EXPECT_EQ(explained, raised) << "contest/check_codes.cpp";
  EXPECT_EQ(codesIn("README.md", R"(\n\| (\d+) \| (?:task|submission) \|)"), raised) << "README.md";
  EXPECT_EQ(codesIn("man/Pelvano.1", R"(\n\.B (\d{2,3})\n)"), raised) << "man/Pelvano.1";
  const std::set<int> fuzzed = codesIn("fuzz/report_check.h", R"([{ ,](\d{2,3})[,}])");
  EXPECT_EQ(fuzzed, raised) << "fuzz/report_check.h";
}

}  // namespace
}  // namespace pelvano::test
