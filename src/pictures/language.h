// The languages a picture and the index page speak: the contestants' Slovene and English.
#pragma once

#include <optional>
#include <string_view>

namespace pelvano::pictures {

enum class Language { kEnglish, kSlovene };

// "en" or "sl", as a browser or a command line names them; nothing for any other.
std::optional<Language> languageNamed(std::string_view name);

}  // namespace pelvano::pictures
