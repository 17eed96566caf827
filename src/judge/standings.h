// Contest points on the core's results: each case's best spread, each submission's points
// against the bests, and the standings.
//
// The rule: for a case with best spread B, a spread S earns the share r = 1 when S = 0 and
// min(1, B / S) otherwise (so B = 0 < S earns 0) of the case's points P. A submission's
// spread on a case is the lowest of its blocks for it; a case it does not answer, or a
// submission that failed its checks, earns 0. Points are written with three decimals, and
// totals are summed before they are rounded.
#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "evaluation/evaluation.h"

namespace pelvano::judge {

// A submission's spread on one case: the lowest of its blocks for that case.
struct CaseSpread {
  std::int32_t caseNumber;
  std::int32_t spread;
};

// The lowest spread of each case the results answer, cases ascending.
std::vector<CaseSpread> lowestSpreads(const std::deque<CaseResult>& results);

// The share of a case's points that `spread` earns against `best`.
double pointsRatio(std::int64_t best, std::int64_t spread);

// Points as the tables write them: "%.3f".
std::string formatPoints(double points);

// Known bests by case number, such as a jury's.
using KnownBests = std::map<std::int32_t, std::int32_t>;

// The bests of a table with the columns `case` and `spread` (best.csv of an earlier batch, or
// a jury's own): rows with an empty spread are passed over. Nothing, with why in `error`,
// when the table is not such a one.
std::optional<KnownBests> parseKnownBests(std::string_view table, std::string& error);

struct StandingsOptions {
  std::int32_t caseCount = 0;
  double pointsPerCase = 0;
  KnownBests reference;  // a case missing from it takes the contest's best
  bool byContestant = false;
};

// The standings of a batch: fed every submission in the order given, then written whole.
// Holds each submission's lowest spreads, a few bytes a case it answered.
class Standings {
 public:
  explicit Standings(StandingsOptions options) : options_(std::move(options)) {}

  // `verdict` is "ok", "rejected" or "error"; `lowest` is empty unless it is "ok".
  void add(std::string name, std::string contestant, std::string verdict,
           std::vector<CaseSpread> lowest);

  struct Files {
    std::string best;       // best.csv
    std::string points;     // points.csv
    std::string standings;  // standings.csv
    std::string page;       // standings.html, each submission linked to reports/NAME.txt
  };
  Files write() const;

 private:
  struct Entry {
    std::string name;
    std::string contestant;
    std::string verdict;
    std::vector<CaseSpread> lowest;
  };
  // One line of the standings: a submission, or a contestant's submissions together.
  struct Row {
    std::vector<const Entry*> entries;
    std::string verdict;
    std::vector<CaseSpread> lowest;
    std::vector<double> ratios;  // by position in `lowest`
    double points = 0;
    long long shown = 0;  // the points as written, in thousandths: equal ones tie
    std::size_t rank = 0;
  };
  struct Best {
    std::int32_t spread = 0;
    const Entry* by = nullptr;  // the first submission that reached it; none if unanswered
  };

  std::vector<Best> contestBests() const;
  std::vector<Row> rankedRows(const std::vector<std::int32_t>& bests) const;
  std::string page(const std::vector<Row>& rows, const std::vector<std::int32_t>& bests) const;

  StandingsOptions options_;
  std::deque<Entry> entries_;
};

}  // namespace pelvano::judge
