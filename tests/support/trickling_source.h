// A byte source that hands its bytes over a few at a time, as a pipe may, so that block
// boundaries fall everywhere in what is read; and the evaluation run on such sources.
#pragma once

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>

#include "evaluation/evaluation.h"
#include "platform/byte_source.h"

namespace pelvano::test {

class TricklingSource final : public ByteSource {
 public:
  TricklingSource(std::string_view bytes, std::size_t piece) : inner_(bytes), piece_(piece) {}
  std::size_t read(char* into, std::size_t capacity) override {
    return inner_.read(into, std::min(capacity, piece_));
  }

 private:
  MemoryByteSource inner_;
  std::size_t piece_;
};

inline constexpr std::size_t kWhole = std::string_view::npos;

// The report of one evaluation, both files handed over `piece` bytes at a time.
inline std::string evaluateInPieces(std::string_view task, std::string_view submission,
                                    std::size_t piece = kWhole) {
  TricklingSource taskSource(task, piece);
  TricklingSource submissionSource(submission, piece);
  return evaluate(taskSource, submissionSource);
}

}  // namespace pelvano::test
