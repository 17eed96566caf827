// The one way a failed check leaves the code that found it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace pelvano {

// The source name every check stores; the failure report prints it.
inline constexpr std::string_view kSourceName = "Pelvano";

// A failed check: the assembled Slovene message, the source name and the check's fixed code.
// Only the evaluation driver catches it, and turns it into the failure report.
class EAssertion {
 public:
  std::string message;
  std::string sourceName;
  std::int32_t code = 0;
  // Where the input text that the message quotes begins (after its opening quote; the text
  // runs to the closing quote that ends the message), or npos when it quotes none. Tools that
  // show a message in a bounded space cut the quoted text, never the words.
  std::size_t quoteAt = std::string::npos;
};

// A message that ends in quoted input text, and where that text begins.
struct QuotedMessage {
  std::string text;
  std::size_t quoteAt;
};

// Throws an EAssertion holding copies of both strings and the code.
[[noreturn]] void raiseCheckFailure(std::string message, std::string sourceName, std::int32_t code);

// raiseCheckFailure with this program's source name, as every check uses it.
[[noreturn]] void failCheck(std::int32_t code, std::string message);
[[noreturn]] void failCheck(std::int32_t code, QuotedMessage message);

// Helpers for assembling messages: numbers as "%d" prints them, and input text in double
// quotes exactly as read, after the message's words: `before` "text". The message is built in
// the text's own storage, as the quoted line may be hundreds of megabytes.
std::string decimal(std::int64_t number);
QuotedMessage quotedAfter(std::string_view before, std::string&& text);

}  // namespace pelvano
