// One block of the submission: a labelling of one test case's grid.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "task/grid.h"
#include "task/test_case.h"

namespace pelvano {

// Read by readArrangement (readers/submission_file.h) and scored by scoreArrangement
// (scoring/score.h). The driver keeps one record and binds it to every block in turn, so its
// storage is allocated only when a larger grid comes. Not copyable: its labels are one
// block's, read once.
class Arrangement {
 public:
  std::int32_t w = 0;
  std::int32_t h = 0;
  std::int32_t d = 0;
  std::int32_t caseNumber = 0;
  const TestCase* testCase = nullptr;  // in the driver's list, which outlives the block
  // The number of the block's first line, which names its case; its rows follow it.
  std::int64_t firstLine = 0;

  Arrangement() = default;
  Arrangement(const Arrangement&) = delete;
  Arrangement& operator=(const Arrangement&) = delete;

  // Binds the record to case `number`, with room for its h rows of w labels and `overrun`
  // cells more past the last row's border; no row is read yet.
  void bind(std::int32_t number, const TestCase& boundCase, std::size_t overrun) {
    caseNumber = number;
    testCase = &boundCase;
    w = boundCase.w;
    h = boundCase.h;
    d = boundCase.d;
    // Grown, never shrunk: blocks of different cases take turns, and growing again would
    // clear the cells each time.
    const std::size_t cells = LabelGrid::cellCount(w, h) + overrun;
    if (labelCells_.size() < cells) labelCells_.resize(cells);
    rowsRead_ = 0;
  }

  // The h rows of w labels, 0 to 999999999 as read, each followed by kRowEnd.
  LabelGrid labels() { return LabelGrid(labelCells_.data(), w, h); }
  // How many of the h rows have been read whole; a row that failed its check is not counted.
  std::int32_t rowsRead() const { return rowsRead_; }
  void setRowsRead(std::int32_t rows) { rowsRead_ = rows; }

 private:
  std::vector<std::int32_t> labelCells_;  // padded, as LabelGrid addresses them
  std::int32_t rowsRead_ = 0;
};

}  // namespace pelvano
