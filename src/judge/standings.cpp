#include "judge/standings.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "contest/csv.h"
#include "judge/verdict.h"
#include "pictures/markup_text.h"

namespace pelvano::judge {
namespace {

// Per-case cells of the page for tasks of at most this many cases; points.csv has them all.
constexpr std::int32_t kCaseColumns = 100;

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
  files.page = page(rows, bests);
  return files;
}

std::string Standings::page(const std::vector<Row>& rows,
                            const std::vector<std::int32_t>& bests) const {
  using pictures::appendMarkupText;
  const bool caseColumns = options_.caseCount <= kCaseColumns;
  std::string html =
      "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
      "<title>Standings</title>\n<style>\n"
      "body { font-family: sans-serif; margin: 24px; color: #222; }\n"
      "table { border-collapse: collapse; }\n"
      "th, td { border: 1px solid #ccc; padding: 4px 8px; text-align: right; }\n"
      "td.name { text-align: left; }\n"
      "</style>\n</head>\n<body>\n<h1>Standings</h1>\n<p>";
  html += std::to_string(entries_.size()) + " submissions, " + std::to_string(options_.caseCount) +
          " cases, " + contest::formatPoints(options_.pointsPerCase) +
          " points a case. A case's cell is shaded by the share of its points earned.";
  if (!caseColumns) html += " Cases are not shown one by one for so many: points.csv has them.";
  html +=
      "</p>\n<table>\n<thead><tr><th>Rank</th><th>Submission</th><th>Contestant</th>"
      "<th>Verdict</th><th>Points</th><th>Cases</th>";
  for (std::int32_t c = 1; caseColumns && c <= options_.caseCount; ++c)
    html += "<th>" + std::to_string(c) + "</th>";
  html += "</tr></thead>\n<tbody>\n";
  for (const Row& row : rows) {
    html += "<tr><td>" + std::to_string(row.rank) + "</td><td class=\"name\">";
    for (const Entry* entry : row.entries) {
      html += entry == row.entries.front() ? "<a href=\"reports/" : " <a href=\"reports/";
      appendMarkupText(html, entry->name);
      html += ".txt\">";
      appendMarkupText(html, entry->name);
      html += "</a>";
    }
    html += "</td><td class=\"name\">";
    appendMarkupText(html, row.entries.front()->contestant);
    html += "</td><td class=\"name\">";
    html += verdictWord(row.verdict);
    html += "</td><td>" + contest::formatPoints(row.points) + "</td><td>" +
            std::to_string(row.lowest.size()) + "</td>";
    std::size_t k = 0;
    for (std::int32_t c = 1; caseColumns && c <= options_.caseCount; ++c) {
      while (k < row.lowest.size() && row.lowest[k].caseNumber < c)
        ++k;
      if (k == row.lowest.size() || row.lowest[k].caseNumber != c) {
        html += "<td></td>";
        continue;
      }
      char cell[200];
      std::snprintf(cell, sizeof cell,
                    "<td style=\"background: rgba(68, 170, 153, %.3f)\" "
                    "title=\"spread %d, best %d\">",
                    0.1 + 0.8 * row.ratios[k], row.lowest[k].spread,
                    bests[static_cast<std::size_t>(c - 1)]);
      html += cell + contest::formatPoints(options_.pointsPerCase * row.ratios[k]) + "</td>";
    }
    html += "</tr>\n";
  }
  html += "</tbody>\n</table>\n</body>\n</html>\n";
  return html;
}

}  // namespace pelvano::judge
