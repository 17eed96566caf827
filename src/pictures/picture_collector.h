// Makes a picture of every block an evaluation reads, as the evaluation reads it.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>

#include "evaluation/evaluation.h"
#include "pictures/block_picture.h"
#include "scoring/region_finder.h"

namespace pelvano::pictures {

class PictureCollector final : public BlockObserver {
 public:
  // `done` receives each scored block's picture as soon as it is complete.
  explicit PictureCollector(std::function<void(const BlockPicture&)> done)
      : done_(std::move(done)) {}

  void blockRead(Arrangement& arrangement) override;
  void blockScored(std::int32_t score) override;
  void gridFailed(Arrangement& arrangement) override;

  // For an observer that shows it only some blocks: how many blocks came before the next one
  // it is shown, which numbers that block's picture.
  void setBlocksBefore(std::int32_t blocks) { blocks_ = blocks; }

  // After the evaluation: the picture of the block it failed at, with the report's failure
  // line, if it failed inside a block.
  std::optional<BlockPicture> failedBlock(const Evaluation& evaluation);

 private:
  BlockPicture startPicture(const Arrangement& arrangement) const;

  std::function<void(const BlockPicture&)> done_;
  std::optional<BlockPicture> pending_;  // read, and not yet scored or failed
  RegionFinder finder_;
  std::vector<std::int32_t> labelCopy_;
  std::int32_t blocks_ = 0;
};

}  // namespace pelvano::pictures
