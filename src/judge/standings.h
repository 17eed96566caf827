// The standings of a batch on the points rule (points_rule.h): each case's best spread, each
// submission's points against the bests, and the ranking, as tables and a page.
#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "contest/known_bests.h"
#include "contest/points_rule.h"

namespace pelvano::judge {

struct StandingsOptions {
  std::int32_t caseCount = 0;
  double pointsPerCase = 0;
  contest::KnownBests reference;  // a case missing from it takes the contest's best
  bool byContestant = false;
};

// The standings of a batch: fed every submission in the order given, then written whole.
// Holds each submission's lowest spreads, a few bytes a case it answered.
class Standings {
 public:
  explicit Standings(StandingsOptions options) : options_(std::move(options)) {}

  // `lowest` is empty unless the verdict is kPassed.
  void add(std::string name, std::string contestant, Outcome::Kind verdict,
           std::vector<contest::CaseSpread> lowest);

  struct Files {
    std::string best;       // best.csv
    std::string points;     // points.csv
    std::string standings;  // standings.csv
    std::string page;       // standings.html, each submission linked to reports/NAME.txt
  };
  Files write() const;

  struct Entry {
    std::string name;
    std::string contestant;
    Outcome::Kind verdict;
    std::vector<contest::CaseSpread> lowest;
  };

  // One line of the standings: a submission, or a contestant's submissions together.
  struct Row {
    std::vector<const Entry*> entries;
    Outcome::Kind verdict;
    std::vector<contest::CaseSpread> lowest;
    std::vector<double> ratios;  // by position in `lowest`
    double points = 0;
    long long shown = 0;  // the points as written, in thousandths: equal ones tie
    std::size_t rank = 0;
  };

 private:
  struct Best {
    std::int32_t spread = 0;
    const Entry* by = nullptr;  // the first submission that reached it; none if unanswered
  };

  std::vector<Best> contestBests() const;
  std::vector<Row> rankedRows(const std::vector<std::int32_t>& bests) const;

  StandingsOptions options_;
  std::deque<Entry> entries_;
};

// standings.html: the ranked rows, each submission linked to reports/NAME.txt, and each case's
// points shaded by their share (for tasks of at most 100 cases; points.csv has them all).
std::string standingsPage(const std::vector<Standings::Row>& rows,
                          const std::vector<std::int32_t>& bests, const StandingsOptions& options,
                          std::size_t submissions);

}  // namespace pelvano::judge
