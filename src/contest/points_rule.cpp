#include "contest/points_rule.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace pelvano::contest {

std::vector<CaseSpread> lowestSpreads(const std::deque<CaseResult>& results) {
  std::vector<CaseSpread> lowest;
  lowest.reserve(results.size());
  for (const CaseResult& result : results)
    lowest.push_back({result.caseNumber, result.score});
  std::sort(lowest.begin(), lowest.end(), [](const CaseSpread& a, const CaseSpread& b) {
    return a.caseNumber != b.caseNumber ? a.caseNumber < b.caseNumber : a.spread < b.spread;
  });
  lowest.erase(std::unique(lowest.begin(), lowest.end(),
                           [](const CaseSpread& a, const CaseSpread& b) {
                             return a.caseNumber == b.caseNumber;
                           }),
               lowest.end());
  return lowest;
}

double pointsRatio(std::int64_t best, std::int64_t spread) {
  if (spread == 0) return 1;
  return std::min(1.0, static_cast<double>(best) / static_cast<double>(spread));
}

std::string formatPoints(double points) {
  const int size = std::snprintf(nullptr, 0, "%.3f", points);
  std::string text(static_cast<std::size_t>(std::max(size, 0)) + 1, '\0');
  std::snprintf(text.data(), text.size(), "%.3f", points);
  text.pop_back();
  return text;
}

std::optional<double> parsePointsPerCase(std::string_view text) {
  const std::size_t point = text.find('.');
  const std::string_view whole = text.substr(0, point);
  const std::string_view fraction =
      point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
  const auto digits = [](std::string_view part) {
    return std::all_of(part.begin(), part.end(), [](char c) { return c >= '0' && c <= '9'; });
  };
  if (whole.empty() || !digits(whole) || !digits(fraction) ||
      (point != std::string_view::npos && fraction.empty())) {
    return std::nullopt;
  }
  // Digits and one point: the program keeps the C locale, whose strtod reads them as written.
  const double value = std::strtod(std::string(text).c_str(), nullptr);
  if (!(value > 0) || value > kMostPointsPerCase) return std::nullopt;
  return value;
}

double defaultPointsPerCase(std::size_t caseCount) {
  return 100.0 / static_cast<double>(std::max<std::size_t>(caseCount, 1));
}

PointsAgainstBests scoreAgainstBests(const std::vector<CaseSpread>& bests,
                                     const std::vector<CaseSpread>& lowest) {
  PointsAgainstBests scored;
  scored.cases.reserve(bests.size());
  std::size_t k = 0;
  for (const CaseSpread& best : bests) {
    while (k < lowest.size() && lowest[k].caseNumber < best.caseNumber)
      ++k;
    CasePoints points{best.caseNumber, best.spread, std::nullopt, 0};
    if (k < lowest.size() && lowest[k].caseNumber == best.caseNumber) {
      points.spread = lowest[k].spread;
      points.ratio = pointsRatio(best.spread, lowest[k].spread);
      ++scored.answered;
    }
    scored.ratioSum += points.ratio;
    scored.cases.push_back(points);
  }
  return scored;
}

std::string caseSummary(const PointsAgainstBests& scored, std::size_t limit) {
  std::string summary = std::to_string(scored.answered) + " of " +
                        std::to_string(scored.cases.size()) + " cases answered";
  for (const CasePoints& points : scored.cases) {
    if (summary.size() > limit) {
      summary += "; ...";
      break;
    }
    summary += "; case " + std::to_string(points.caseNumber) + ": ";
    summary += points.spread ? "spread " + std::to_string(*points.spread) : "not answered";
    summary += ", best " + std::to_string(points.best);
  }
  return summary;
}

}  // namespace pelvano::contest
