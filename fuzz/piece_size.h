// How a fuzzer's input chooses the way its bytes are handed over.
#pragma once

#include <cstddef>

#include "trickling_source.h"  // from tests/support

namespace pelvano::fuzzing {

using testing::TricklingSource;

// The first byte of a fuzzer's input chooses how the rest is handed over: whole, or in
// pieces of 1 to 7 bytes, so that block boundaries fall everywhere.
inline std::size_t pieceSize(unsigned char choice) {
  return choice % 8 == 0 ? std::size_t{1} << 20 : choice % 8;
}

}  // namespace pelvano::fuzzing
