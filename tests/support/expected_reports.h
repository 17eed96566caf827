// The reports the tests expect, spelled out independently of the program's own code.
#pragma once

#include <string>

namespace pelvano::test {

inline std::string failure(int code, const std::string& message) {
  return "Napaka [Pelvano:" + std::to_string(code) + "]: " + message + "\n-1\n";
}

inline const std::string kUnexpectedFailure =
    "Nepricakovana napaka.  Predlagamo, da obvestis organizatorje tekmovanja.\n-1\n";

}  // namespace pelvano::test
