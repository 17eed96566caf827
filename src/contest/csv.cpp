#include "contest/csv.h"

#include <algorithm>

namespace pelvano::contest {
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

template <class Fields>
void appendFields(std::string& table, const Fields& fields) {
  bool first = true;
  for (const std::string_view field : fields) {
    if (!first) table += ',';
    first = false;
    appendField(table, field);
  }
  table += "\r\n";
}

}  // namespace

void appendCsvRecord(std::string& table, std::initializer_list<std::string_view> fields) {
  appendFields(table, fields);
}

void appendCsvRecord(std::string& table, const std::vector<std::string>& fields) {
  appendFields(table, fields);
}

std::optional<std::vector<std::vector<std::string>>> parseCsv(std::string_view table) {
  std::vector<std::vector<std::string>> records;
  std::vector<std::string> record;
  std::size_t at = 0;
  while (at < table.size()) {
    std::string field;
    if (table[at] == '"') {
      // A quoted field: up to the quote that is not doubled.
      for (++at;; ++at) {
        if (at == table.size()) return std::nullopt;
        if (table[at] != '"') {
          field += table[at];
        } else if (at + 1 < table.size() && table[at + 1] == '"') {
          field += table[at++];
        } else {
          ++at;
          break;
        }
      }
    } else {
      const std::size_t end = std::min(table.find_first_of(",\r\n", at), table.size());
      field = table.substr(at, end - at);
      if (field.find('"') != std::string::npos) return std::nullopt;
      at = end;
    }
    record.push_back(std::move(field));
    if (at < table.size() && table[at] == ',') {
      // Another field follows, empty if the table ends here.
      if (++at == table.size())
        record.emplace_back();
      else
        continue;
    } else if (at < table.size() && table[at] == '\r') {
      if (++at < table.size() && table[at] == '\n') ++at;
    } else if (at < table.size() && table[at] == '\n') {
      ++at;
    } else if (at < table.size()) {
      return std::nullopt;  // something after a quoted field's closing quote
    }
    records.push_back(std::move(record));
    record.clear();
  }
  return records;
}

}  // namespace pelvano::contest
