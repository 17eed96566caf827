// Regions found by the plainest search there is, the yardstick for the scorer.
#pragma once

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

#include "sample_files.h"

namespace pelvano::test {

struct ReferenceRegions {
  std::vector<std::vector<int>> regionOfCell;  // numbered in the order of their first cell
  std::vector<std::int64_t> populations;
  long long spread() const {
    const auto [low, high] = std::minmax_element(populations.begin(), populations.end());
    return *high - *low;
  }
};

// A depth-first search with bounds tests over every cell in row-major order.
inline ReferenceRegions referenceRegions(const Rows& populations, const Rows& labels) {
  const int h = static_cast<int>(labels.size());
  const int w = static_cast<int>(labels[0].size());
  ReferenceRegions regions;
  regions.regionOfCell.assign(static_cast<std::size_t>(h),
                              std::vector<int>(static_cast<std::size_t>(w), -1));
  auto& regionOf = regions.regionOfCell;
  for (int r = 0; r < h; ++r) {
    for (int c = 0; c < w; ++c) {
      if (regionOf[r][c] >= 0) continue;
      const int region = static_cast<int>(regions.populations.size());
      long long sum = 0;
      std::vector<std::pair<int, int>> stack = {{r, c}};
      regionOf[r][c] = region;
      while (!stack.empty()) {
        const auto [y, x] = stack.back();
        stack.pop_back();
        sum += populations[y][x];
        const int dy[] = {0, 0, -1, 1};
        const int dx[] = {-1, 1, 0, 0};
        for (int k = 0; k < 4; ++k) {
          const int ny = y + dy[k];
          const int nx = x + dx[k];
          if (ny < 0 || ny >= h || nx < 0 || nx >= w || regionOf[ny][nx] >= 0) continue;
          if (labels[ny][nx] != labels[y][x]) continue;
          regionOf[ny][nx] = region;
          stack.push_back({ny, nx});
        }
      }
      regions.populations.push_back(sum);
    }
  }
  return regions;
}

}  // namespace pelvano::test
