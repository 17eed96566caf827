#include "judge/standings.h"

#include <cstdio>

#include "contest/points_rule.h"
#include "judge/verdict.h"
#include "pictures/markup_text.h"

namespace pelvano::judge {
namespace {

// Per-case cells of the page for tasks of at most this many cases; points.csv has them all.
constexpr std::int32_t kCaseColumns = 100;

}  // namespace

std::string standingsPage(const std::vector<Standings::Row>& rows,
                          const std::vector<std::int32_t>& bests, const StandingsOptions& options,
                          std::size_t submissions) {
  using pictures::appendMarkupText;
  const bool caseColumns = options.caseCount <= kCaseColumns;
  std::string html =
      "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
      "<title>Standings</title>\n<style>\n"
      "body { font-family: sans-serif; margin: 24px; color: #222; }\n"
      "table { border-collapse: collapse; }\n"
      "th, td { border: 1px solid #ccc; padding: 4px 8px; text-align: right; }\n"
      "td.name { text-align: left; }\n"
      "</style>\n</head>\n<body>\n<h1>Standings</h1>\n<p>";
  html += std::to_string(submissions) + " submissions, " + std::to_string(options.caseCount) +
          " cases, " + contest::formatPoints(options.pointsPerCase) +
          " points a case. A case's cell is shaded by the share of its points earned.";
  if (!caseColumns) html += " Cases are not shown one by one for so many: points.csv has them.";
  html +=
      "</p>\n<table>\n<thead><tr><th>Rank</th><th>Submission</th><th>Contestant</th>"
      "<th>Verdict</th><th>Points</th><th>Cases</th>";
  for (std::int32_t c = 1; caseColumns && c <= options.caseCount; ++c)
    html += "<th>" + std::to_string(c) + "</th>";
  html += "</tr></thead>\n<tbody>\n";
  for (const Standings::Row& row : rows) {
    html += "<tr><td>" + std::to_string(row.rank) + "</td><td class=\"name\">";
    for (const Standings::Entry* entry : row.entries) {
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
    for (std::int32_t c = 1; caseColumns && c <= options.caseCount; ++c) {
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
      html += cell + contest::formatPoints(options.pointsPerCase * row.ratios[k]) + "</td>";
    }
    html += "</tr>\n";
  }
  html += "</tbody>\n</table>\n</body>\n</html>\n";
  return html;
}

}  // namespace pelvano::judge
