// Fuzzes the validator's flags, the words after FEEDBACK_DIR (NUL-separated here): any words
// give flags or a reason, never an exception, and points that are set lie above 0 and at
// most 1000000.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "judge/validator.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<std::string> words(1);
  for (std::size_t i = 0; i < size; ++i) {
    if (data[i] == '\0') {
      words.emplace_back();
    } else {
      words.back() += static_cast<char>(data[i]);
    }
  }
  std::string error;
  const auto flags = pelvano::judge::parseValidatorFlags(words, error);
  if (!flags && error.empty()) std::abort();
  if (flags && flags->pointsPerCase &&
      !(*flags->pointsPerCase > 0 && *flags->pointsPerCase <= 1e6 && flags->score)) {
    std::abort();
  }
  return 0;
}
