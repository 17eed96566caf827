// One block of the submission: a labelling of one test case's grid.
#pragma once

#include <cstdint>
#include <vector>

#include "input/grid.h"
#include "input/line_source.h"
#include "input/test_case.h"

namespace pelvano {

class Arrangement {
 public:
  std::int32_t w = 0;
  std::int32_t h = 0;
  std::int32_t d = 0;
  LabelGrid labels;  // 0 to 999999999 as read; negative once visited by the scorer
  std::int32_t caseNumber = 0;
  const TestCase* testCase = nullptr;  // in the driver's list, which outlives the block

  // Binds this record to `boundCase` and reads its h label rows. `line` is the number of the
  // next line to be read and advances past each row. A reused record keeps its storage.
  void readArrangement(LineSource& file, LineCounter& line, std::int32_t number,
                       const TestCase& boundCase);

  // The spread of the regions' populations; fails when the labelling has not exactly d
  // regions. Consumes the labels: an arrangement is scored once.
  std::int32_t scoreArrangement();

 private:
  std::vector<std::int32_t> labelCells_;  // the cells `labels` views, kept for the next block
  std::vector<std::uint32_t> workQueue_;  // the flood fill's queue, kept for the next block
};

}  // namespace pelvano
