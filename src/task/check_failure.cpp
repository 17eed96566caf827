#include "task/check_failure.h"

#include <utility>

namespace pelvano {

void raiseCheckFailure(std::string message, std::string sourceName, std::int32_t code) {
  throw EAssertion{std::move(message), std::move(sourceName), code};
}

void failCheck(std::int32_t code, std::string message) {
  raiseCheckFailure(std::move(message), std::string(kSourceName), code);
}

void failCheck(std::int32_t code, QuotedMessage message) {
  throw EAssertion{std::move(message.text), std::string(kSourceName), code, message.quoteAt};
}

std::string decimal(std::int64_t number) {
  return std::to_string(number);
}

QuotedMessage quotedAfter(std::string_view before, std::string&& text) {
  std::string message = std::move(text);
  // One move of the text's bytes to make room in front, within the storage it has when the
  // line source left room for this.
  message.reserve(message.size() + before.size() + 2);
  message.insert(0, before.size() + 1, '"');
  message.replace(0, before.size(), before);
  message += '"';
  return {std::move(message), before.size() + 1};
}

}  // namespace pelvano
