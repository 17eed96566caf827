// pelvano-judge batch on real files: every report byte for byte what `Pelvano eval` writes,
// the tables read back by a real CSV reader, and the jury's errors told from the contestants'.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "program_runner.h"
#include "sample_files.h"

namespace pelvano::test {
namespace {

using namespace std::string_literals;
using JudgeBatch = ProgramTest;

const fs::path kExamples = PELVANO_EXAMPLES;

class BatchTest : public ProgramTest {
 protected:
  ProgramRun batch(const std::vector<std::string>& arguments) const {
    std::vector<std::string> words = {"batch"};
    words.insert(words.end(), arguments.begin(), arguments.end());
    return runJudge(words);
  }

  // The table as Python's csv module reads it: each field comes back hex-encoded, so that
  // every byte can be compared.
  std::vector<std::vector<std::string>> readCsv(const fs::path& table) const {
    const ProgramRun python = runBinary(
        PELVANO_PYTHON,
        {"-c",
         "import csv, sys\n"
         "with open(sys.argv[1], newline='', encoding='latin-1') as table:\n"
         "    for row in csv.reader(table, strict=True):\n"
         "        print(' '.join(field.encode('latin-1').hex() or '-' for field in row))\n",
         table.string()},
        {});
    EXPECT_EQ(python.status, 0) << python.err;
    std::vector<std::vector<std::string>> rows;
    std::istringstream lines(python.out);
    for (std::string line; std::getline(lines, line);) {
      std::vector<std::string> fields;
      std::istringstream words(line);
      for (std::string hex; words >> hex;) {
        std::string field;
        for (std::size_t i = 0; hex != "-" && i + 1 < hex.size(); i += 2)
          field += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
        fields.push_back(field);
      }
      rows.push_back(fields);
    }
    return rows;
  }

  // Every file below `folder`, by path relative to it, with its bytes.
  std::vector<std::pair<std::string, std::string>> filesBelow(const fs::path& folder) const {
    std::vector<std::pair<std::string, std::string>> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
      if (entry.is_regular_file()) {
        files.emplace_back(fs::relative(entry.path(), folder).string(), readFile(entry.path()));
      }
    }
    std::sort(files.begin(), files.end());
    return files;
  }

  // The report `Pelvano eval` writes for the pair.
  std::string evalReport(const fs::path& task, const fs::path& submission) const {
    run({"eval", task, submission, at("eval-report.txt")});
    return readFile(at("eval-report.txt"));
  }
};

TEST_F(BatchTest, WritesForEverySubmissionTheReportEvalWrites) {
  const fs::path task = kExamples / "several-cases" / "input.txt";
  fs::create_directory(at("in"));
  const std::vector<std::pair<std::string, std::string>> submissions = {
      {"accepted.txt", readFile(kExamples / "several-cases" / "submission.txt")},
      {"region-count.txt", readFile(kExamples / "several-cases-failing" / "submission.txt")},
      {"header-only.txt", kSubmissionHeader},
      {"empty.txt", ""},
      {"short-row.out", kSubmissionHeader + "1\n1 2\n1\n"},
      {"no-such-case.txt", kSubmissionHeader + "\n\n4\n"},
      {"label-too-large", kSubmissionHeader + "3\n1 1 1\n1 1000000000 1\n"},
      {"wrong-name.txt", "123456\ntolvarustepnik\n"},
  };
  for (const auto& [name, bytes] : submissions)
    writeFile(at("in") / name, bytes);

  const ProgramRun result = batch({task, "--out", at("out"), at("in"), "--quiet"});
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.out + result.err, "");
  for (const auto& [name, bytes] : submissions) {
    const fs::path report = at("out") / "reports" / (fs::path(name).stem().string() + ".txt");
    EXPECT_EQ(readFile(report), evalReport(task, at("in") / name)) << name;
  }

  // Rows in the folder's name order; the message is the report's.
  const std::vector<std::vector<std::string>> expected = {
      {"submission", "contestant", "verdict", "code", "message", "blocks"},
      {"accepted", "654321", "ok", "", "", "2"},
      {"empty", "", "rejected", "215", "manjka stevilka tekmovalca", "0"},
      {"header-only", "123456", "ok", "", "", "0"},
      {"label-too-large", "123456", "rejected", "168", "v 5. vrstici je 2. stevilo preveliko", "0"},
      {"no-such-case", "123456", "rejected", "230",
       "v 5. vrstici se pojavlja neveljavna stevilka testnega primera: 4", "0"},
      {"region-count", "654321", "rejected", "141", "v razporedu je 3 obmocij namesto 2", "0"},
      {"short-row", "123456", "rejected", "159", "v 5. vrstici je le 1 stevil", "0"},
      {"wrong-name", "123456", "rejected", "220",
       R"(v drugi vrstici bi moral biti niz "Tolvarustepnik", ne pa "tolvarustepnik")", "0"},
  };
  EXPECT_EQ(readCsv(at("out") / "summary.csv"), expected);
  EXPECT_EQ(readCsv(at("out") / "scores.csv"),
            (std::vector<std::vector<std::string>>{{"submission", "block", "case", "spread"},
                                                   {"accepted", "1", "2", "28"},
                                                   {"accepted", "2", "1", "8"}}));
}

TEST_F(BatchTest, QuotesEveryByteOfAContestantsInCsv) {
  writeFile(at("input.txt"), kSmallTask);
  // A contestant line of six bytes with a comma, a quote, a CR and a NUL; a block line
  // with a comma, quotes, a CR and bytes over 127; a file name with a comma and a quote.
  const std::string contestant = "1,\"\r\0\xff"s;
  const std::string blockLine = "x,\"y\"\rz\xe9\xff";
  writeFile(at("we,\"ird\".txt"), contestant + "\nTolvarustepnik\n" + blockLine + "\n");
  writeFile(at("fine.txt"), kSmallAnswer);

  const ProgramRun result =
      batch({at("input.txt"), "--out", at("out"), at("we,\"ird\".txt"), at("fine.txt")});
  EXPECT_EQ(result.status, 0) << result.err;
  const auto summary = readCsv(at("out") / "summary.csv");
  ASSERT_EQ(summary.size(), 3u);
  EXPECT_EQ(summary[1], (std::vector<std::string>{
                            "we,\"ird\"", contestant, "rejected", "228",
                            "v 3. vrstici bi morala biti stevilka testnega primera, ne pa \"" +
                                blockLine + "\"",
                            "0"}));
  EXPECT_EQ(summary[2], (std::vector<std::string>{"fine", "123456", "ok", "", "", "1"}));
}

TEST_F(BatchTest, AFailingTaskIsTheJurysErrorAndWritesNothing) {
  writeFile(at("bad.txt"), "Tolvarustepnik\n1\n\n1 301 1 1\n");
  writeFile(at("submission.txt"), kSmallAnswer);
  for (const std::string& task : {at("bad.txt").string(), at("missing.txt").string()}) {
    const ProgramRun result = batch({task, "--out", at("out"), at("submission.txt")});
    EXPECT_EQ(result.status, 3);
    EXPECT_NE(result.err.find(task), std::string::npos) << result.err;
    EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
    EXPECT_FALSE(fs::exists(at("out")));
  }
  EXPECT_NE(batch({at("bad.txt"), "--out", at("out"), at("submission.txt")})
                .err.find("Napaka [Pelvano:71]: v 4. vrstici bi moral biti w med 1 in 300"),
            std::string::npos);
}

TEST_F(BatchTest, AnUnreadableSubmissionIsAnErrorAfterTheRestIsWritten) {
  writeFile(at("input.txt"), kSmallTask);
  writeFile(at("a.txt"), kSmallAnswer);
  writeFile(at("c.txt"), kSmallAnswer);
  fs::create_directories(at("out"));
  writeFile(at("out") / "notes.txt", "the organisers' own\n");
  const ProgramRun result =
      batch({at("input.txt"), "--out", at("out"), at("a.txt"), at("b.txt"), at("c.txt")});
  EXPECT_EQ(result.status, 3);
  const auto summary = readCsv(at("out") / "summary.csv");
  ASSERT_EQ(summary.size(), 4u);
  EXPECT_EQ(summary[1][2], "ok");
  EXPECT_EQ(summary[2],
            (std::vector<std::string>{"b", "", "error", "",
                                      "cannot be read: No such file or directory", "0"}));
  EXPECT_EQ(summary[3][2], "ok");
  // Its report is what eval writes for a missing file; nothing else in DIR was touched, and
  // no temporary file is left.
  EXPECT_EQ(readFile(at("out") / "reports" / "b.txt"),
            "Napaka [Pelvano:215]: manjka stevilka tekmovalca\n-1\n");
  EXPECT_EQ(readFile(at("out") / "notes.txt"), "the organisers' own\n");
  for (const auto& [path, bytes] : filesBelow(at("out")))
    EXPECT_FALSE(path.find(".tmp") != std::string::npos) << path;
}

TEST_F(BatchTest, NamesCollidingSubmissionsApartInTheOrderGiven) {
  writeFile(at("input.txt"), kSmallTask);
  for (const char* folder : {"one", "two", "two/deeper"})
    fs::create_directories(at(folder));
  writeFile(at("one/alice.txt"), kSmallAnswer);
  writeFile(at("two/alice.out"), kSubmissionHeader);
  writeFile(at("two/alice-2.txt"), "");
  writeFile(at("two/deeper/bob.txt"), kSmallAnswer);  // folders are not recursed into
  const ProgramRun result = batch({at("input.txt"), "--out", at("out"), at("one"), at("two")});
  EXPECT_EQ(result.status, 0) << result.err;
  const auto summary = readCsv(at("out") / "summary.csv");
  std::vector<std::string> names;
  for (std::size_t row = 1; row < summary.size(); ++row)
    names.push_back(summary[row][0]);
  // "alice-2.txt" sorts before "alice.out", so that one takes the name "alice-2" first.
  EXPECT_EQ(names, (std::vector<std::string>{"alice", "alice-2", "alice-3"}));
  EXPECT_EQ(readFile(at("out/reports/alice-2.txt")),
            "Napaka [Pelvano:215]: manjka stevilka tekmovalca\n-1\n");
  EXPECT_EQ(readFile(at("out/reports/alice-3.txt")), "OK\n0\n");
}

TEST_F(BatchTest, GivesTheSameFilesOnOneThreadAsOnFour) {
  const fs::path task = kExamples / "several-cases" / "input.txt";
  const std::string answers[] = {"1\n1 2\n1 2\n", "2\n1 1 2 2\n1 1 2 2\n3 3 3 3\n",
                                 "3\n1 1 1\n1 2 1\n1 1 1\n", "3\n1 1 1\n1 1 1\n1 1 1\n",
                                 "2\n1 2\n"};
  std::mt19937 random(42);
  fs::create_directory(at("in"));
  for (int s = 0; s < 60; ++s) {
    std::string submission = kSubmissionHeader;
    for (unsigned blocks = random() % 6; blocks > 0; --blocks)
      submission += answers[random() % std::size(answers)];
    writeFile(at("in") / ("s" + std::to_string(100 + s) + ".txt"), submission);
  }
  EXPECT_EQ(batch({task, "--out", at("one"), "--jobs", "1", at("in")}).status, 0);
  EXPECT_EQ(batch({task, "--out", at("four"), "--jobs=4", at("in")}).status, 0);
  EXPECT_EQ(filesBelow(at("one")), filesBelow(at("four")));
  EXPECT_EQ(filesBelow(at("one")).size(), 62u);
}

}  // namespace
}  // namespace pelvano::test
