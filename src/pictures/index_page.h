// The page that shows a submission's report and every picture of its blocks, opened straight
// from the disk: no server, no script.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "pictures/language.h"

namespace pelvano::pictures {

struct IndexEntry {
  std::string file;     // the picture's file name, beside the page
  std::string caption;  // case, d, regions found and spread
  std::int32_t width = 0;
  std::int32_t height = 0;
};

// Each picture is embedded as an object, not an image, so that its regions' tooltips show;
// its caption stands once, in the picture's own title (and as the object's fallback text).

// `hints` (in `language`, as are the headings) stand under the report, a paragraph each, where a
// contestant looks for the fault.
std::string indexPage(std::string_view submissionName, std::string_view report,
                      const std::vector<std::string>& hints,
                      const std::vector<IndexEntry>& pictures,
                      Language language = Language::kEnglish);

}  // namespace pelvano::pictures
