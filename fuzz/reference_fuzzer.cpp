// Fuzzes the reader of a table of known bests (batch's and compare's --reference): any bytes
// give a table or a reason, and a table's bests are case numbers of at least 1 and spreads of
// at least 0.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "contest/known_bests.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view table(reinterpret_cast<const char*>(data), size);
  std::string error;
  const auto bests = pelvano::contest::parseKnownBests(table, error);
  if (!bests && error.empty()) std::abort();
  if (bests) {
    for (const auto& [caseNumber, spread] : *bests) {
      if (caseNumber < 1 || spread < 0) std::abort();
    }
  }
  return 0;
}
