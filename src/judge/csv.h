// Comma-separated tables as RFC 4180 has them.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace pelvano::judge {

// Appends one record and its CR LF. A field that holds a comma, a double quote, a CR, an LF
// or a NUL is quoted, with its double quotes doubled; every byte (bytes over 127 included)
// stands as it is, so no byte of a contestant's breaks a record or is lost.
void appendCsvRecord(std::string& table, std::initializer_list<std::string_view> fields);

}  // namespace pelvano::judge
