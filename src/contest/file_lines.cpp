#include "contest/file_lines.h"

namespace pelvano::contest {

std::optional<std::string_view> fileLines(std::string_view bytes, std::int64_t first,
                                          std::int64_t last) {
  std::size_t start = 0;
  for (std::int64_t line = 1; line < first; ++line) {
    const std::size_t feed = bytes.find('\n', start);
    if (feed == std::string_view::npos) return std::nullopt;
    start = feed + 1;
  }
  std::size_t end = start;
  for (std::int64_t line = first; line <= last && end < bytes.size(); ++line) {
    const std::size_t feed = bytes.find('\n', end);
    end = feed == std::string_view::npos ? bytes.size() : feed + 1;
  }
  return bytes.substr(start, end - start);
}

std::optional<std::string_view> fileLine(std::string_view bytes, std::int64_t number) {
  std::optional<std::string_view> line = fileLines(bytes, number, number);
  if (!line) return line;
  if (line->ends_with('\n')) line->remove_suffix(1);
  if (line->ends_with('\r')) line->remove_suffix(1);
  return line;
}

}  // namespace pelvano::contest
