// Why a grid row was refused, and the words its message ends with, which the task file's and
// the submission's rows share; each reader keeps its own codes and the place its message
// names.
#pragma once

#include <cstdint>
#include <string>

namespace pelvano {

// The row scanner's failure kinds, with the argument each message prints:
//   kTooFew: the count of numbers accepted on the line; kNotDigit: the byte's code, 0 to 255;
//   kOverflow, kTooLarge, kTotal: the number's position, 1 to w; kTooMany: w.
enum class RowFailure { kTooFew, kNotDigit, kOverflow, kTooLarge, kTotal, kTooMany };

// A reader's check code for each failure kind of its rows, named: codes are fixed per check
// site, so each reader has its own.
struct RowCheckCodes {
  std::int32_t tooFew;
  std::int32_t notDigit;
  std::int32_t overflow;
  std::int32_t tooLarge;
  std::int32_t total;  // 0 where rows keep no total
  std::int32_t tooMany;
};

// The code of `failure` among `codes`.
std::int32_t codeOf(const RowCheckCodes& codes, RowFailure failure);

// The place a message names when it names the grid row, 1 to h: "v 2. vrstici mreze je ".
std::string gridRowPlace(std::int32_t row);

// The failure's own words: "le 2 stevil", "vec kot 3 stevil", ...
std::string rowFailureWords(RowFailure failure, std::int32_t argument);

}  // namespace pelvano
