// The row algorithm byte by byte, as plainly as it can be written: the yardstick that the
// tests and the fuzzer hold the fast scanner to.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "readers/row_scanner.h"

namespace pelvano::test {

struct RowOutcome {
  std::vector<std::int32_t> numbers;  // the numbers accepted before any refusal
  std::optional<std::pair<RowFailure, std::int32_t>> refusal;
};

// `line` is one line without its line end.
inline RowOutcome referenceScan(std::string_view line, std::int32_t width,
                                const RowProfile& profile, std::int64_t total = 0) {
  RowOutcome outcome;
  const auto isSpace = [](char c) {
    return std::string_view(" \t\n\v\f\r").find(c) != std::string_view::npos;
  };
  const auto refuse = [&](RowFailure failure, std::int32_t argument) {
    outcome.refusal = std::pair{failure, argument};
    return outcome;
  };
  std::size_t p = 0;
  for (std::int32_t j = 0; j < width; ++j) {
    while (p < line.size() && isSpace(line[p]))
      ++p;
    if (p == line.size()) return refuse(RowFailure::kTooFew, j);
    std::int64_t value = 0;
    for (; p < line.size() && !isSpace(line[p]); ++p) {
      const char c = line[p];
      if (c < '0' || c > '9') return refuse(RowFailure::kNotDigit, static_cast<unsigned char>(c));
      if (value > 214748364 || (value == 214748364 && c > '7')) {
        return refuse(RowFailure::kOverflow, j + 1);
      }
      value = value * 10 + (c - '0');
    }
    if (value > profile.rules.limit) return refuse(RowFailure::kTooLarge, j + 1);
    outcome.numbers.push_back(static_cast<std::int32_t>(value));
    if (profile.rules.keepsTotal && (total += value) > kMaxTotalPopulation) {
      return refuse(RowFailure::kTotal, j + 1);
    }
  }
  while (p < line.size() && isSpace(line[p]))
    ++p;
  if (p < line.size()) return refuse(RowFailure::kTooMany, width);
  return outcome;
}

}  // namespace pelvano::test
