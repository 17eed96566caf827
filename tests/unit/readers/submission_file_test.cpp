// Every check of the submission: the whole report is compared, so each case pins the
// check's code, its message and the line it names.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "expected_reports.h"
#include "report_cases.h"
#include "sample_files.h"

namespace pelvano::test {
namespace {

using namespace std::string_literals;

// Five cases of one cell each, d = 1, populations 10 to 50.
const std::string kFiveCells =
    "Tolvarustepnik\n5\n\n1 1 1 1\n10\n\n2 1 1 1\n20\n\n3 1 1 1\n30\n\n4 1 1 1\n40\n\n5 1 1 "
    "1\n50\n";

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

TEST(Submission, ReportsEveryCheck) {
  expectReports(submissionFailures());
}
TEST(Submission, AcceptsWhatTheFormatAllows) {
  expectReports(submissionSuccesses());
}

}  // namespace
}  // namespace pelvano::test
