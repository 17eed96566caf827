#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "judge/validator.h"

namespace pelvano::judge {
namespace {

// The words after FEEDBACK_DIR are flags alone: help and unknown words are passed over,
// `score` and `points P` may repeat (the last points win), and P is a plain decimal number
// up to 1000000, else the run is the jury's error.
TEST(ValidatorFlags, TakesTheWordsAsTheFormatJoinsThem) {
  struct Case {
    std::vector<std::string> words;
    bool valid;
    bool score;
    std::optional<double> points;
  };
  const std::vector<Case> cases = {
      {{"score", "-h", "--help", "--", "x"}, true, true, std::nullopt},
      {{"score", "score"}, true, true, std::nullopt},
      {{"-h"}, true, false, std::nullopt},
      {{}, true, false, std::nullopt},
      {{"score", "points", "1000000"}, true, true, 1000000},
      {{"score", "points", "2", "points", "3.5"}, true, true, 3.5},
      {{"points", "0.5", "score"}, true, true, 0.5},
      {{"score", "points", "1e6"}, false, false, std::nullopt},
      {{"score", "points", "1e50"}, false, false, std::nullopt},
      {{"score", "points", "0x10"}, false, false, std::nullopt},
      {{"score", "points", "1000000.001"}, false, false, std::nullopt},
      {{"score", "points", "0"}, false, false, std::nullopt},
      {{"score", "points"}, false, false, std::nullopt},
      {{"points", "2"}, false, false, std::nullopt},
  };
  for (const Case& c : cases) {
    std::string error;
    const std::optional<ValidatorFlags> flags = parseValidatorFlags(c.words, error);
    const std::string shown = c.words.empty() ? "(none)" : c.words.back();
    ASSERT_EQ(flags.has_value(), c.valid) << shown << ": " << error;
    EXPECT_EQ(error.empty(), c.valid) << shown;
    if (!flags) continue;
    EXPECT_EQ(flags->score, c.score) << shown;
    EXPECT_EQ(flags->pointsPerCase, c.points) << shown;
  }
}

}  // namespace
}  // namespace pelvano::judge
