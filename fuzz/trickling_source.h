// A byte source that hands its bytes over a few at a time, as a pipe may.
#pragma once

#include <algorithm>
#include <cstddef>
#include <string_view>

#include "input/byte_source.h"

namespace pelvano::fuzzing {

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

// The first byte of a fuzzer's input chooses how the rest is handed over: whole, or in
// pieces of 1 to 7 bytes, so that block boundaries fall everywhere.
inline std::size_t pieceSize(unsigned char choice) {
  return choice % 8 == 0 ? std::size_t{1} << 20 : choice % 8;
}

}  // namespace pelvano::fuzzing
