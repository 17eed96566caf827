#include "pictures/markup_text.h"

#include <cstdio>

namespace pelvano::pictures {
namespace {

// The length of the valid UTF-8 sequence at the start of `bytes`, or 0.
std::size_t utf8SequenceLength(std::string_view bytes) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
  const unsigned char lead = byte(0);
  std::size_t length = 0;
  unsigned minimum = 0;
  unsigned code = 0;
  if (lead >= 0xc2 && lead <= 0xdf) {
    length = 2, minimum = 0x80, code = lead & 0x1fu;
  } else if (lead >= 0xe0 && lead <= 0xef) {
    length = 3, minimum = 0x800, code = lead & 0x0fu;
  } else if (lead >= 0xf0 && lead <= 0xf4) {
    length = 4, minimum = 0x10000, code = lead & 0x07u;
  } else {
    return 0;
  }
  if (bytes.size() < length) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(i) & 0xc0u) != 0x80) return 0;
    code = (code << 6) | (byte(i) & 0x3fu);
  }
  // Overlong forms, surrogates and code points past U+10FFFF are not valid.
  if (code < minimum || (code >= 0xd800 && code <= 0xdfff) || code > 0x10ffff) return 0;
  return length;
}

}  // namespace

void appendMarkupText(std::string& document, std::string_view bytes) {
  while (!bytes.empty()) {
    const char c = bytes.front();
    const auto code = static_cast<unsigned char>(c);
    std::size_t taken = 1;
    switch (c) {
      case '&':
        document += "&amp;";
        break;
      case '<':
        document += "&lt;";
        break;
      case '>':
        document += "&gt;";
        break;
      case '"':
        document += "&quot;";
        break;
      case '\'':
        document += "&#39;";
        break;
      default:
        if (code >= 0x80) taken = utf8SequenceLength(bytes);
        if ((code >= 0x20 && code < 0x7f) || c == '\t' || c == '\n' || taken > 1) {
          document.append(bytes.data(), taken == 0 ? 1 : taken);
        } else {
          char escaped[5];
          std::snprintf(escaped, sizeof escaped, "\\x%02x", code);
          document += escaped;
          taken = 1;
        }
    }
    bytes.remove_prefix(taken);
  }
}

std::string markupText(std::string_view bytes) {
  std::string text;
  appendMarkupText(text, bytes);
  return text;
}

}  // namespace pelvano::pictures
