// Hints around a fixed report, for a contestant looking for the fault: which block and lines
// a failure lies in, the byte that is not a digit and its column, what line 1 holds. The
// report's own words never change; these stand beside it, in English and in Slovene.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "evaluation/evaluation.h"

namespace pelvano::contest {

// Where the block being read when the evaluation ended stands in the submission.
struct BlockPlace {
  std::int32_t block = 0;  // its position, from 1
  std::int32_t caseNumber = 0;
  std::int64_t firstLine = 0;  // the line that names its case
  std::int32_t rows = 0;       // the case's h
  std::int32_t rowsRead = 0;   // rows read whole before it ended
};

struct Hint {
  std::string english;
  std::string slovene;
};

// The hints for a submission's outcome, its bytes and, if it ended inside a block, that
// block's place. None for a submission that passed.
std::vector<Hint> failureHints(const Outcome& outcome, std::string_view submission,
                               const std::optional<BlockPlace>& place);

// Watches an evaluation for the place of the block it ended in (pass it as the observer).
class BlockPlaceWatcher final : public BlockObserver {
 public:
  void blockRead(Arrangement& arrangement) override;
  void blockScored(std::int32_t) override { current_.reset(); }
  void gridFailed(Arrangement& arrangement) override;
  const std::optional<BlockPlace>& place() const { return current_; }

 private:
  std::int32_t blocks_ = 0;
  std::optional<BlockPlace> current_;
};

}  // namespace pelvano::contest
