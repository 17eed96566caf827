#include "pictures/index_page.h"

#include "pictures/markup_text.h"

namespace pelvano::pictures {

std::string indexPage(std::string_view submissionName, std::string_view report,
                      const std::vector<std::string>& hints,
                      const std::vector<IndexEntry>& pictures) {
  std::string page =
      "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n<title>Regions of ";
  appendMarkupText(page, submissionName);
  page +=
      "</title>\n<style>\n"
      "body { font-family: sans-serif; margin: 24px; color: #222; }\n"
      "pre { background: #f3f3f3; padding: 12px; white-space: pre-wrap; }\n"
      "figure { margin: 0 0 32px; }\n"
      "figure object { border: 1px solid #ccc; display: block; }\n"
      "figure a { font-size: small; }\n"
      "p.hint { color: #cc3311; }\n"
      "</style>\n</head>\n<body>\n<h1>Regions of ";
  appendMarkupText(page, submissionName);
  page += "</h1>\n<h2>Report</h2>\n<pre>";
  appendMarkupText(page, report);
  page += "</pre>\n";
  for (const std::string& hint : hints) {
    page += "<p class=\"hint\">";
    appendMarkupText(page, hint);
    page += "</p>\n";
  }
  page += "<h2>Blocks</h2>\n";
  if (pictures.empty()) page += "<p>No block's grid was read.</p>\n";
  for (const IndexEntry& entry : pictures) {
    page += "<figure>\n<object type=\"image/svg+xml\" data=\"";
    appendMarkupText(page, entry.file);
    page += "\" width=\"" + std::to_string(entry.width) + "\" height=\"" +
            std::to_string(entry.height) + "\">";
    appendMarkupText(page, entry.caption);
    page += "</object>\n<a href=\"";
    appendMarkupText(page, entry.file);
    page += "\">";
    appendMarkupText(page, entry.file);
    page += "</a>\n</figure>\n";
  }
  page += "</body>\n</html>\n";
  return page;
}

}  // namespace pelvano::pictures
