#include "pictures/svg_elements.h"

#include <cstdio>

#include "pictures/markup_text.h"

namespace pelvano::pictures {

std::string svgNumber(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%g", value);
  return text;
}

std::string svgStart(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                     std::string_view attributes) {
  const std::string w = std::to_string(width);
  const std::string h = std::to_string(height);
  std::string tag = "<svg xmlns=\"http://www.w3.org/2000/svg\" x=\"" + std::to_string(x) +
                    "\" y=\"" + std::to_string(y) + "\" width=\"" + w + "\" height=\"" + h +
                    "\" viewBox=\"0 0 " + w + ' ' + h + '"';
  if (!attributes.empty()) tag += ' ' + std::string(attributes);
  return tag + ">\n";
}

std::string rectangleElement(double x, double y, double width, double height,
                             std::string_view fill) {
  return "<rect x=\"" + svgNumber(x) + "\" y=\"" + svgNumber(y) + "\" width=\"" + svgNumber(width) +
         "\" height=\"" + svgNumber(height) + "\" fill=\"" + std::string(fill) + "\"/>\n";
}

std::string strokedPath(const std::string& data, std::string_view colour, double width) {
  if (data.empty()) return {};
  return "<path fill=\"none\" stroke=\"" + std::string(colour) + "\" stroke-width=\"" +
         svgNumber(width) + "\" stroke-linecap=\"square\" d=\"" + data + "\"/>\n";
}

std::string textElement(double x, double y, double fontSize, std::string_view text,
                        std::string_view attributes) {
  std::string element = "<text x=\"" + svgNumber(x) + "\" y=\"" + svgNumber(y) + "\" font-size=\"" +
                        svgNumber(fontSize) + '"';
  if (!attributes.empty()) element += ' ' + std::string(attributes);
  element += '>';
  appendMarkupText(element, text);
  return element + "</text>\n";
}

std::string textImage(std::string_view text) {
  return std::string(kXmlDeclaration) +
         "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"720\" height=\"64\" "
         "font-family=\"sans-serif\">\n" +
         rectangleElement(0, 0, 720, 64, "#ffffff") + textElement(16, 36, 14, text) + "</svg>\n";
}

std::string stackedImage(const std::string& tiles, std::int32_t width, std::int32_t height) {
  return std::string(kXmlDeclaration) + "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
         std::to_string(width) + "\" height=\"" + std::to_string(height) + "\">\n" + tiles +
         "</svg>\n";
}

}  // namespace pelvano::pictures
