// Builds task files and submissions as text, and evaluates them in-process.
#pragma once

#include <string>
#include <vector>

#include "evaluation.h"
#include "trickling_source.h"

namespace pelvano::testing {

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

inline const std::string kSubmissionHeader = "123456\nTolvarustepnik\n";

inline std::string evaluateText(const std::string& task, const std::string& submission,
                                std::size_t piece = std::string::npos) {
  TricklingSource taskSource(task, piece);
  TricklingSource submissionSource(submission, piece);
  return evaluate(taskSource, submissionSource);
}

}  // namespace pelvano::testing
