// Contest points on the core's results: the one rule that batch's standings, the validator
// and the contest systems' checkers score with.
//
// For a case with best spread B, a spread S earns the share r = 1 when S = 0 and
// min(1, B / S) otherwise (so B = 0 < S earns 0) of the case's points P. A submission's
// spread on a case is the lowest of its blocks for it; a case it does not answer, or a
// submission that failed its checks, earns 0. Points are written with three decimals, and
// totals are summed before they are rounded.
#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "evaluation/evaluation.h"

namespace pelvano::contest {

// A submission's spread on one case: the lowest of its blocks for that case.
struct CaseSpread {
  std::int32_t caseNumber;
  std::int32_t spread;
};

// The lowest spread of each case the results answer, cases ascending.
std::vector<CaseSpread> lowestSpreads(const std::deque<CaseResult>& results);

// The share of a case's points that `spread` earns against `best`.
double pointsRatio(std::int64_t best, std::int64_t spread);

// Points as the tables write them: "%.3f", every digit of the whole part.
std::string formatPoints(double points);

// A case's points may be set from above 0 up to this; the checker libraries of the contest
// systems cap a test's points there too.
inline constexpr double kMostPointsPerCase = 1e6;

// A case's points as the command lines and validator flags give them: a plain decimal number
// (digits, then a point and digits if any), above 0 and at most kMostPointsPerCase. Nothing
// for anything else ("1e3", "0x10", "-1", "inf", "").
std::optional<double> parsePointsPerCase(std::string_view text);

// Without a setting, the cases share 100 points.
double defaultPointsPerCase(std::size_t caseCount);

// One case of the task scored against its best.
struct CasePoints {
  std::int32_t caseNumber;
  std::int32_t best;
  std::optional<std::int32_t> spread;  // none when the submission does not answer the case
  double ratio = 0;
};

// A submission's lowest spreads against a best for every case of the task.
struct PointsAgainstBests {
  std::vector<CasePoints> cases;  // one for each best, in their order
  std::size_t answered = 0;
  double ratioSum = 0;  // the cases' shares summed

  double points(double pointsPerCase) const { return pointsPerCase * ratioSum; }
  // The mean share over the task's cases, from 0 to 1.
  double share() const { return cases.empty() ? 0 : ratioSum / static_cast<double>(cases.size()); }
};

// `bests` and `lowest` have their cases ascending, as lowestSpreads gives them.
PointsAgainstBests scoreAgainstBests(const std::vector<CaseSpread>& bests,
                                     const std::vector<CaseSpread>& lowest);

// One line for a contestant: how many cases were answered, then each case's spread against
// its best ("case 2: spread 28, best 0"), cut after `limit` bytes with "...".
std::string caseSummary(const PointsAgainstBests& scored, std::size_t limit);

}  // namespace pelvano::contest
