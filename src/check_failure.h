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
};

// Throws an EAssertion holding copies of both strings and the code.
[[noreturn]] void raiseCheckFailure(std::string message, std::string sourceName, std::int32_t code);

// raiseCheckFailure with this program's source name, as every check uses it.
[[noreturn]] void failCheck(std::int32_t code, std::string message);

// Helpers for assembling messages: numbers as "%d" prints them, and input text in double
// quotes exactly as read, after the message's words: `before` "text". The message is built in
// the text's own storage, as the quoted line may be hundreds of megabytes.
std::string decimal(std::int64_t number);
std::string quotedAfter(std::string_view before, std::string&& text);

}  // namespace pelvano
