#include "check_failure.h"

#include <utility>

namespace pelvano {

void raiseCheckFailure(std::string message, std::string sourceName, std::int32_t code) {
  throw EAssertion{std::move(message), std::move(sourceName), code};
}

void failCheck(std::int32_t code, std::string message) {
  raiseCheckFailure(std::move(message), std::string(kSourceName), code);
}

std::string decimal(std::int64_t number) {
  return std::to_string(number);
}

std::string quoted(std::string_view text) {
  std::string result;
  result.reserve(text.size() + 2);
  result += '"';
  result += text;
  result += '"';
  return result;
}

}  // namespace pelvano
