// Pictures of a submission's regions: `pelvano-judge draw` and the package format's output
// visualizer.
#pragma once

#include <filesystem>
#include <ostream>
#include <string>

#include "pictures/language.h"
#include "platform/byte_source.h"

namespace pelvano::judge {

inline constexpr int kDrawn = 0;
inline constexpr int kDrawFailed =
    3;  // the task failed, or DIR or the submission could not be used

// Judges the submission as `Pelvano eval` would and writes DIR/block-K-case-N.svg for every
// block read (the one it failed at included) and DIR/index.html, which shows the report and
// every picture, their words and the hints beside a failure in `language`. A task that cannot
// be read or fails its checks: a message on `err`, nothing written, 3.
int runDraw(const std::string& taskPath, const std::string& submissionPath,
            const std::filesystem::path& out, pictures::Language language, std::ostream& err);

// `visualize INPUT ANSWER FEEDBACK_DIR < SUBMISSION`: FEEDBACK_DIR/teamimage.svg with every
// block's picture, one below the other. Its failure is never a verdict: it returns 1 only
// when the image cannot be written, and 0 otherwise, even for a task that fails (the image
// then says so).
int runVisualizer(const std::string& inputPath, ByteSource& submission,
                  const std::filesystem::path& feedbackDir, std::ostream& err);

}  // namespace pelvano::judge
