// Every check of the task file: the whole report is compared, so each case pins the check's
// code, its message and the line it names.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "expected_reports.h"
#include "report_cases.h"
#include "sample_files.h"

namespace pelvano::test {
namespace {

using namespace std::string_literals;

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
      {"total too large in short rows",
       task("1\n\n1 15 140 1\n" + repeatedRows(15, 140, "1000000")), h,
       failure(94, "v 134. vrstici mreze je pri 6. skupno prebivalstvo preveliko")},
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

TEST(TaskFile, ReportsEveryCheck) {
  expectReports(taskFileFailures());
}
TEST(TaskFile, AcceptsWhatTheFormatAllows) {
  expectReports(taskFileSuccesses());
}

}  // namespace
}  // namespace pelvano::test
