// Why a grid row was refused, and the words its message ends with.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace pelvano {

// The row scanner's failure kinds, with the argument each message prints:
//   kTooFew: the count of numbers accepted on the line; kNotDigit: the byte's code, 0 to 255;
//   kOverflow, kTooLarge, kTotal: the number's position, 1 to w; kTooMany: w.
enum class RowFailure { kTooFew, kNotDigit, kOverflow, kTooLarge, kTotal, kTooMany };

// Each reader's check code for each failure kind, in the order of RowFailure. Codes are
// fixed per check site, so the two readers have tables of their own.
using RowFailureCodes = std::array<std::int32_t, 6>;

// The place a message names when it names the grid row, 1 to h: "v 2. vrstici mreze je ".
std::string gridRowPlace(std::int32_t row);

// Raises the reader's check for `failure`: the message is `place` followed by the failure's
// own words, which both readers share ("le 2 stevil", "vec kot 3 stevil", ...).
[[noreturn]] void failRow(const RowFailureCodes& codes, RowFailure failure, std::int32_t argument,
                          std::string place);

}  // namespace pelvano
