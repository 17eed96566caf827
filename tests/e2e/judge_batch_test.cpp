// pelvano-judge batch on real files: every report byte for byte what `Pelvano eval` writes,
// the tables read back by a real CSV reader, and the jury's errors told from the contestants'.
#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
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

  // Rows in the folder's name order, each with the path it was found at; the message is the
  // report's.
  std::vector<std::vector<std::string>> expected = {
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
  const std::vector<std::string> files = {"",
                                          "accepted.txt",
                                          "empty.txt",
                                          "header-only.txt",
                                          "label-too-large",
                                          "no-such-case.txt",
                                          "region-count.txt",
                                          "short-row.out",
                                          "wrong-name.txt"};
  for (std::size_t row = 0; row < expected.size(); ++row) {
    expected[row].insert(expected[row].begin() + 1,
                         row == 0 ? "path" : (at("in") / files[row]).string());
  }
  EXPECT_EQ(readCsv(at("out") / "summary.csv"), expected);
  EXPECT_EQ(readCsv(at("out") / "scores.csv"),
            (std::vector<std::vector<std::string>>{{"submission", "block", "case", "spread"},
                                                   {"accepted", "1", "2", "28"},
                                                   {"accepted", "2", "1", "8"}}));
}

TEST_F(BatchTest, QuotesEveryByteOfAContestantsInCsv) {
  PELVANO_POSIX_ONLY("a file name with a double quote, which Windows refuses");
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
                            "we,\"ird\"", at("we,\"ird\".txt"), contestant, "rejected", "228",
                            "v 3. vrstici bi morala biti stevilka testnega primera, ne pa \"" +
                                blockLine + "\"",
                            "0"}));
  EXPECT_EQ(summary[2],
            (std::vector<std::string>{"fine", at("fine.txt"), "123456", "ok", "", "", "1"}));
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
  // Standard error names the file and the reason, and ends with the tally.
  EXPECT_EQ(result.err, "pelvano-judge: \"" + at("b.txt").string() +
                            "\" could not be judged: cannot be read: No such file or directory\n"
                            "pelvano-judge: 3 judged: 2 ok, 0 rejected, 1 error\n");
  const auto summary = readCsv(at("out") / "summary.csv");
  ASSERT_EQ(summary.size(), 4u);
  EXPECT_EQ(summary[1][3], "ok");
  EXPECT_EQ(summary[2],
            (std::vector<std::string>{"b", at("b.txt"), "", "error", "",
                                      "cannot be read: No such file or directory", "0"}));
  EXPECT_EQ(summary[3][3], "ok");
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
  // 60 reports, two tables, the standings' four files and the run's record.
  EXPECT_EQ(filesBelow(at("one")).size(), 67u);
}

TEST_F(BatchTest, ReplacesAnEarlierRunWholeAndNeverJudgesItsOwnOutput) {
  writeFile(at("input.txt"), kSmallTask);
  fs::create_directory(at("in"));
  for (const char* name : {"a.txt", "b.txt", "c.txt"})
    writeFile(at("in") / name, kSmallAnswer);
  fs::create_directories(at("out/reports"));
  writeFile(at("out/notes.txt"), "the organisers' own\n");
  writeFile(at("out/reports/jury.txt"), "the jury's own\n");
  ASSERT_EQ(batch({at("input.txt"), "--out", at("out"), at("in")}).status, 0);
  fs::remove(at("in/b.txt"));
  fs::remove(at("in/c.txt"));
  ASSERT_EQ(batch({at("input.txt"), "--out", at("out"), "--quiet", at("in")}).status, 0);
  std::vector<std::string> names;
  for (const auto& [path, bytes] : filesBelow(at("out")))
    names.push_back(path);
  EXPECT_EQ(names,
            (std::vector<std::string>{".pelvano-judge-files", "best.csv", "notes.txt", "points.csv",
                                      "reports/a.txt", "reports/jury.txt", "scores.csv",
                                      "standings.csv", "standings.html", "summary.csv"}));

  // DIR inside the folder judged: the second run skips the first run's files, and says so.
  for (int round = 0; round < 2; ++round) {
    const ProgramRun run =
        batch({at("input.txt"), "--out", at("in"), "--quiet", "--no-standings", at("in")});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(readCsv(at("in/summary.csv")).size(), 2u) << round;
    EXPECT_EQ(run.err.find("skipped \"" + at("in/scores.csv").string() +
                           "\": an earlier run of pelvano-judge wrote it") != std::string::npos,
              round == 1)
        << run.err;
  }
}

TEST_F(BatchTest, WarnsOfEveryEntryAFolderDoesNotYield) {
  writeFile(at("input.txt"), kSmallTask);
  fs::create_directories(at("teams/team1"));
  writeFile(at("teams/team1/submission.txt"), kSmallAnswer);
  const ProgramRun nested = batch({at("input.txt"), "--out", at("out"), at("teams")});
  EXPECT_EQ(nested.status, 0);
  EXPECT_EQ(nested.err, "pelvano-judge: warning: skipped \"" + at("teams/team1").string() +
                            "\": a folder, and folders inside a SUBMISSION are not entered\n"
                            "pelvano-judge: warning: the folder \"" +
                            at("teams").string() +
                            "\" holds no file to judge (give the files themselves, such as " +
                            at("teams/*/*").string() +
                            ", when they stand in folders of it)\n"
                            "pelvano-judge: 0 judged: 0 ok, 0 rejected, 0 errors\n");

  if (windowsPrograms()) return;  // Windows programs see no symbolic link
  fs::create_symlink(at("nowhere.txt"), at("teams/link.txt"));
  writeFile(at("teams/x.txt"), kSmallAnswer);
  const ProgramRun linked = batch({at("input.txt"), "--out", at("out"), "--quiet", at("teams")});
  EXPECT_EQ(linked.status, 0);
  EXPECT_NE(linked.err.find("skipped \"" + at("teams/link.txt").string() + "\": a link to nothing"),
            std::string::npos)
      << linked.err;
  EXPECT_EQ(readCsv(at("out/summary.csv")).size(), 2u);
}

TEST_F(BatchTest, CutsAHugeQuotedLineInTheTableButNotInTheReport) {
  writeFile(at("input.txt"), kSmallTask);
  const std::string junk(1 << 20, 'x');
  writeFile(at("junk.txt"), "123456\n" + junk + "\n");
  ASSERT_EQ(batch({at("input.txt"), "--out", at("out"), at("junk.txt")}).status, 0);
  EXPECT_EQ(readCsv(at("out/summary.csv"))[1][5],
            "v drugi vrstici bi moral biti niz \"Tolvarustepnik\", ne pa \"" +
                std::string(200, 'x') + "...\" [quoted text cut: 200 of 1048576 bytes shown]");
  EXPECT_EQ(readFile(at("out/reports/junk.txt")), evalReport(at("input.txt"), at("junk.txt")));
}

TEST_F(BatchTest, AnInterruptedRunLeavesTheEarlierOutputWholeAndNothingElse) {
  PELVANO_POSIX_ONLY("SIGINT, SIGTERM and SIGHUP (Windows programs end by console events)");
  const fs::path task = kExamples / "several-cases" / "input.txt";
  const std::string answer = readFile(kExamples / "several-cases" / "submission.txt");
  fs::create_directories(at("few"));
  fs::create_directories(at("many"));
  for (int s = 0; s < 3000; ++s)
    writeFile(at(s < 3 ? "few" : "many") / ("s" + std::to_string(s) + ".txt"), answer);
  const auto runInto = [&](const fs::path& out, const fs::path& in, int signal = 0,
                           std::chrono::microseconds after = {}) {
    return runBinary(judgeProgram(), {"batch", task, "--out", out, "--quiet", in},
                     {std::nullopt, 0, "", signal, after});
  };
  ASSERT_EQ(runInto(at("complete"), at("many")).status, 0);
  const auto complete = filesBelow(at("complete"));
  ASSERT_EQ(runInto(at("out"), at("few")).status, 0);
  const auto earlier = filesBelow(at("out"));

  using std::chrono::milliseconds;
  for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
    for (const milliseconds after : {milliseconds(1), milliseconds(15), milliseconds(40),
                                     milliseconds(90), milliseconds(200), milliseconds(350)}) {
      SCOPED_TRACE("signal " + std::to_string(signal) + " after " + std::to_string(after.count()) +
                   " ms");
      const ProgramRun stopped = runInto(at("out"), at("many"), signal, after);
      const auto files = filesBelow(at("out"));
      for (const auto& entry : fs::recursive_directory_iterator(at("out"))) {
        const std::string name = entry.path().filename().string();
        EXPECT_TRUE(name.find(".tmp-") == std::string::npos &&
                    name.find(".pelvano-judge-run-") == std::string::npos)
            << entry.path();
      }
      // Either the earlier run whole, or this one whole; never a mix, never half a file.
      if (files == complete) {
        EXPECT_TRUE(stopped.status == 0 || stopped.status == 128 + signal) << stopped.status;
        ASSERT_EQ(runInto(at("out"), at("few")).status, 0);
      } else {
        EXPECT_EQ(stopped.status, 128 + signal);
        EXPECT_TRUE(files == earlier) << files.size() << " files";
      }
    }
  }
}

}  // namespace
}  // namespace pelvano::test
