#include "contest/comparison.h"

#include <algorithm>

#include "contest/bounded_text.h"
#include "contest/csv.h"
#include "contest/points_rule.h"

namespace pelvano::contest {
namespace {

// Each case's lowest spread and block count in a run that passed.
void countBlocks(const Evaluation& evaluation, std::vector<Comparison::Cell>& cells) {
  for (const CaseResult& result : evaluation.results) {
    if (result.caseNumber < 1 || static_cast<std::size_t>(result.caseNumber) > cells.size()) {
      continue;
    }
    Comparison::Cell& cell = cells[static_cast<std::size_t>(result.caseNumber - 1)];
    cell.spread = cell.spread ? std::min(*cell.spread, result.score) : result.score;
    ++cell.blocks;
  }
}

std::string cellText(const Comparison::Cell& cell) {
  if (!cell.spread) return "-";
  std::string text =
      std::to_string(*cell.spread) + (cell.best ? "*" : "") + " " + formatPoints(cell.points);
  if (cell.blocks > 1) text += " +" + std::to_string(cell.blocks - 1);
  return text;
}

}  // namespace

Comparison compareRuns(std::size_t caseCount, const std::vector<Run>& runs,
                       const KnownBests& reference, double pointsPerCase) {
  Comparison comparison;
  comparison.pointsPerCase = pointsPerCase;
  std::vector<std::vector<Comparison::Cell>> columns;
  for (const Run& run : runs) {
    comparison.names.push_back(run.name);
    const Outcome& outcome = run.evaluation.outcome;
    comparison.verdicts.push_back(
        outcome.kind == Outcome::Kind::kPassed
            ? "ok"
            : boundedFirstLine(outcome, kQuoteLimit) +
                  (outcome.reason.empty() ? "" : " (" + outcome.reason + ")"));
    columns.emplace_back(caseCount);
    countBlocks(run.evaluation, columns.back());
  }
  comparison.totals.assign(runs.size(), 0);
  for (std::size_t c = 0; c < caseCount; ++c) {
    Comparison::Row row;
    row.caseNumber = static_cast<std::int32_t>(c + 1);
    std::optional<std::int32_t> lowest;
    for (const auto& column : columns) {
      if (column[c].spread && (!lowest || *column[c].spread < *lowest)) lowest = column[c].spread;
    }
    const auto known = reference.find(row.caseNumber);
    row.bestFromReference = known != reference.end();
    row.best = row.bestFromReference ? std::optional(known->second) : lowest;
    for (std::size_t r = 0; r < columns.size(); ++r) {
      Comparison::Cell cell = columns[r][c];
      if (cell.spread) {
        cell.best = cell.spread == lowest;
        cell.points = pointsPerCase * pointsRatio(*row.best, *cell.spread);
        comparison.totals[r] += cell.points;
      }
      row.cells.push_back(cell);
    }
    comparison.rows.push_back(std::move(row));
  }
  return comparison;
}

std::string comparisonText(const Comparison& comparison) {
  // The table's cells as text, then each column padded to its widest cell.
  std::vector<std::vector<std::string>> table;
  std::vector<std::string> header = {"case", "best"};
  header.insert(header.end(), comparison.names.begin(), comparison.names.end());
  table.push_back(header);
  for (const Comparison::Row& row : comparison.rows) {
    std::vector<std::string> line = {
        std::to_string(row.caseNumber),
        row.best ? std::to_string(*row.best) + (row.bestFromReference ? " (reference)" : "") : "-"};
    for (const Comparison::Cell& cell : row.cells)
      line.push_back(cellText(cell));
    table.push_back(line);
  }
  std::vector<std::string> total = {"total", ""};
  for (const double points : comparison.totals)
    total.push_back(formatPoints(points));
  table.push_back(total);

  std::vector<std::size_t> widths(table.front().size(), 0);
  for (const auto& line : table) {
    for (std::size_t i = 0; i < line.size(); ++i)
      widths[i] = std::max(widths[i], line[i].size());
  }
  std::string text;
  for (const auto& line : table) {
    std::string printed;
    for (std::size_t i = 0; i < line.size(); ++i)
      printed +=
          line[i] + std::string(i + 1 < line.size() ? widths[i] - line[i].size() + 2 : 0, ' ');
    while (printed.ends_with(' '))
      printed.pop_back();
    text += printed + "\n";
  }
  text += "Each cell: the run's spread and its points (" + formatPoints(comparison.pointsPerCase) +
          " a case); * the best of the runs; +N blocks that do not count.\n";
  for (std::size_t r = 0; r < comparison.names.size(); ++r) {
    if (comparison.verdicts[r] != "ok") {
      text += comparison.names[r] + " scores nothing: " + comparison.verdicts[r] + "\n";
    }
  }
  return text;
}

std::string comparisonCsv(const Comparison& comparison) {
  std::string csv;
  std::vector<std::string> header = {"case", "best"};
  for (const std::string& name : comparison.names) {
    header.push_back(name + " spread");
    header.push_back(name + " points");
  }
  appendCsvRecord(csv, header);
  for (const Comparison::Row& row : comparison.rows) {
    std::vector<std::string> fields = {std::to_string(row.caseNumber),
                                       row.best ? std::to_string(*row.best) : ""};
    for (const Comparison::Cell& cell : row.cells) {
      fields.push_back(cell.spread ? std::to_string(*cell.spread) : "");
      fields.push_back(cell.spread ? formatPoints(cell.points) : "");
    }
    appendCsvRecord(csv, fields);
  }
  std::vector<std::string> total = {"total", ""};
  std::vector<std::string> verdict = {"verdict", ""};
  for (std::size_t r = 0; r < comparison.names.size(); ++r) {
    total.insert(total.end(), {"", formatPoints(comparison.totals[r])});
    const bool ok = comparison.verdicts[r] == "ok";
    verdict.insert(verdict.end(), {ok ? "ok" : "scores nothing", ok ? "" : comparison.verdicts[r]});
  }
  appendCsvRecord(csv, total);
  appendCsvRecord(csv, verdict);
  return csv;
}

}  // namespace pelvano::contest
