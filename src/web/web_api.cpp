// The core as the browser page calls it, from its Web Worker: the two files' bytes in, the
// report, the answered cases and the pictures out. Each call judges anew; what it found is
// kept until the next call.
#include <emscripten.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "evaluation/evaluation.h"
#include "pictures/block_picture.h"
#include "pictures/picture_collector.h"
#include "platform/byte_source.h"

namespace pelvano::web {
namespace {

// Tells the page how far the reading has come, a few times a second's worth of bytes.
EM_JS(void, reportProgress, (double done, double total),
      { postMessage({kind : 'progress', done : done, total : total}); });

// The file's bytes in the module's memory, read in pieces so that the page can show progress.
class ProgressByteSource final : public ByteSource {
 public:
  ProgressByteSource(std::string_view bytes, double offset, double total)
      : bytes_(bytes), offset_(offset), total_(total) {}

  std::size_t read(char* into, std::size_t capacity) override {
    const std::size_t count = memory_.read(into, capacity);
    read_ += count;
    if (read_ >= nextReport_ || count == 0) {
      reportProgress(offset_ + static_cast<double>(read_), total_);
      nextReport_ = read_ + kReportEvery;
    }
    return count;
  }
  std::size_t remainingHint() const override { return bytes_.size() - read_; }

 private:
  static constexpr std::size_t kReportEvery = std::size_t{4} << 20;
  std::string_view bytes_;
  MemoryByteSource memory_{bytes_};
  double offset_;
  double total_;
  std::size_t read_ = 0;
  std::size_t nextReport_ = 0;
};

// Pictures of the first few blocks only: a submission of a million blocks would make the page
// unusable, not clearer.
class FirstBlocks final : public BlockObserver {
 public:
  FirstBlocks(pictures::PictureCollector& collector, std::int32_t limit)
      : collector_(collector), limit_(limit) {}
  void blockRead(Arrangement& arrangement) override {
    if (++blocks_ <= limit_) collector_.blockRead(arrangement);
  }
  void blockScored(std::int32_t score) override {
    if (blocks_ <= limit_) collector_.blockScored(score);
  }
  void gridFailed(Arrangement& arrangement) override {
    if (++blocks_ <= limit_) collector_.gridFailed(arrangement);
  }
  std::int32_t blocks() const { return blocks_; }

 private:
  pictures::PictureCollector& collector_;
  std::int32_t limit_;
  std::int32_t blocks_ = 0;
};

// What the last call found.
struct Judged {
  std::string report;
  std::vector<CaseResult> results;
  std::vector<std::string> pictures;
  std::int32_t blocks = 0;
};

Judged& judged() {
  static Judged last;  // the module serves one page, one call at a time
  return last;
}

}  // namespace
}  // namespace pelvano::web

using pelvano::web::judged;

extern "C" {

// Judges the submission against the task as `Pelvano eval` would; the report and the scored
// blocks are then asked for with the functions below. 0 when memory ran out.
EMSCRIPTEN_KEEPALIVE int pelvano_judge(const char* task, std::size_t taskSize,
                                       const char* submission, std::size_t submissionSize) {
  using namespace pelvano;
  const double total = static_cast<double>(taskSize + submissionSize);
  web::ProgressByteSource taskSource({task, taskSize}, 0, total);
  web::ProgressByteSource submissionSource({submission, submissionSize},
                                           static_cast<double>(taskSize), total);
  try {
    const Evaluation evaluation = evaluateRun(taskSource, submissionSource);
    judged() = {};
    judged().report = reportText(evaluation);
    judged().results.assign(evaluation.results.begin(), evaluation.results.end());
    return 1;
  } catch (...) {
    judged() = {};
    return 0;
  }
}

// Draws the first `limit` blocks as `pelvano-judge draw` does; the pictures are then asked
// for with the functions below. 0 when memory ran out.
EMSCRIPTEN_KEEPALIVE int pelvano_draw(const char* task, std::size_t taskSize,
                                      const char* submission, std::size_t submissionSize,
                                      std::int32_t limit) {
  using namespace pelvano;
  try {
    MemoryByteSource taskSource({task, taskSize});
    const TaskReading reading = readTask(taskSource);
    judged().pictures.clear();
    if (reading.outcome.kind != Outcome::Kind::kPassed) return 1;
    pictures::PictureCollector collector([](const pictures::BlockPicture& picture) {
      judged().pictures.push_back(pictures::blockPictureElement(picture, 0, 0));
    });
    web::FirstBlocks first(collector, limit);
    MemoryByteSource submissionSource({submission, submissionSize});
    const Evaluation evaluation = evaluateSubmission(reading.task, submissionSource, &first);
    if (const auto failed = collector.failedBlock(evaluation)) {
      judged().pictures.push_back(pictures::blockPictureElement(*failed, 0, 0));
    }
    judged().blocks = first.blocks();
    return 1;
  } catch (...) {
    judged().pictures.clear();
    return 0;
  }
}

EMSCRIPTEN_KEEPALIVE const char* pelvano_report() {
  return judged().report.data();
}
EMSCRIPTEN_KEEPALIVE std::size_t pelvano_report_size() {
  return judged().report.size();
}
EMSCRIPTEN_KEEPALIVE std::size_t pelvano_result_count() {
  return judged().results.size();
}
EMSCRIPTEN_KEEPALIVE std::int32_t pelvano_result_case(std::size_t i) {
  return judged().results[i].caseNumber;
}
EMSCRIPTEN_KEEPALIVE std::int32_t pelvano_result_spread(std::size_t i) {
  return judged().results[i].score;
}
EMSCRIPTEN_KEEPALIVE std::size_t pelvano_picture_count() {
  return judged().pictures.size();
}
EMSCRIPTEN_KEEPALIVE const char* pelvano_picture(std::size_t i) {
  return judged().pictures[i].c_str();
}
EMSCRIPTEN_KEEPALIVE std::int32_t pelvano_block_count() {
  return judged().blocks;
}

}  // extern "C"
