#include "task/row_failure.h"

#include "task/check_failure.h"

namespace pelvano {

std::int32_t codeOf(const RowCheckCodes& codes, RowFailure failure) {
  switch (failure) {
    case RowFailure::kTooFew:
      return codes.tooFew;
    case RowFailure::kNotDigit:
      return codes.notDigit;
    case RowFailure::kOverflow:
      return codes.overflow;
    case RowFailure::kTooLarge:
      return codes.tooLarge;
    case RowFailure::kTotal:
      return codes.total;
    case RowFailure::kTooMany:
      break;
  }
  return codes.tooMany;
}

std::string gridRowPlace(std::int32_t row) {
  return "v " + decimal(row) + ". vrstici mreze je ";
}

std::string rowFailureWords(RowFailure failure, std::int32_t argument) {
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

}  // namespace pelvano
