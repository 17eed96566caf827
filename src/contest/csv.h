// Comma-separated tables as RFC 4180 has them.
#pragma once

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pelvano::contest {

// Appends one record and its CR LF. A field that holds a comma, a double quote, a CR, an LF
// or a NUL is quoted, with its double quotes doubled; every byte (bytes over 127 included)
// stands as it is, so no byte of a contestant's breaks a record or is lost.
void appendCsvRecord(std::string& table, std::initializer_list<std::string_view> fields);
void appendCsvRecord(std::string& table, const std::vector<std::string>& fields);

// The records of a table: fields quoted or not, records ended by CR LF or LF (the last one
// may lack it). Nothing when a quoted field is not closed, or a quote stands inside an
// unquoted field.
std::optional<std::vector<std::vector<std::string>>> parseCsv(std::string_view table);

}  // namespace pelvano::contest
