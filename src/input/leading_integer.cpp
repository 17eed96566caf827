#include "input/leading_integer.h"

#include <cstddef>

#include "input/byte_kind.h"

namespace pelvano {
namespace {

// Parses one number at `position`, moving it past the number; nullopt if none stands there.
std::optional<std::int32_t> parseAt(std::string_view text, std::size_t& position) {
  std::size_t p = position;
  while (p < text.size() && isWhiteSpace(text[p]))
    ++p;
  bool negative = false;
  if (p < text.size() && (text[p] == '+' || text[p] == '-')) {
    negative = text[p] == '-';
    ++p;
  }
  std::int64_t magnitude = 0;
  const std::size_t firstDigit = p;
  while (p < text.size() && kindOf(text[p]) == ByteKind::kDigit)
    magnitude = addDigit(magnitude, text[p++]);
  if (p == firstDigit) return std::nullopt;
  position = p;
  return saturatedValue(negative, magnitude);
}

// The text as a C string sees it: up to its first NUL byte.
std::string_view beforeNul(std::string_view text) {
  return text.substr(0, text.find('\0'));
}

}  // namespace

std::optional<std::int32_t> parseLeadingInteger(std::string_view text) {
  std::size_t position = 0;
  return parseAt(beforeNul(text), position);
}

LeadingIntegers parseLeadingIntegers(std::string_view text) {
  LeadingIntegers result;
  const std::string_view visible = beforeNul(text);
  std::size_t position = 0;
  while (result.count < 4) {
    const std::optional<std::int32_t> value = parseAt(visible, position);
    if (!value) break;
    result.values[result.count++] = *value;
  }
  return result;
}

}  // namespace pelvano
