// What every report must look like, whatever the input: the fuzzers stop on anything else.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <string_view>

namespace pelvano::fuzzing {

[[noreturn]] inline void reportViolation(std::string_view why, std::string_view report) {
  std::fprintf(stderr, "bad report (%.*s):\n%.*s\n", static_cast<int>(why.size()), why.data(),
               static_cast<int>(report.size()), report.data());
  std::abort();
}

// Reads a decimal integer (with an optional minus) at `text`, moving past it.
inline bool readInteger(std::string_view& text, long long& value) {
  std::size_t p = text.starts_with('-') ? 1 : 0;
  const std::size_t first = p;
  while (p < text.size() && text[p] >= '0' && text[p] <= '9' && p - first < 12)
    ++p;
  if (p == first || (text[first] == '0' && p - first > 1)) return false;
  value = std::stoll(std::string(text.substr(0, p)));
  text.remove_prefix(p);
  return true;
}

inline bool take(std::string_view& text, std::string_view expected) {
  if (!text.starts_with(expected)) return false;
  text.remove_prefix(expected.size());
  return true;
}

// The report is "OK", a count and that many lines of two integers (a case number of at least
// 1 and a score of at least 0); or one failure line with a defined check code, and "-1".
inline void checkReport(std::string_view report) {
  static const std::set<long long> kCodes = {65,  66,  67,  69,  71,  72,  73,  77,  83,  87,  90,
                                             92,  94,  97,  141, 155, 159, 163, 166, 168, 171, 195,
                                             196, 199, 201, 207, 215, 216, 218, 219, 220, 228, 230};
  std::string_view rest = report;
  long long number = 0;
  if (take(rest, "OK\n")) {
    long long count = 0;
    if (!readInteger(rest, count) || count < 0 || !take(rest, "\n")) {
      reportViolation("count", report);
    }
    for (long long i = 0; i < count; ++i) {
      if (!readInteger(rest, number) || number < 1 || number > 2147483647 || !take(rest, " ")) {
        reportViolation("case number", report);
      }
      if (!readInteger(rest, number) || number < 0 || number > 2000000000 || !take(rest, "\n")) {
        reportViolation("score", report);
      }
    }
    if (!rest.empty()) reportViolation("text after the results", report);
    return;
  }
  if (!take(rest, "Napaka [Pelvano:") || !readInteger(rest, number) || !kCodes.contains(number) ||
      !take(rest, "]: ")) {
    reportViolation("failure line", report);
  }
  const std::size_t lineEnd = rest.find('\n');
  if (lineEnd == std::string_view::npos || rest.substr(lineEnd) != "\n-1\n") {
    reportViolation("failure report's end", report);
  }
  if (rest.substr(0, lineEnd).find('\0') != std::string_view::npos) {
    reportViolation("NUL in the message", report);
  }
}

}  // namespace pelvano::fuzzing
