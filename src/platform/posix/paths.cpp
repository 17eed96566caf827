#include "platform/paths.h"

namespace pelvano {

// The system's paths are bytes, UTF-8 by convention: taken as they are, whatever they hold.
std::filesystem::path pathOf(std::string_view text) {
  return std::filesystem::path(text);
}

std::string textOf(const std::filesystem::path& path) {
  return path.string();
}

}  // namespace pelvano
