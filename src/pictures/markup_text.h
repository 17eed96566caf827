// Text for XML and HTML documents, from bytes that a contestant may have written.
#pragma once

#include <string>
#include <string_view>

namespace pelvano::pictures {

// Appends `bytes` as character data or an attribute value: &, <, >, " and ' as entities;
// valid UTF-8 as it is; control bytes (but tab and line feed) and bytes that are no valid
// UTF-8 as the visible text \xNN, since XML allows neither.
void appendMarkupText(std::string& document, std::string_view bytes);
std::string markupText(std::string_view bytes);

}  // namespace pelvano::pictures
