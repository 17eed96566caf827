// Table-driven evaluation cases: a task, a submission and the whole report they must give.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "trickling_source.h"

namespace pelvano::test {

struct ReportCase {
  const char* name;
  std::string task;
  std::string submission;
  std::string expected;
};

// Each case is also read in pieces of a few bytes, as a pipe may hand them over: every line,
// number and CR LF pair then falls across a block boundary somewhere.
inline void expectReports(const std::vector<ReportCase>& cases) {
  for (const ReportCase& c : cases) {
    EXPECT_EQ(evaluateInPieces(c.task, c.submission), c.expected) << c.name;
    for (const std::size_t piece : {1, 2, 3, 7}) {
      EXPECT_EQ(evaluateInPieces(c.task, c.submission, piece), c.expected)
          << c.name << " in pieces of " << piece;
    }
  }
}

// Rows of `width` copies of `cell`, `height` of them.
inline std::string repeatedRows(int width, int height, const std::string& cell) {
  std::string row;
  for (int c = 0; c < width; ++c)
    row += (c ? " " : "") + cell;
  std::string rows;
  for (int r = 0; r < height; ++r)
    rows += row + "\n";
  return rows;
}

}  // namespace pelvano::test
