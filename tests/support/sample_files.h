// Task files and submissions as text: the small sample that the tests share, and builders
// for grids of any shape.
#pragma once

#include <string>
#include <vector>

namespace pelvano::test {

// The task's one case has width 3, height 2 and d = 2; the answer labels it with two regions
// of populations 7 and 14, so it scores 7.
inline const std::string kSmallTask = "Tolvarustepnik\n1\n\n1 3 2 2\n1 2 3\n4 5 6\n";
inline const std::string kSubmissionHeader = "123456\nTolvarustepnik\n";
inline const std::string kSmallAnswer = kSubmissionHeader + "1\n1 1 2\n1 2 2\n";

using Rows = std::vector<std::vector<int>>;

inline std::string rowsText(const Rows& rows) {
  std::string text;
  for (const auto& row : rows) {
    for (std::size_t c = 0; c < row.size(); ++c)
      text += (c ? " " : "") + std::to_string(row[c]);
    text += '\n';
  }
  return text;
}

// A task file whose case k (from 1) has populations[k - 1] and regions[k - 1].
inline std::string taskText(const std::vector<Rows>& populations, const std::vector<int>& regions) {
  std::string text = "Tolvarustepnik\n" + std::to_string(populations.size()) + "\n";
  for (std::size_t k = 0; k < populations.size(); ++k) {
    const Rows& grid = populations[k];
    text += "\n" + std::to_string(k + 1) + " " + std::to_string(grid[0].size()) + " " +
            std::to_string(grid.size()) + " " + std::to_string(regions[k]) + "\n" + rowsText(grid);
  }
  return text;
}

}  // namespace pelvano::test
