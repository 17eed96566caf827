#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "text_files.h"

namespace pelvano {
namespace {

using testing::Rows;

struct ScoringCase {
  const char* name;
  Rows populations;
  Rows labels;
  int d;
  std::string expectedReport;
};

std::string scoreOne(const Rows& populations, const Rows& labels, int d) {
  return testing::evaluateText(testing::taskText({populations}, {d}),
                               testing::kSubmissionHeader + "1\n" + testing::rowsText(labels));
}

TEST(RegionScoring, ScoresTheSpreadOrCountsTheRegions) {
  const std::vector<ScoringCase> cases = {
      {"single cell", {{5}}, {{0}}, 1, "OK\n1\n1 0\n"},
      {"columns", {{5, 1}, {5, 1}}, {{1, 2}, {1, 2}}, 2, "OK\n1\n1 8\n"},
      {"diagonals are not adjacent",
       {{1, 1}, {1, 1}},
       {{1, 2}, {2, 1}},
       2,
       "Napaka [Pelvano:141]: v razporedu je 4 obmocij namesto 2\n-1\n"},
      {"one label, two areas", {{1, 2, 3}}, {{7, 8, 7}}, 3, "OK\n1\n1 2\n"},
      {"extreme labels", {{4, 9}}, {{0, 999999999}}, 2, "OK\n1\n1 5\n"},
      {"all one label", {{1, 2}, {30, 4}}, {{3, 3}, {3, 3}}, 1, "OK\n1\n1 0\n"},
  };
  for (const ScoringCase& c : cases) {
    EXPECT_EQ(scoreOne(c.populations, c.labels, c.d), c.expectedReport) << c.name;
  }
}

// Regions found by a plain depth-first search with bounds tests, to check the scorer on
// labellings nobody drew by hand: {count, spread}.
std::pair<int, long long> referenceRegions(const Rows& populations, const Rows& labels) {
  const int h = static_cast<int>(labels.size());
  const int w = static_cast<int>(labels[0].size());
  std::vector<std::vector<bool>> seen(static_cast<std::size_t>(h),
                                      std::vector<bool>(static_cast<std::size_t>(w)));
  std::vector<long long> sums;
  for (int r = 0; r < h; ++r) {
    for (int c = 0; c < w; ++c) {
      if (seen[r][c]) continue;
      long long sum = 0;
      std::vector<std::pair<int, int>> stack = {{r, c}};
      seen[r][c] = true;
      while (!stack.empty()) {
        const auto [y, x] = stack.back();
        stack.pop_back();
        sum += populations[y][x];
        const int dy[] = {0, 0, -1, 1};
        const int dx[] = {-1, 1, 0, 0};
        for (int k = 0; k < 4; ++k) {
          const int ny = y + dy[k];
          const int nx = x + dx[k];
          if (ny < 0 || ny >= h || nx < 0 || nx >= w || seen[ny][nx]) continue;
          if (labels[ny][nx] != labels[y][x]) continue;
          seen[ny][nx] = true;
          stack.push_back({ny, nx});
        }
      }
      sums.push_back(sum);
    }
  }
  const auto [low, high] = std::minmax_element(sums.begin(), sums.end());
  return {static_cast<int>(sums.size()), *high - *low};
}

TEST(RegionScoring, AgreesWithAPlainSearchOnRandomLabellings) {
  std::mt19937 random(20261208);
  for (int round = 0; round < 300; ++round) {
    const int h = 1 + static_cast<int>(random() % 9);
    const int w = 1 + static_cast<int>(random() % 9);
    const int labelCount = 1 + static_cast<int>(random() % 4);
    Rows populations(static_cast<std::size_t>(h), std::vector<int>(static_cast<std::size_t>(w)));
    Rows labels = populations;
    for (int r = 0; r < h; ++r) {
      for (int c = 0; c < w; ++c) {
        populations[r][c] = static_cast<int>(random() % 1000001);
        labels[r][c] = static_cast<int>(random() % static_cast<unsigned>(labelCount));
      }
    }
    const auto [count, spread] = referenceRegions(populations, labels);
    EXPECT_EQ(scoreOne(populations, labels, count), "OK\n1\n1 " + std::to_string(spread) + "\n");
    if (count < w * h) {
      EXPECT_EQ(scoreOne(populations, labels, count + 1),
                "Napaka [Pelvano:141]: v razporedu je " + std::to_string(count) +
                    " obmocij namesto " + std::to_string(count + 1) + "\n-1\n");
    }
  }
}

}  // namespace
}  // namespace pelvano
