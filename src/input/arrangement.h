// One block of the submission: a labelling of one test case's grid.
#pragma once

#include <cstdint>
#include <vector>

#include "input/grid.h"
#include "input/line_source.h"
#include "input/test_case.h"
#include "scoring/region_finder.h"

namespace pelvano {

// The driver keeps one record and binds it to every block in turn, so its storage is
// allocated only when a larger grid comes. Not copyable: its labels are one block's, read
// once.
class Arrangement {
 public:
  std::int32_t w = 0;
  std::int32_t h = 0;
  std::int32_t d = 0;
  std::int32_t caseNumber = 0;
  const TestCase* testCase = nullptr;  // in the driver's list, which outlives the block

  Arrangement() = default;
  Arrangement(const Arrangement&) = delete;
  Arrangement& operator=(const Arrangement&) = delete;

  // The h rows of w labels, 0 to 999999999 as read, each followed by -1, which ends every run
  // of a label; the rest of the border is not set, as no reader of the grid looks there.
  LabelGrid labels() { return LabelGrid(labelCells_.data(), w, h); }
  // How many of the h rows have been read whole; a row that failed its check is not counted.
  std::int32_t rowsRead() const { return rowsRead_; }

  // Binds this record to `boundCase` and reads its h label rows. `nextLine` is the number of
  // the next line to be read and advances past each row.
  void readArrangement(LineSource& file, LineCounter& nextLine, std::int32_t number,
                       const TestCase& boundCase);

  // The spread of the regions' populations; fails when the labelling has not exactly d
  // regions. The labels are only read. `finder` keeps its storage from block to block.
  std::int32_t scoreArrangement(RegionFinder& finder);

 private:
  std::vector<std::int32_t> labelCells_;  // padded, as LabelGrid addresses them
  std::int32_t rowsRead_ = 0;
};

}  // namespace pelvano
