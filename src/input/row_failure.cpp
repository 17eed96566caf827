#include "input/row_failure.h"

#include <cstddef>
#include <utility>

#include "check_failure.h"

namespace pelvano {
namespace {

std::string failureWords(RowFailure failure, std::int32_t argument) {
  switch (failure) {
    case RowFailure::kTooFew:
      return "le " + decimal(argument) + " stevil";
    case RowFailure::kNotDigit:
      return "znak s kodo " + decimal(argument) + ", ki ni stevka";
    case RowFailure::kOverflow:
    case RowFailure::kTooLarge:
      return decimal(argument) + ". stevilo preveliko";
    case RowFailure::kTotal:
      return "pri " + decimal(argument) + ". skupno prebivalstvo preveliko";
    case RowFailure::kTooMany:
      break;
  }
  return "vec kot " + decimal(argument) + " stevil";
}

}  // namespace

std::string gridRowPlace(std::int32_t row) {
  return "v " + decimal(row) + ". vrstici mreze je ";
}

void failRow(const RowFailureCodes& codes, RowFailure failure, std::int32_t argument,
             std::string place) {
  place += failureWords(failure, argument);
  failCheck(codes[static_cast<std::size_t>(failure)], std::move(place));
}

}  // namespace pelvano
