#include "pictures/submission_drawing.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "pictures/picture_collector.h"
#include "task/arrangement.h"

namespace pelvano::pictures {
namespace {

// Pictures of the first `limit` blocks only (a submission of a million blocks would make a
// page unusable, not clearer), and always of the block the evaluation failed at: a later
// block's labels are kept until it is scored, to be drawn if it is not.
class FirstBlocks final : public BlockObserver {
 public:
  FirstBlocks(PictureCollector& collector, std::int32_t limit)
      : collector_(collector), limit_(limit) {}

  void blockRead(Arrangement& arrangement) override {
    if (++blocks_ <= limit_) {
      collector_.blockRead(arrangement);
      return;
    }
    later_ = Later{arrangement.caseNumber, arrangement.testCase};
    const LabelGrid labels = arrangement.labels();
    laterLabels_.assign(labels.row(0),
                        labels.row(0) + LabelGrid::cellCount(arrangement.w, arrangement.h));
  }
  void blockScored(std::int32_t score) override {
    if (blocks_ <= limit_) collector_.blockScored(score);
    later_.reset();
  }
  void gridFailed(Arrangement& arrangement) override {
    collector_.setBlocksBefore(blocks_++);
    collector_.gridFailed(arrangement);
  }

  // After the evaluation: a later block that was read and not scored, given to the collector
  // with its labels as read.
  void drawUnscored() {
    if (!later_) return;
    Arrangement arrangement;
    arrangement.bind(later_->caseNumber, *later_->testCase, 0);
    std::copy(laterLabels_.begin(), laterLabels_.end(), arrangement.labels().row(0));
    arrangement.setRowsRead(arrangement.h);
    collector_.setBlocksBefore(blocks_ - 1);
    collector_.blockRead(arrangement);
  }
  std::int32_t blocks() const { return blocks_; }

 private:
  struct Later {
    std::int32_t caseNumber;
    const TestCase* testCase;
  };
  PictureCollector& collector_;
  std::int32_t limit_;
  std::int32_t blocks_ = 0;
  std::optional<Later> later_;
  std::vector<std::int32_t> laterLabels_;
};

}  // namespace

DrawnSubmission drawSubmission(const Task& task, ByteSource& submission,
                               const std::function<void(const BlockPicture&)>& draw,
                               std::int32_t limit, BlockObserver* observer) {
  PictureCollector collector(draw);
  FirstBlocks first(collector, limit);
  std::optional<ObserverPair> both;
  if (observer != nullptr) both.emplace(first, *observer);
  DrawnSubmission drawn;
  drawn.evaluation =
      evaluateSubmission(task, submission, both ? static_cast<BlockObserver*>(&*both) : &first);
  if (drawn.evaluation.outcome.kind != Outcome::Kind::kPassed) first.drawUnscored();
  if (const std::optional<BlockPicture> failed = collector.failedBlock(drawn.evaluation))
    draw(*failed);
  drawn.blocks = first.blocks();
  return drawn;
}

}  // namespace pelvano::pictures
