// Paths as the rest of the system holds them, UTF-8 text, and as the standard library's
// filesystem holds them, in the system's own encoding (UTF-16 on Windows).
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace pelvano {

std::filesystem::path pathOf(std::string_view text);
std::string textOf(const std::filesystem::path& path);

}  // namespace pelvano
