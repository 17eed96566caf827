// What each check code of the report means, in English and in Slovene, for the places that
// explain a report to a contestant (the page); README.md and the man page list the same codes.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace pelvano::contest {

struct CheckCode {
  std::int32_t code;
  std::string_view file;  // "task" or "submission"
  std::string_view english;
  std::string_view slovene;
};

// Every code a check raises, in the order the files are read.
std::span<const CheckCode> checkCodes();

}  // namespace pelvano::contest
