// Contest points on real files: every best, points and rank figure of a batch recomputed from
// its summary.csv and scores.csv by a few independent lines of Python; the scoring validator
// and the input validator in every exit status; the standings page in a real browser.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "program_runner.h"
#include "rendered_image.h"
#include "sample_files.h"

namespace pelvano::test {
namespace {

const fs::path kExamples = PELVANO_EXAMPLES;
const fs::path kTask = kExamples / "several-cases" / "input.txt";

// The points rule, best.csv, points.csv and standings.csv, stated again from the tables a
// batch writes; prints every difference.
constexpr const char* kRecompute = R"(import csv, sys
out, case_count, points, reference, by_contestant = sys.argv[1:6]
case_count = int(case_count)
P = 100 / case_count if points == '-' else float(points)
def table(name): return list(csv.reader(open(out + '/' + name, newline='', encoding='latin-1')))
summary = [dict(zip(table('summary.csv')[0], r)) for r in table('summary.csv')[1:]]
order = [r['submission'] for r in summary]
row_of = {r['submission']: r for r in summary}
lowest = {s: {} for s in order}
for s, block, c, spread in table('scores.csv')[1:]:
    if row_of[s]['verdict'] == 'ok':
        lowest[s][int(c)] = min(int(spread), lowest[s].get(int(c), int(spread)))
best = {}
for s in order:
    for c, spread in lowest[s].items():
        if c not in best or spread < best[c][0]: best[c] = (spread, s)
used = {c: v[0] for c, v in best.items()}
if reference != '-':
    for r in csv.DictReader(open(reference, newline='')):
        if r['spread']: used[int(r['case'])] = int(r['spread'])
ratio = lambda b, s: 1.0 if s == 0 else min(1.0, b / s)
problems = []
def expect(name, rows):
    if table(name) != rows: problems.append(name + ': ' + repr(table(name)) + ' != ' + repr(rows))
expect('best.csv', [['case', 'spread', 'submission']] + [[str(c), str(best[c][0]), best[c][1]]
       if c in best else [str(c), '', ''] for c in range(1, case_count + 1)])
expect('points.csv', [['submission', 'case', 'spread', 'best', 'points']] + [
    [s, str(c), str(v), str(used[c]), '%.3f' % (P * ratio(used[c], v))]
    for s in order for c, v in sorted(lowest[s].items())])
groups, index = [], {}
for s in order:
    who = row_of[s]['contestant']
    if by_contestant == '1' and who and who in index:
        g = groups[index[who]]
        g[0].append(s)
        if row_of[s]['verdict'] == 'ok': g[2] = 'ok'
        for c, v in lowest[s].items(): g[3][c] = min(v, g[3].get(c, v))
        continue
    if by_contestant == '1' and who: index[who] = len(groups)
    groups.append([[s], who, row_of[s]['verdict'], dict(lowest[s])])
rows = []
for names, who, verdict, low in groups:
    total = 0.0
    for c, v in sorted(low.items()): total += P * ratio(used[c], v)
    rows.append([' '.join(names), who, verdict, '%.3f' % total, str(len(low))])
rows.sort(key=lambda r: -float(r[3]))
standings = [['rank', 'submission', 'contestant', 'verdict', 'points', 'cases']]
for i, r in enumerate(rows):
    standings.append([str(i + 1 if i == 0 or r[3] != rows[i - 1][3] else standings[-1][0])] + r)
expect('standings.csv', standings)
print('\n'.join(problems), end='')
)";

class StandingsTest : public ProgramTest {
 protected:
  // A contest on the several-cases task: answers of different spreads for each case, some
  // failing a check, cases answered twice, contestants with several submissions, and two
  // submissions alike (a tie).
  void writeContest() const {
    const std::vector<std::string> answers = {
        "1\n1 1\n2 2\n",                   // case 1, spread 0
        "1\n1 2\n1 2\n",                   // case 1, spread 8
        "2\n1 1 2 2\n1 1 2 2\n3 3 3 3\n",  // case 2, spread 28
        "2\n1 1 1 2\n1 1 3 2\n1 3 3 2\n",  // case 2, spread 4
        "3\n1 1 1\n1 2 1\n1 1 1\n",        // case 3, spread 1
        "3\n1 1 1\n1 1 1\n2 2 2\n",        // case 3, spread 11
    };
    std::mt19937 random(2026);
    fs::create_directory(at("in"));
    for (int s = 0; s < 40; ++s) {
      std::string submission = "10000" + std::to_string(random() % 8) + "\nTolvarustepnik\n";
      for (unsigned blocks = random() % 6; blocks > 0; --blocks)
        submission += answers[random() % answers.size()];
      if (random() % 8 == 0) submission += "3\n1 1 1\n1 1 1\n1 1 1\n";  // one region: 141
      writeFile(at("in") / ("s" + std::to_string(100 + s) + ".txt"), submission);
    }
    writeFile(at("in") / "s200.txt", readFile(at("in") / "s101.txt"));
  }

  // Runs a batch with `options` and checks its tables against the recomputation.
  void expectRecomputed(const std::string& out, std::vector<std::string> options,
                        const std::string& points, const std::string& reference,
                        bool byContestant) const {
    std::vector<std::string> arguments = {"batch", kTask, "--out", at(out), "--quiet"};
    arguments.insert(arguments.end(), options.begin(), options.end());
    arguments.push_back(at("in"));
    const ProgramRun batch = runJudge(arguments);
    ASSERT_EQ(batch.status, 0) << batch.err;
    const ProgramRun python = runBinary(
        PELVANO_PYTHON,
        {"-c", kRecompute, at(out), "3", points, reference, byContestant ? "1" : "0"}, {});
    EXPECT_EQ(python.status, 0) << python.err;
    EXPECT_EQ(python.out, "") << out;
  }
};

TEST_F(StandingsTest, EveryFigureIsTheRuleAppliedToTheTables) {
  writeContest();
  expectRecomputed("default", {}, "-", "-", false);
  // Ties share a rank: the two submissions alike stand together.
  const std::string standings = readFile(at("default/standings.csv"));
  EXPECT_NE(standings.find(",s101,"), std::string::npos);
  // A jury's bests, one case missing (it takes the contest's) and one left empty.
  writeFile(at("reference.csv"), "spread,case,note\r\n0,1,by hand\r\n,3,\r\n");
  expectRecomputed("reference", {"--reference", at("reference.csv"), "--points=7"}, "7",
                   at("reference.csv"), false);
  expectRecomputed("contestants", {"--by-contestant"}, "-", "-", true);
  // The best.csv of an earlier run serves as a reference as it stands.
  expectRecomputed("again", {"--reference", at("default/best.csv")}, "-", at("default/best.csv"),
                   false);
  EXPECT_EQ(readFile(at("again/standings.csv")), readFile(at("default/standings.csv")));
}

TEST_F(StandingsTest, ABadReferenceIsTheJurysErrorAndWritesNothing) {
  writeContest();
  writeFile(at("no-columns.csv"), "case,best\n1,0\n");
  writeFile(at("bad-number.csv"), "case,spread\n1,-4\n");
  for (const std::string reference : {"missing.csv", "no-columns.csv", "bad-number.csv"}) {
    const ProgramRun batch =
        runJudge({"batch", kTask, "--out", at("out"), "--reference", at(reference), at("in")});
    EXPECT_EQ(batch.status, 3) << reference;
    EXPECT_NE(batch.err.find(at(reference).string()), std::string::npos) << batch.err;
    EXPECT_FALSE(fs::exists(at("out"))) << reference;
  }
}

TEST_F(StandingsTest, ThePageShowsTheStandingsInABrowser) {
  PELVANO_NEEDS_RENDERER(PELVANO_CHROMIUM, "Chromium");
  writeContest();
  ASSERT_EQ(runJudge({"batch", kTask, "--out", at("out"), "--quiet", at("in")}).status, 0);
  const fs::path shot = at("page.png");
  const ProgramRun browser =
      runBinary(PELVANO_CHROMIUM,
                screenshotArguments(at("profile"), "900,1600", shot,
                                    "file://" + (at("out") / "standings.html").string()),
                {std::nullopt, 120, ""});
  ASSERT_EQ(browser.status, 0) << browser.err;
  const Image page(shot);
  ASSERT_GT(page.width(), 0);
  // Cells at full points are shaded at 0.9 of #44aa99 over white.
  int full = 0;
  for (int y = 0; y < page.height(); ++y)
    for (int x = 0; x < page.width(); ++x) {
      const Colour c = page.at(x, y);
      full += std::abs(c.red - 87) + std::abs(c.green - 179) + std::abs(c.blue - 163) < 6;
    }
  EXPECT_GT(full, 2000);
}

struct ScoringCase {
  const char* name;
  std::string answer;  // the jury's
  std::string team;
  std::vector<std::string> flags;
  int status;
  std::string score;  // score.txt, or empty when none is written
};

TEST_F(StandingsTest, TheScoringValidatorInEveryExitStatus) {
  const std::string jury =
      readFile(kExamples / "problem-package/legacy/tolvarustepnik/data/secret/several-cases.ans");
  const std::string team = readFile(kExamples / "several-cases/submission.txt");
  const std::vector<ScoringCase> cases = {
      // Spreads 8 and 28 against the jury's 0 and 4; case 3 not answered.
      {"scored", jury, team, {"score"}, 42, "4.762\n"},
      {"the jury's own answer", jury, jury, {"score", "points", "10"}, 42, "30.000\n"},
      {"flags of the system's passed over", jury, team, {"case_sensitive", "score"}, 42, "4.762\n"},
      {"a check fails", jury, kSubmissionHeader + "1\n1\n", {"score"}, 43, ""},
      {"the jury answers two of three cases", team, team, {"score"}, 1, ""},
      {"the jury's answer fails", kSubmissionHeader + "9\n", team, {"score"}, 1, ""},
      {"points without a number", jury, team, {"score", "points", "x"}, 1, ""},
      {"no score flag: ANSWER is not read", "", team, {}, 42, ""},
  };
  for (const ScoringCase& c : cases) {
    writeFile(at("answer.ans"), c.answer);
    writeFile(at("team"), c.team);
    fs::remove_all(at("feedback"));
    fs::create_directory(at("feedback"));
    std::vector<std::string> arguments = {"validate", kTask, at("answer.ans"), at("feedback")};
    arguments.insert(arguments.end(), c.flags.begin(), c.flags.end());
    const ProgramRun result = runJudge(arguments, at("team"));
    EXPECT_EQ(result.status, c.status) << c.name << ": " << result.err;
    EXPECT_EQ(result.err.empty(), c.status == 42 || c.status == 43) << c.name << ": " << result.err;
    EXPECT_EQ(fs::exists(at("feedback/score.txt")), !c.score.empty()) << c.name;
    if (c.score.empty()) continue;
    EXPECT_EQ(readFile(at("feedback/score.txt")), c.score) << c.name;
    // The judge sees each case's spreads and points after the report.
    EXPECT_TRUE(readFile(at("feedback/judgemessage.txt")).ends_with("total " + c.score)) << c.name;
  }
}

TEST_F(StandingsTest, TheInputValidatorInEveryExitStatus) {
  writeFile(at("bad.txt"), "Tolvarustepnik\n1\n\n1 301 1 1\n");
  const std::vector<std::pair<std::vector<std::string>, int>> cases = {
      {{"check-task", kTask}, 42},
      {{"check-task", at("bad.txt")}, 43},
      {{"check-task", at("missing.txt")}, 1},
  };
  for (const auto& [arguments, status] : cases) {
    const ProgramRun result = runJudge(arguments);
    EXPECT_EQ(result.status, status) << arguments[1];
    EXPECT_EQ(result.err.empty(), status == 42) << result.err;
  }
  EXPECT_EQ(runJudge({"check-task"}, kTask).status, 42);
  const ProgramRun piped = runJudge({"check-task"}, at("bad.txt"));
  EXPECT_EQ(piped.status, 43);
  EXPECT_NE(piped.err.find("Napaka [Pelvano:71]"), std::string::npos) << piped.err;
}

}  // namespace
}  // namespace pelvano::test
