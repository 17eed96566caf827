// One submission judged and drawn: what pelvano-judge draw, the contest systems' visualizer
// and the page each show.
#pragma once

#include <cstdint>
#include <functional>
#include <limits>

#include "evaluation/evaluation.h"
#include "pictures/block_picture.h"
#include "platform/byte_source.h"
#include "readers/task_file.h"

namespace pelvano::pictures {

struct DrawnSubmission {
  Evaluation evaluation;
  std::int32_t blocks = 0;  // how many blocks the evaluation came to
};

// Evaluates `submission` as Pelvano eval does and gives `draw` the picture of each of its
// first `limit` blocks as it is scored, then the picture of the block the evaluation failed
// in, wherever it lies, with the report's failure line. `observer`, when given, sees the same
// evaluation's blocks.
DrawnSubmission drawSubmission(const Task& task, ByteSource& submission,
                               const std::function<void(const BlockPicture&)>& draw,
                               std::int32_t limit = std::numeric_limits<std::int32_t>::max(),
                               BlockObserver* observer = nullptr);

}  // namespace pelvano::pictures
