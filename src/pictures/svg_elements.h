// The SVG elements every picture is made of, written in one place: documents, rectangles,
// stroked paths and text, with the bytes a contestant wrote escaped.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace pelvano::pictures {

inline constexpr std::string_view kXmlDeclaration = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";

// A number as SVG takes it, with no more digits than needed ("%g").
std::string svgNumber(double value);

// The opening tag of an <svg> of `width` by `height` units at (x, y) in its parent, with a
// viewBox of its own size; `attributes` are written into the tag as they are.
std::string svgStart(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                     std::string_view attributes = {});

std::string rectangleElement(double x, double y, double width, double height,
                             std::string_view fill);

// A path of lines in `colour`, nothing when `data` is empty.
std::string strokedPath(const std::string& data, std::string_view colour, double width);

// `text` (any bytes) as a <text> element at (x, y); `attributes` as they are.
std::string textElement(double x, double y, double fontSize, std::string_view text,
                        std::string_view attributes = {});

// A document of a few lines of text, for a visualizer that has no block to show.
std::string textImage(std::string_view text);

// A document of `tiles`, SVG elements placed one below the other, `width` by `height` in all.
std::string stackedImage(const std::string& tiles, std::int32_t width, std::int32_t height);

}  // namespace pelvano::pictures
