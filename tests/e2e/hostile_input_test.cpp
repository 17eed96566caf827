// The program on files that a broken or hostile contestant's program could write, and on
// broken task files: the report must still be exact and the memory bounded.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "expected_reports.h"
#include "program_runner.h"
#include "sample_files.h"

namespace pelvano::test {
namespace {

using namespace std::string_literals;
using HostileInput = ProgramTest;

const std::string& kHeader = kSubmissionHeader;

struct HostileCase {
  const char* name;
  std::string task;
  std::string submission;
  std::string report;
};

TEST_F(HostileInput, QuotesStrayBytesAsTheyStandAndEndsTheMessageAtNul) {
  const std::vector<HostileCase> cases = {
      {"empty task file", "", kHeader, failure(195, "manjka prva vrstica z imenom naloge")},
      {"empty submission", kSmallTask, "", failure(215, "manjka stevilka tekmovalca")},
      {"image as task", "\x89PNG\r\n\x1a\n\0\0\0\rIHDR"s, kHeader,
       failure(196, "v prvi vrstici bi moral biti niz \"Tolvarustepnik\", ne pa \"\x89PNG\"")},
      {"program as submission", kSmallTask,
       "\x7f"
       "ELF\x02\x01\x01\0\0\0\0\0\0\0\0\0\x03\0>\0\n"s,
       failure(216, "stevilka tekmovalca bi morala imeti 6 stevk")},
      {"task name with UTF-8 and NUL", "Tolvar\xc5\xa1\0tepnik\n"s, kHeader,
       failure(196, "v prvi vrstici bi moral biti niz \"Tolvarustepnik\", ne pa \"Tolvar\xc5\xa1")},
      {"count line", "Tolvarustepnik\n\xff\0 1\n"s, kHeader,
       failure(201, "v drugi vrstici bi moralo biti stevilo testnih primerov, ne pa \"\xff")},
      {"separator line", "Tolvarustepnik\n1\n\x80\0\n"s, kHeader,
       failure(66, "vrstica 3 bi morala biti prazna, ne pa \"\x80")},
      {"case line starting with NUL", "Tolvarustepnik\n1\n\n\0 1 1 1\n"s, kHeader,
       failure(69, "v 4. vrstici bi morala biti stiri cela stevila, ne pa \"")},
      {"NUL inside the case line", "Tolvarustepnik\n1\n\n1 2\0 3 4\n"s, kHeader,
       failure(69, "v 4. vrstici bi morala biti stiri cela stevila, ne pa \"1 2")},
      {"NUL population", "Tolvarustepnik\n1\n\n1 2 1 1\n1 \0\n"s, kHeader,
       failure(87, "v 1. vrstici mreze je znak s kodo 0, ki ni stevka")},
      {"byte 255 population", "Tolvarustepnik\n1\n\n1 2 1 1\n\xff 1\n", kHeader,
       failure(87, "v 1. vrstici mreze je znak s kodo 255, ki ni stevka")},
      {"contestant line of high bytes", kSmallTask, "\xe9\0abcd\nTolvarustepnik\n"s,
       failure(218, "v prvi vrstici bi morala biti stevilka tekmovalca, ne pa \"\xe9")},
      {"contestant line of NULs", kSmallTask, std::string(6, '\0') + "\nTolvarustepnik\n",
       failure(218, "v prvi vrstici bi morala biti stevilka tekmovalca, ne pa \"")},
      {"contestant number before a NUL", kSmallTask,
       "12\0"
       "456\nTolvarustepnik\n"s,
       "OK\n0\n"},
      {"task name line with NUL", kSmallTask, "123456\nTolvarustepnik\0\n"s,
       failure(220,
               "v drugi vrstici bi moral biti niz \"Tolvarustepnik\", ne pa \"Tolvarustepnik")},
      {"block line of high bytes", kSmallTask, kHeader + "\xff\xfe\n",
       failure(228, "v 3. vrstici bi morala biti stevilka testnega primera, ne pa \"\xff\xfe\"")},
      {"block line starting with NUL", kSmallTask,
       kHeader + "\0"
                 "1\n"s,
       failure(228, "v 3. vrstici bi morala biti stevilka testnega primera, ne pa \"")},
      {"label byte 128", kSmallTask, kHeader + "1\n1 \x80 2\n",
       failure(163, "v 4. vrstici je znak s kodo 128, ki ni stevka")},
      {"count of 2147483647", "Tolvarustepnik\n2147483647\n\n1 1 1 1\n5\n", kHeader,
       failure(65, "manjka 6. vrstica")},
      {"w of 2147483647", "Tolvarustepnik\n1\n\n1 2147483647 1 1\n", kHeader,
       failure(71, "v 4. vrstici bi moral biti w med 1 in 300, ne pa 2147483647")},
      {"h of 2147483647", "Tolvarustepnik\n1\n\n1 1 2147483647 1\n", kHeader,
       failure(72, "v 4. vrstici bi moral biti h med 1 in 300, ne pa 2147483647")},
  };
  for (const HostileCase& c : cases) {
    const ProgramRun result = evaluate(c.task, c.submission);
    EXPECT_EQ(result.status, 0) << c.name;
    EXPECT_EQ(result.out + result.err, "") << c.name;
    EXPECT_EQ(readFile(at("report.txt")), c.report) << c.name;
  }
}

// Writes `head`, then `size` copies of `fill`, then `tail`, without holding them in memory.
void writeLargeFile(const fs::path& path, const std::string& head, char fill, std::size_t size,
                    const std::string& tail) {
  std::ofstream file(path, std::ios::binary);
  file << head;
  const std::string chunk(std::size_t{1} << 20, fill);
  for (std::size_t written = 0; written < size; written += chunk.size()) {
    file.write(chunk.data(), static_cast<std::streamsize>(std::min(chunk.size(), size - written)));
  }
  file << tail;
}

constexpr std::size_t k200MB = 200'000'000;

struct LongLineCase {
  const char* name;
  std::string head;  // what the submission holds before the long run
  char fill;         // the byte the run is made of
  std::string tail;  // what follows the run
  std::string report;
};

TEST_F(HostileInput, JudgesLinesOf200MBWithBoundedMemory) {
  writeFile(at("input.txt"), kSmallTask);
  const std::string block = kHeader + "1\n";
  const std::vector<LongLineCase> cases = {
      {"grid line of blanks", block, ' ', "\n1 2 2\n", failure(159, "v 4. vrstici je le 0 stevil")},
      {"leading zeros of one label", block, '0', "1 1 2\n1 2 2\n", "OK\n1\n1 7\n"},
      {"digits past the 32-bit range", block, '9', "\n1 2 2\n",
       failure(166, "v 1. vrstici mreze je 1. stevilo preveliko")},
      {"tabs after the labels", block + "1 1 2", '\t', "\n1 2 2\n", "OK\n1\n1 7\n"},
      {"a number after the labels", block + "1 1 2 ", '7', "\n1 2 2\n",
       failure(171, "v 4. vrstici je vec kot 3 stevil")},
      {"contestant line", "", '1', "\nTolvarustepnik\n",
       failure(216, "stevilka tekmovalca bi morala imeti 6 stevk")},
      {"words after a block's number", kHeader + "1 ", 'x', "\n1 1 2\n1 2 2\n", "OK\n1\n1 7\n"},
      {"empty lines between blocks", kHeader, '\n', "1\n1 1 2\n1 2 2\n", "OK\n1\n1 7\n"},
  };
  for (const LongLineCase& c : cases) {
    writeLargeFile(at("submission.txt"), c.head, c.fill, k200MB, c.tail);
    const ProgramRun result =
        run({"eval", at("input.txt"), at("submission.txt"), at("report.txt")});
    EXPECT_EQ(result.status, 0) << c.name;
    EXPECT_EQ(readFile(at("report.txt")), c.report) << c.name;
#ifndef PELVANO_SANITIZED  // the sanitizers' own memory would drown the figure
    EXPECT_LT(result.peakKiB, 16 * 1024) << c.name;
#endif
  }
}

TEST_F(HostileInput, QuotesLinesOfMegabytesWholeInTheirMessages) {
  // Past a megabyte a quoted line is held in storage made for the whole rest of the file,
  // and the message is built around it in place: the report must be the same.
  const std::string line(3'000'000, 'x');
  const std::string quote = "\"" + line + "\"";
  const std::vector<HostileCase> cases = {
      {"task name", line + "\n", kHeader,
       failure(196, "v prvi vrstici bi moral biti niz \"Tolvarustepnik\", ne pa " + quote)},
      {"count line", "Tolvarustepnik\n" + line + "\n", kHeader,
       failure(201, "v drugi vrstici bi moralo biti stevilo testnih primerov, ne pa " + quote)},
      {"separator line", "Tolvarustepnik\n1\n" + line + "\n", kHeader,
       failure(66, "vrstica 3 bi morala biti prazna, ne pa " + quote)},
      {"case line", "Tolvarustepnik\n1\n\n" + line, kHeader,
       failure(69, "v 4. vrstici bi morala biti stiri cela stevila, ne pa " + quote)},
      {"submission's task name", kSmallTask, "123456\n" + line + "\r\n",
       failure(220, "v drugi vrstici bi moral biti niz \"Tolvarustepnik\", ne pa " + quote)},
      {"block line", kSmallTask, kHeader + "\n" + line + "\n1\n",
       failure(228, "v 4. vrstici bi morala biti stevilka testnega primera, ne pa " + quote)},
  };
  for (const HostileCase& c : cases) {
    const ProgramRun result = evaluate(c.task, c.submission);
    EXPECT_EQ(result.status, 0) << c.name;
    EXPECT_TRUE(readFile(at("report.txt")) == c.report) << c.name;
  }
}

#ifndef PELVANO_SANITIZED  // AddressSanitizer needs far more address space than the limit
TEST_F(HostileInput, ReportsAnUnexpectedFailureWhenMemoryRunsOut) {
  PELVANO_POSIX_ONLY("an address-space limit set before the program starts");
  // A block line must be held whole, as its message would quote it: 300 MB cannot be held
  // under a limit of 128 MiB.
  writeFile(at("input.txt"), kSmallTask);
  writeLargeFile(at("submission.txt"), kHeader, 'x', 300'000'000, "\n");
  const ProgramRun result =
      run({"eval", at("input.txt"), at("submission.txt"), at("report.txt")}, rlim_t{128} << 20);
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.out + result.err, "");
  EXPECT_EQ(readFile(at("report.txt")), kUnexpectedFailure);
}
#endif

}  // namespace
}  // namespace pelvano::test
