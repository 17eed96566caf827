#include "platform/paths.h"

#include "platform/windows/wide_text.h"

namespace pelvano {

std::filesystem::path pathOf(std::string_view text) {
  return std::filesystem::path(windows::wide(text));
}

// With "/" between names, as the paths a person gives and the system takes alike.
std::string textOf(const std::filesystem::path& path) {
  return windows::utf8(path.generic_wstring());
}

}  // namespace pelvano
