// Every check of both readers, through the in-process evaluation: the whole report is
// compared, so each case pins the check's code, its message and the line it names.
#include "evaluation.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "expected_reports.h"
#include "text_files.h"

namespace pelvano {
namespace {

using namespace std::string_literals;
using testing::evaluateText;
using testing::kSubmissionHeader;

using testing::failure;

std::string repeatedRows(int width, int height, const std::string& cell) {
  std::string row;
  for (int c = 0; c < width; ++c)
    row += (c ? " " : "") + cell;
  std::string rows;
  for (int r = 0; r < height; ++r)
    rows += row + "\n";
  return rows;
}

// The small task: one case of width 3, height 2 and d = 2.
const std::string kSmallTask = "Tolvarustepnik\n1\n\n1 3 2 2\n1 2 3\n4 5 6\n";
// Five cases of one cell each, d = 1, populations 10 to 50.
const std::string kFiveCells =
    "Tolvarustepnik\n5\n\n1 1 1 1\n10\n\n2 1 1 1\n20\n\n3 1 1 1\n30\n\n4 1 1 1\n40\n\n5 1 1 "
    "1\n50\n";

struct ReportCase {
  const char* name;
  std::string task;
  std::string submission;
  std::string expected;
};

// Each case is also read in pieces of a few bytes, as a pipe may hand them over: every line,
// number and CR LF pair then falls across a block boundary somewhere.
void expectReports(const std::vector<ReportCase>& cases) {
  for (const ReportCase& c : cases) {
    EXPECT_EQ(evaluateText(c.task, c.submission), c.expected) << c.name;
    for (const std::size_t piece : {1, 2, 3, 7}) {
      EXPECT_EQ(evaluateText(c.task, c.submission, piece), c.expected)
          << c.name << " in pieces of " << piece;
    }
  }
}

std::string task(const std::string& afterCount) {
  return "Tolvarustepnik\n" + afterCount;
}

std::vector<ReportCase> taskFileFailures() {
  const std::string& h = kSubmissionHeader;
  return {
      {"no line", "", h, failure(195, "manjka prva vrstica z imenom naloge")},
      {"trailing blank in name", "Tolvarustepnik \n1\n", h,
       failure(196,
               R"(v prvi vrstici bi moral biti niz "Tolvarustepnik", ne pa "Tolvarustepnik ")")},
      {"lower-case name", "tolvarustepnik\n", h,
       failure(196,
               R"(v prvi vrstici bi moral biti niz "Tolvarustepnik", ne pa "tolvarustepnik")")},
      {"CR without LF at the end", "Tolvarustepnik\r", h,
       failure(196,
               "v prvi vrstici bi moral biti niz \"Tolvarustepnik\", ne pa \"Tolvarustepnik\r\"")},
      {"NUL ends the message", "Tolvar\0ustepnik\n"s, h,
       failure(196, R"(v prvi vrstici bi moral biti niz "Tolvarustepnik", ne pa "Tolvar)")},
      {"name only", "Tolvarustepnik", h,
       failure(199, "manjka druga vrstica s stevilom testnih primerov")},
      {"name only, CR LF", "Tolvarustepnik\r\n", h,
       failure(199, "manjka druga vrstica s stevilom testnih primerov")},
      {"count not a number", task("x\n"), h,
       failure(201, R"(v drugi vrstici bi moralo biti stevilo testnih primerov, ne pa "x")")},
      {"count empty", task("\n"), h,
       failure(201, R"(v drugi vrstici bi moralo biti stevilo testnih primerov, ne pa "")")},
      {"count zero", task("0\n"), h,
       failure(201, R"(v drugi vrstici bi moralo biti stevilo testnih primerov, ne pa "0")")},
      {"count negative", task("-1\n"), h,
       failure(201, R"(v drugi vrstici bi moralo biti stevilo testnih primerov, ne pa "-1")")},
      {"no separator", task("1\n"), h, failure(65, "manjka 3. vrstica")},
      {"blank separator", task("1\n \n"), h,
       failure(66, R"(vrstica 3 bi morala biti prazna, ne pa " ")")},
      {"no case line", task("1\n\n"), h, failure(67, "manjka 4. vrstica")},
      {"three numbers", task("1\n\n1 2 2\n"), h,
       failure(69, R"(v 4. vrstici bi morala biti stiri cela stevila, ne pa "1 2 2")")},
      {"w too large", task("1\n\n1 301 1 1\n"), h,
       failure(71, "v 4. vrstici bi moral biti w med 1 in 300, ne pa 301")},
      {"w from 1-2", task("1\n\n1-2 3 4\n"), h,
       failure(71, "v 4. vrstici bi moral biti w med 1 in 300, ne pa -2")},
      {"w saturated", task("1\n\n1 99999999999 1 1\n"), h,
       failure(71, "v 4. vrstici bi moral biti w med 1 in 300, ne pa 2147483647")},
      {"h zero", task("1\n\n1 1 0 1\n"), h,
       failure(72, "v 4. vrstici bi moral biti h med 1 in 300, ne pa 0")},
      {"d above w times h", task("1\n\n1 2 2 5\n"), h,
       failure(73, "v 4. vrstici bi moral biti d med 1 in 4, ne pa 5")},
      {"d zero", task("1\n\n1 2 2 0\n"), h,
       failure(73, "v 4. vrstici bi moral biti d med 1 in 4, ne pa 0")},
      {"grid line missing", task("1\n\n1 3 2 2\n1 2 3\n"), h,
       failure(77, "manjka 2. vrstica mreze")},
      {"too few", task("1\n\n1 3 2 2\n1 2 3\n4 5\n"), h,
       failure(83, "v 2. vrstici mreze je le 2 stevil")},
      {"not a digit", task("1\n\n1 3 2 2\n1 2 x\n"), h,
       failure(87, "v 1. vrstici mreze je znak s kodo 120, ki ni stevka")},
      {"overflow", task("1\n\n1 3 2 2\n1 2 3\n4 2147483648 6\n"), h,
       failure(90, "v 2. vrstici mreze je 2. stevilo preveliko")},
      {"population too large", task("1\n\n1 3 2 2\n1000001 2 3\n"), h,
       failure(92, "v 1. vrstici mreze je 1. stevilo preveliko")},
      {"total too large", task("1\n\n1 300 7 1\n" + repeatedRows(300, 7, "1000000")), h,
       failure(94, "v 7. vrstici mreze je pri 201. skupno prebivalstvo preveliko")},
      {"too many", task("1\n\n1 3 2 2\n1 2 3 4\n"), h,
       failure(97, "v 1. vrstici mreze je vec kot 3 stevil")},
      {"third case numbered 2", task("3\n\n1 1 1 1\n5\n\n2 1 1 1\n5\n\n2 1 1 1\n5\n"), h,
       failure(207, "v vrsticah 8..11 bi moral biti testni primer stevilka 3, ne pa 2")},
      {"second case numbered 3", task("2\n\n1 1 2 1\n1\n2\n\n3 1 2 1\n1\n2\n"), h,
       failure(207, "v vrsticah 6..10 bi moral biti testni primer stevilka 2, ne pa 3")},
      {"negative case number", task("1\n\n-4 1 1 1\n7\n"), h,
       failure(207, "v vrsticah 2..5 bi moral biti testni primer stevilka 1, ne pa -4")},
      {"wrong number, faulty grid", task("1\n\n2 2 1 1\n7\n"), h,
       failure(83, "v 1. vrstici mreze je le 1 stevil")},
      {"count far above the cases", task("2147483647\n\n1 1 1 1\n5\n"), h,
       failure(65, "manjka 6. vrstica")},
      {"count saturated", task("99999999999\n\n1 1 1 1\n5\n"), h, failure(65, "manjka 6. vrstica")},
  };
}

std::vector<ReportCase> taskFileSuccesses() {
  const std::string& h = kSubmissionHeader;
  return {
      {"count with words", task("3 test cases\n\n1 1 1 1\n5\n\n2 1 1 1\n5\n\n3 1 1 1\n5\n"), h,
       "OK\n0\n"},
      {"words after the case line", task("1\n\n1 5 5 3 and more\n" + repeatedRows(5, 5, "1")), h,
       "OK\n0\n"},
      {"largest grid", task("1\n\n1 300 300 90000\n" + repeatedRows(300, 300, "1")), h, "OK\n0\n"},
      {"total exactly at the bound", task("1\n\n1 200 10 1\n" + repeatedRows(200, 10, "1000000")),
       h, "OK\n0\n"},
      {"lines after the last case", kSmallTask + "garbage\n\n\n1 2 3\n", h, "OK\n0\n"},
      {"signs on the case line", task("1\n\n+1 +3 2 2\n1 2 3\n4 5 6\n"), h, "OK\n0\n"},
  };
}

std::vector<ReportCase> submissionFailures() {
  const std::string& h = kSubmissionHeader;
  return {
      {"no line", kSmallTask, "", failure(215, "manjka stevilka tekmovalca")},
      {"five bytes", kSmallTask, "12345\n",
       failure(216, "stevilka tekmovalca bi morala imeti 6 stevk")},
      {"seven digits", kSmallTask, "1234567\n",
       failure(216, "stevilka tekmovalca bi morala imeti 6 stevk")},
      {"no number", kSmallTask, "abcdef\n",
       failure(218, R"(v prvi vrstici bi morala biti stevilka tekmovalca, ne pa "abcdef")")},
      {"no line 2", kSmallTask, "123456\n", failure(219, "manjka druga vrstica")},
      {"name with blank", kSmallTask, "123456\nTolvarustepnik \n",
       failure(220,
               R"(v drugi vrstici bi moral biti niz "Tolvarustepnik", ne pa "Tolvarustepnik ")")},
      {"block line without number", kSmallTask, h + "x\n",
       failure(228, R"(v 3. vrstici bi morala biti stevilka testnega primera, ne pa "x")")},
      {"quote in quoted text", kSmallTask, h + "a\"b\n",
       failure(228, R"(v 3. vrstici bi morala biti stevilka testnega primera, ne pa "a"b")")},
      {"blank line between blocks", kSmallTask, h + "1\n1 1 2\n1 2 2\n \n",
       failure(228, R"(v 6. vrstici bi morala biti stevilka testnega primera, ne pa " ")")},
      {"case above the count", kFiveCells, h + "7\n",
       failure(230, "v 3. vrstici se pojavlja neveljavna stevilka testnega primera: 7")},
      {"case zero", kFiveCells, h + "0\n",
       failure(230, "v 3. vrstici se pojavlja neveljavna stevilka testnega primera: 0")},
      {"case negative", kFiveCells, h + "-1\n",
       failure(230, "v 3. vrstici se pojavlja neveljavna stevilka testnega primera: -1")},
      {"case saturated", kFiveCells, h + "99999999999\n",
       failure(230, "v 3. vrstici se pojavlja neveljavna stevilka testnega primera: 2147483647")},
      {"after two empty lines", kSmallTask, h + "1\n1 1 2\n1 2 2\n\n\n9\n",
       failure(230, "v 8. vrstici se pojavlja neveljavna stevilka testnega primera: 9")},
      {"grid ends early", kSmallTask, h + "1\n1 1 2\n", failure(155, "manjka 5. vrstica mreze")},
      {"too few", kSmallTask, h + "1\n1 1 2\n1 2\n", failure(159, "v 5. vrstici je le 2 stevil")},
      {"not a digit", kSmallTask, h + "1\n1 x 2\n",
       failure(163, "v 4. vrstici je znak s kodo 120, ki ni stevka")},
      {"overflow names the grid row", kSmallTask, h + "1\n1 1 2\n1 99999999999 2\n",
       failure(166, "v 2. vrstici mreze je 2. stevilo preveliko")},
      {"label too large", kSmallTask, h + "1\n1000000000 1 2\n",
       failure(168, "v 4. vrstici je 1. stevilo preveliko")},
      {"too many", kSmallTask, h + "1\n1 1 2 2\n",
       failure(171, "v 4. vrstici je vec kot 3 stevil")},
      {"wrong region count", kSmallTask, h + "1\n1 2 1\n1 2 2\n",
       failure(141, "v razporedu je 3 obmocij namesto 2")},
      {"failure in the last block", kFiveCells, h + "1\n0\n2\n0\n3\n0 0\n",
       failure(171, "v 8. vrstici je vec kot 1 stevil")},
  };
}

std::vector<ReportCase> submissionSuccesses() {
  const std::string& h = kSubmissionHeader;
  const std::string answer = "1\n1 1 2\n1 2 2\n";
  return {
      {"the complete small run", kSmallTask, h + answer, "OK\n1\n1 7\n"},
      {"header only", kSmallTask, h, "OK\n0\n"},
      {"header without final LF", kSmallTask, "123456\nTolvarustepnik", "OK\n0\n"},
      {"leading zero", kSmallTask, "012345\nTolvarustepnik\n", "OK\n0\n"},
      {"minus sign", kSmallTask, "-12345\nTolvarustepnik\n", "OK\n0\n"},
      {"letters after digits", kSmallTask, "12ab56\nTolvarustepnik\n", "OK\n0\n"},
      {"letter at the end", kSmallTask, "12345x\nTolvarustepnik\n", "OK\n0\n"},
      {"empty lines around blocks", kSmallTask, h + "\n\n" + answer + "\n" + answer + "\n\n",
       "OK\n2\n1 7\n1 7\n"},
      {"leading blank and words", kFiveCells, h + " 2\n0\n4 and more\n0\n", "OK\n2\n2 0\n4 0\n"},
      {"answers kept in order", kFiveCells, h + "3\n5\n1\n5\n3\n5\n", "OK\n3\n3 0\n1 0\n3 0\n"},
      {"largest label", kSmallTask, h + "1\n999999999 999999999 0\n999999999 0 0\n",
       "OK\n1\n1 7\n"},
      {"CR LF throughout", "Tolvarustepnik\r\n1\r\n\r\n1 3 2 2\r\n1 2 3\r\n4 5 6\r\n",
       "123456\r\nTolvarustepnik\r\n\r\n1\r\n1 1 2\r\n1 2 2\r\n", "OK\n1\n1 7\n"},
      {"last grid line without LF", kSmallTask, h + "1\n1 1 2\n1 2 2", "OK\n1\n1 7\n"},
  };
}

TEST(TaskFile, ReportsEveryCheck) {
  expectReports(taskFileFailures());
}
TEST(TaskFile, AcceptsWhatTheFormatAllows) {
  expectReports(taskFileSuccesses());
}
TEST(Submission, ReportsEveryCheck) {
  expectReports(submissionFailures());
}
TEST(Submission, AcceptsWhatTheFormatAllows) {
  expectReports(submissionSuccesses());
}

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
  EXPECT_EQ(evaluate(taskSource, submissionSource), testing::kUnexpectedFailure);
}

}  // namespace
}  // namespace pelvano
