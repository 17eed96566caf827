#include "judge/strict_task.h"

#include <optional>

#include "task/limits.h"

namespace pelvano::judge {
namespace {

// How a byte that has no place in the strict form is named.
std::string byteName(unsigned char byte) {
  switch (byte) {
    case '\t':
      return "a tab";
    case '\r':
      return "a CR";
    case '\0':
      return "a NUL";
    case ' ':
      return "a blank";
    default:
      break;
  }
  if (byte >= 0x21 && byte < 0x7f) return "\"" + std::string(1, static_cast<char>(byte)) + "\"";
  return "the byte " + std::to_string(byte);
}

// The file's lines one at a time, each checked as the strict form wants it.
class StrictLines {
 public:
  explicit StrictLines(std::string_view bytes) : rest_(bytes) {}

  // The fault of the file, once one is found.
  const std::string& fault() const { return fault_; }

  // The next line is exactly `text`: `what` names the line ("the task name"). A line that
  // holds it and more names the first byte after it.
  void expectText(std::string_view text, const char* what) {
    const auto line = next();
    if (!line || *line == text) return;
    if (line->starts_with(text)) {
      failAt(text.size(),
             byteName(static_cast<unsigned char>((*line)[text.size()])) + " after " + what);
    } else {
      fail("not " + std::string(what));
    }
  }

  // The next line holds `count` numbers, one blank between each two, and nothing else.
  void expectNumbers(std::size_t count, const char* what) {
    const auto line = next();
    if (!line) return;
    std::size_t numbers = 0;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= line->size() && fault_.empty(); ++i) {
      if (i < line->size() && (*line)[i] >= '0' && (*line)[i] <= '9') continue;
      if (i < line->size() && (*line)[i] != ' ') {
        failAt(i, byteName(static_cast<unsigned char>((*line)[i])) +
                      " is not a digit, a blank or a line feed");
      } else if (i == start) {
        if (i == 0) {
          failAt(i, "the line starts with a blank");
        } else if (i == line->size()) {
          failAt(i - 1, "a blank ends the line");
        } else {
          failAt(i, "two blanks in a row");
        }
      } else if ((*line)[start] == '0' && i - start > 1) {
        failAt(start, "a leading zero in \"" + std::string(line->substr(start, i - start)) + "\"");
      } else if (++numbers > count) {
        failAt(start, "more than " + std::to_string(count) + " " + what);
      }
      start = i + 1;
    }
    if (fault_.empty() && numbers < count) fail("fewer than " + std::to_string(count) + " " + what);
  }

  // Nothing follows the last line read.
  void expectEnd() {
    if (fault_.empty() && !rest_.empty()) {
      ++line_;
      fail("bytes after the last case");
    }
  }

 private:
  std::optional<std::string_view> next() {
    if (!fault_.empty()) return std::nullopt;
    ++line_;
    const std::size_t end = rest_.find('\n');
    if (end == std::string_view::npos) {
      fail("no line feed at its end");
      return std::nullopt;
    }
    const std::string_view line = rest_.substr(0, end);
    rest_.remove_prefix(end + 1);
    return line;
  }

  void fail(const std::string& what) { fault_ = "line " + std::to_string(line_) + ": " + what; }
  void failAt(std::size_t column, const std::string& what) {
    fault_ =
        "line " + std::to_string(line_) + ", column " + std::to_string(column + 1) + ": " + what;
  }

  std::string_view rest_;
  std::size_t line_ = 0;
  std::string fault_;
};

}  // namespace

std::string strictFormFault(std::string_view bytes, const Task& task) {
  StrictLines lines(bytes);
  lines.expectText(kTaskName, "the task name");
  lines.expectNumbers(1, "number (the count of cases)");
  for (const TestCase& testCase : task.cases) {
    lines.expectText("", "the empty line before a case");
    lines.expectNumbers(4, "numbers (case, w, h, d)");
    for (std::int32_t row = 0; row < testCase.h; ++row)
      lines.expectNumbers(static_cast<std::size_t>(testCase.w), "populations");
  }
  lines.expectEnd();
  return lines.fault();
}

}  // namespace pelvano::judge
