// Fuzzes a whole evaluation: the input is a choice byte, the task file, the marker
// "\n%%\n", and the submission.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "pieces.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::size_t piece = pelvano::fuzzing::pieceSize(data[0]);
  const std::string_view input(reinterpret_cast<const char*>(data) + 1, size - 1);
  constexpr std::string_view kMarker = "\n%%\n";
  const std::size_t marker = input.find(kMarker);
  const std::string_view task = input.substr(0, marker);
  const std::string_view submission =
      marker == std::string_view::npos ? std::string_view() : input.substr(marker + kMarker.size());
  pelvano::fuzzing::evaluateAndCheck(task, submission, piece);
  return 0;
}
