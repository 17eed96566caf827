#include "contest/known_bests.h"

#include <algorithm>
#include <charconv>

#include "contest/csv.h"

namespace pelvano::contest {
namespace {

// A whole number from `low` to 2147483647 written in decimal digits alone.
std::optional<std::int32_t> wholeNumber(const std::string& text, std::int32_t low) {
  std::int32_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || text[0] == '-' || text[0] == '+' || error != std::errc() ||
      end != text.data() + text.size() || value < low) {
    return std::nullopt;
  }
  return value;
}

}  // namespace

std::optional<KnownBests> parseKnownBests(std::string_view table, std::string& error) {
  const auto records = parseCsv(table);
  if (!records || records->empty()) {
    error = records ? "it is empty" : "it is no CSV table";
    return std::nullopt;
  }
  const std::vector<std::string>& header = records->front();
  const auto column = [&](const char* name) {
    return static_cast<std::size_t>(std::find(header.begin(), header.end(), name) - header.begin());
  };
  const std::size_t caseColumn = column("case");
  const std::size_t spreadColumn = column("spread");
  if (caseColumn == header.size() || spreadColumn == header.size()) {
    error = "its first line names no columns \"case\" and \"spread\"";
    return std::nullopt;
  }
  KnownBests bests;
  for (std::size_t row = 1; row < records->size(); ++row) {
    const std::vector<std::string>& fields = (*records)[row];
    const std::string line = "line " + std::to_string(row + 1);
    if (fields.size() == 1 && fields[0].empty()) continue;  // an empty line
    if (fields.size() != header.size()) {
      error = line + " has " + std::to_string(fields.size()) + " fields, not " +
              std::to_string(header.size());
      return std::nullopt;
    }
    if (fields[spreadColumn].empty()) continue;
    const auto caseNumber = wholeNumber(fields[caseColumn], 1);
    const auto spread = wholeNumber(fields[spreadColumn], 0);
    if (!caseNumber || !spread) {
      error = line + " has no case number and spread";
      return std::nullopt;
    }
    bests[*caseNumber] = *spread;
  }
  return bests;
}

}  // namespace pelvano::contest
