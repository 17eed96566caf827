#include "judge/standings.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "contest/csv.h"
#include "judge/verdict.h"

namespace pelvano::judge {
namespace {

// Totals compare as they are written: equal to the third decimal is a tie.
long long shownThousandths(double points) {
  return std::llround(std::strtod(contest::formatPoints(points).c_str(), nullptr) * 1000);
}

std::string joinedNames(const std::vector<std::string>& names) {
  std::string joined;
  for (const std::string& name : names)
    joined += (joined.empty() ? "" : " ") + name;
  return joined;
}

// Two lists of lowest spreads, cases ascending, merged: each case once, with the lower spread.
std::vector<contest::CaseSpread> lowerOfEach(const std::vector<contest::CaseSpread>& a,
                                             const std::vector<contest::CaseSpread>& b) {
  std::vector<contest::CaseSpread> merged;
  merged.reserve(a.size() + b.size());
  std::size_t i = 0;
  std::size_t j = 0;
  while (i < a.size() || j < b.size()) {
    if (j == b.size() || (i < a.size() && a[i].caseNumber < b[j].caseNumber)) {
      merged.push_back(a[i++]);
    } else if (i == a.size() || b[j].caseNumber < a[i].caseNumber) {
      merged.push_back(b[j++]);
    } else {
      merged.push_back({a[i].caseNumber, std::min(a[i].spread, b[j].spread)});
      ++i;
      ++j;
    }
  }
  return merged;
}

}  // namespace

void Standings::add(std::string name, std::string contestant, Outcome::Kind verdict,
                    std::vector<contest::CaseSpread> lowest) {
  entries_.push_back({std::move(name), std::move(contestant), verdict, std::move(lowest)});
}

std::vector<Standings::Best> Standings::contestBests() const {
  std::vector<Best> bests(static_cast<std::size_t>(std::max(options_.caseCount, 0)));
  for (const Entry& entry : entries_) {
    for (const contest::CaseSpread& answer : entry.lowest) {
      if (answer.caseNumber < 1 || answer.caseNumber > options_.caseCount) continue;
      Best& best = bests[static_cast<std::size_t>(answer.caseNumber - 1)];
      if (best.by == nullptr || answer.spread < best.spread) best = {answer.spread, &entry};
    }
  }
  return bests;
}

std::vector<Standings::Row> Standings::rankedRows(const std::vector<std::int32_t>& bests) const {
  std::vector<Row> rows;
  std::map<std::string, std::size_t> rowOfContestant;
  for (const Entry& entry : entries_) {
    const bool grouped = options_.byContestant && !entry.contestant.empty();
    const auto found = grouped ? rowOfContestant.find(entry.contestant) : rowOfContestant.end();
    if (found == rowOfContestant.end()) {
      if (grouped) rowOfContestant.emplace(entry.contestant, rows.size());
      rows.push_back({{&entry}, entry.verdict, entry.lowest, {}, 0, 0, 0});
      continue;
    }
    // A contestant's row: each case's lowest spread over its ok submissions.
    Row& row = rows[found->second];
    row.entries.push_back(&entry);
    if (entry.verdict == Outcome::Kind::kPassed) row.verdict = Outcome::Kind::kPassed;
    row.lowest = lowerOfEach(row.lowest, entry.lowest);
  }
  for (Row& row : rows) {
    for (const contest::CaseSpread& answer : row.lowest) {
      const bool known = answer.caseNumber >= 1 && answer.caseNumber <= options_.caseCount;
      const double ratio =
          known ? contest::pointsRatio(bests[static_cast<std::size_t>(answer.caseNumber - 1)],
                                       answer.spread)
                : 0;
      row.ratios.push_back(ratio);
      row.points += options_.pointsPerCase * ratio;
    }
  }
  for (Row& row : rows)
    row.shown = shownThousandths(row.points);
  std::stable_sort(rows.begin(), rows.end(),
                   [](const Row& a, const Row& b) { return a.shown > b.shown; });
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const bool tied = i > 0 && rows[i].shown == rows[i - 1].shown;
    rows[i].rank = tied ? rows[i - 1].rank : i + 1;
  }
  return rows;
}

Standings::Files Standings::write() const {
  const std::vector<Best> contest = contestBests();
  // The bests that points are measured against: the reference's, else the contest's.
  std::vector<std::int32_t> bests(contest.size());
  Files files;
  contest::appendCsvRecord(files.best, {"case", "spread", "submission"});
  for (std::size_t i = 0; i < contest.size(); ++i) {
    const auto caseNumber = static_cast<std::int32_t>(i + 1);
    const Best& best = contest[i];
    contest::appendCsvRecord(files.best, {std::to_string(caseNumber),
                                          best.by ? std::to_string(best.spread) : std::string(),
                                          best.by ? best.by->name : std::string()});
    const auto known = options_.reference.find(caseNumber);
    bests[i] = known != options_.reference.end() ? known->second : best.spread;
  }

  contest::appendCsvRecord(files.points, {"submission", "case", "spread", "best", "points"});
  for (const Entry& entry : entries_) {
    for (const contest::CaseSpread& answer : entry.lowest) {
      if (answer.caseNumber < 1 || answer.caseNumber > options_.caseCount) continue;
      const std::int32_t best = bests[static_cast<std::size_t>(answer.caseNumber - 1)];
      contest::appendCsvRecord(files.points,
                               {entry.name, std::to_string(answer.caseNumber),
                                std::to_string(answer.spread), std::to_string(best),
                                contest::formatPoints(options_.pointsPerCase *
                                                      contest::pointsRatio(best, answer.spread))});
    }
  }

  const std::vector<Row> rows = rankedRows(bests);
  contest::appendCsvRecord(files.standings,
                           {"rank", "submission", "contestant", "verdict", "points", "cases"});
  for (const Row& row : rows) {
    std::vector<std::string> names;
    for (const Entry* entry : row.entries)
      names.push_back(entry->name);
    contest::appendCsvRecord(
        files.standings, {std::to_string(row.rank), joinedNames(names),
                          row.entries.front()->contestant, std::string(verdictWord(row.verdict)),
                          contest::formatPoints(row.points), std::to_string(row.lowest.size())});
  }
  files.page = standingsPage(rows, bests, options_, entries_.size());
  return files;
}

}  // namespace pelvano::judge
