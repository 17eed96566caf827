// Several runs of a contestant's, compared case by case: each run's counting spread (the
// lowest of its blocks for the case), its points by the contest's rule, the best of the runs
// marked, and each run's total; as `pelvano-judge compare` prints it and the page shows it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "contest/known_bests.h"
#include "evaluation/evaluation.h"

namespace pelvano::contest {

// One submission judged against the task, under the name it is shown by.
struct Run {
  std::string name;
  Evaluation evaluation;
};

struct Comparison {
  struct Cell {
    std::optional<std::int32_t> spread;  // none when the run does not answer the case
    std::size_t blocks = 0;              // the run's blocks for the case; the lowest counts
    double points = 0;
    bool best = false;  // no other run has a lower spread on the case
  };
  struct Row {
    std::int32_t caseNumber = 0;
    std::optional<std::int32_t> best;  // what points are measured against
    bool bestFromReference = false;    // the reference's, not the runs' best
    std::vector<Cell> cells;           // one a run, in the runs' order
  };
  std::vector<std::string> names;
  std::vector<std::string> verdicts;  // "ok", or why the run scores nothing (bounded)
  std::vector<Row> rows;              // one a case of the task, ascending
  std::vector<double> totals;         // one a run, summed before they are rounded
  double pointsPerCase = 0;
};

// The runs against a task of `caseCount` cases, each case worth `pointsPerCase`; a case's best
// is the reference's where it has one, else the lowest spread of the runs that passed.
Comparison compareRuns(std::size_t caseCount, const std::vector<Run>& runs,
                       const KnownBests& reference, double pointsPerCase);

// The table as text for a terminal: a row a case, a column a run ("8 0.000"; "*" marks the
// best of the runs, "+N" the blocks that do not count), the totals, then why a run scores
// nothing.
std::string comparisonText(const Comparison& comparison);

// The same as CSV: case, best, then each run's spread and points; a total row; a verdict row.
std::string comparisonCsv(const Comparison& comparison);

}  // namespace pelvano::contest
