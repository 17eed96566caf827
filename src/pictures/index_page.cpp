#include "pictures/index_page.h"

#include "pictures/markup_text.h"
#include "pictures/picture_words.h"

namespace pelvano::pictures {

std::string indexPage(std::string_view submissionName, std::string_view report,
                      const std::vector<std::string>& hints,
                      const std::vector<IndexEntry>& pictures, Language language) {
  const IndexWords words = indexWords(language);
  std::string page = std::string("<!DOCTYPE html>\n<html lang=\"") + words.code +
                     "\">\n<head>\n<meta charset=\"utf-8\">\n<title>" + words.regionsOf;
  appendMarkupText(page, submissionName);
  page +=
      "</title>\n<style>\n"
      "body { font-family: sans-serif; margin: 24px; color: #222; }\n"
      "pre { background: #f3f3f3; padding: 12px; white-space: pre-wrap; }\n"
      "figure { margin: 0 0 32px; }\n"
      "figure object { border: 1px solid #ccc; display: block; }\n"
      "figure a { font-size: small; }\n"
      "p.hint { color: #cc3311; }\n"
      "</style>\n</head>\n<body>\n<h1>";
  page += words.regionsOf;
  appendMarkupText(page, submissionName);
  page += std::string("</h1>\n<h2>") + words.report + "</h2>\n<pre>";
  appendMarkupText(page, report);
  page += "</pre>\n";
  for (const std::string& hint : hints) {
    page += "<p class=\"hint\">";
    appendMarkupText(page, hint);
    page += "</p>\n";
  }
  page += std::string("<h2>") + words.blocks + "</h2>\n";
  if (pictures.empty()) page += std::string("<p>") + words.noBlocks + "</p>\n";
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
