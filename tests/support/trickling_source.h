// A byte source that hands its bytes over a few at a time, as a pipe may, so that block
// boundaries fall everywhere in what is read.
#pragma once

#include <algorithm>
#include <cstddef>
#include <string_view>

#include "input/byte_source.h"

namespace pelvano::testing {

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

}  // namespace pelvano::testing
