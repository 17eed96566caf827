// Reads the integers that stand at the start of a header line.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace pelvano {

struct LeadingIntegers {
  std::int32_t values[4] = {};
  int count = 0;  // how many were converted, from the first on
};

// Magnitudes are capped just past the 32-bit range, which is all saturation needs to know:
// accumulate digits with addDigit, then take saturatedValue.
inline constexpr std::int64_t kMagnitudeCap = std::int64_t{2147483647} + 1;

inline std::int64_t addDigit(std::int64_t magnitude, char digit) {
  const std::int64_t next = magnitude * 10 + (digit - '0');
  return next < kMagnitudeCap ? next : kMagnitudeCap;
}

inline std::int32_t saturatedValue(bool negative, std::int64_t magnitude) {
  if (negative) return static_cast<std::int32_t>(-magnitude);  // -2147483648 at the cap
  return static_cast<std::int32_t>(magnitude < kMagnitudeCap ? magnitude : kMagnitudeCap - 1);
}

// Optional white space, an optional sign, then at least one decimal digit; whatever follows
// the digits is ignored, and a NUL byte ends the text. A number beyond the signed 32-bit
// range saturates to 2147483647 or -2147483648, all its digits consumed.
std::optional<std::int32_t> parseLeadingInteger(std::string_view text);

// Up to four such numbers one after the other, stopping at the first that is missing:
// "1-2 3 4" gives 1, -2, 3 and 4.
LeadingIntegers parseLeadingIntegers(std::string_view text);

}  // namespace pelvano
