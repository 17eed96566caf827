#include "pictures/picture_collector.h"

#include <algorithm>
#include <utility>

#include "task/arrangement.h"

namespace pelvano::pictures {

namespace {

// Each region's label, from the cells as read.
void labelRegions(BlockPicture& picture, const LabelGrid& labels) {
  const RegionMap& map = picture.regions;
  picture.regionLabels.assign(map.populations.size(), 0);
  for (std::int32_t row = 0; row < map.height; ++row) {
    for (std::int32_t column = 0; column < map.width; ++column) {
      const std::size_t cell = static_cast<std::size_t>(row) * static_cast<std::size_t>(map.width) +
                               static_cast<std::size_t>(column);
      picture.regionLabels[static_cast<std::size_t>(map.regionOfCell[cell])] =
          labels.row(row)[column];
    }
  }
}

}  // namespace

BlockPicture PictureCollector::startPicture(const Arrangement& arrangement) const {
  BlockPicture picture;
  picture.block = blocks_;
  picture.caseNumber = arrangement.caseNumber;
  picture.d = arrangement.d;
  picture.width = arrangement.w;
  picture.height = arrangement.h;
  return picture;
}

void PictureCollector::blockRead(Arrangement& arrangement) {
  ++blocks_;
  pending_ = startPicture(arrangement);
  const LabelGrid labels = arrangement.labels();
  pending_->regions = finder_.findMap(labels, arrangement.testCase->populations);
  labelRegions(*pending_, labels);
  pending_->countDiagnosis = diagnoseCount(pending_->regions, pending_->regionLabels, pending_->d);
}

void PictureCollector::blockScored(std::int32_t score) {
  if (!pending_) return;
  pending_->spread = score;
  done_(*pending_);
  pending_.reset();
}

void PictureCollector::gridFailed(Arrangement& arrangement) {
  ++blocks_;
  // The rows read whole, in a grid of their own with the border that ends every run.
  const std::int32_t rows = arrangement.rowsRead();
  const LabelGrid labels = arrangement.labels();
  labelCopy_.assign(LabelGrid::cellCount(labels.width(), rows), kRowEnd);
  const LabelGrid read(labelCopy_.data(), labels.width(), rows);
  for (std::int32_t row = 0; row < rows; ++row)
    std::copy_n(labels.row(row), labels.width(), read.row(row));
  const PopulationGrid& populations = arrangement.testCase->populations;
  pending_ = startPicture(arrangement);
  pending_->faultyRow = rows;
  pending_->regions =
      finder_.findMap(read, PopulationGrid(populations.cells(), populations.width(), rows));
  labelRegions(*pending_, read);
}

std::optional<BlockPicture> PictureCollector::failedBlock(const Evaluation& evaluation) {
  if (!pending_ || evaluation.outcome.kind == Outcome::Kind::kPassed) return std::nullopt;
  BlockPicture picture = std::move(*pending_);
  pending_.reset();
  picture.failure = firstReportLine(evaluation.outcome);
  return picture;
}

}  // namespace pelvano::pictures
