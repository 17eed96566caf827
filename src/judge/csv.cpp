#include "judge/csv.h"

namespace pelvano::judge {
namespace {

// NUL is quoted too: some readers take an unquoted NUL for the end of the record.
constexpr std::string_view kQuotedBytes(",\"\r\n\0", 5);

bool needsQuotes(std::string_view field) {
  return field.find_first_of(kQuotedBytes) != std::string_view::npos;
}

void appendField(std::string& table, std::string_view field) {
  if (!needsQuotes(field)) {
    table += field;
    return;
  }
  table += '"';
  for (const char c : field) {
    if (c == '"') table += '"';
    table += c;
  }
  table += '"';
}

}  // namespace

void appendCsvRecord(std::string& table, std::initializer_list<std::string_view> fields) {
  bool first = true;
  for (const std::string_view field : fields) {
    if (!first) table += ',';
    first = false;
    appendField(table, field);
  }
  table += "\r\n";
}

}  // namespace pelvano::judge
