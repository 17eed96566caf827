// Scoring through whole evaluations: the report each labelling gives.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "reference_regions.h"
#include "trickling_source.h"

namespace pelvano::test {
namespace {

struct ScoringCase {
  const char* name;
  Rows populations;
  Rows labels;
  int d;
  std::string expectedReport;
};

std::string scoreOne(const Rows& populations, const Rows& labels, int d) {
  return evaluateInPieces(taskText({populations}, {d}),
                          kSubmissionHeader + "1\n" + rowsText(labels));
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
    const ReferenceRegions reference = referenceRegions(populations, labels);
    const auto count = static_cast<int>(reference.populations.size());
    const long long spread = reference.spread();
    EXPECT_EQ(scoreOne(populations, labels, count), "OK\n1\n1 " + std::to_string(spread) + "\n");
    if (count < w * h) {
      EXPECT_EQ(scoreOne(populations, labels, count + 1),
                "Napaka [Pelvano:141]: v razporedu je " + std::to_string(count) +
                    " obmocij namesto " + std::to_string(count + 1) + "\n-1\n");
    }
  }
}

}  // namespace
}  // namespace pelvano::test
