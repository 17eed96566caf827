#include "readers/block_line.h"

#include "fast/byte_kind.h"
#include "readers/leading_integer.h"

namespace pelvano {
namespace {

// Reads the digits at the file's position, across the buffer's chunk ends, into a saturated
// value.
std::int32_t readNumber(LineSource& file, bool negative) {
  const char* p = file.position();
  std::int64_t magnitude = 0;
  for (;;) {
    if (kindOf(*p) == ByteKind::kDigit) {
      magnitude = addDigit(magnitude, *p++);
    } else if (*p != '\n' || !file.continuesAfter(p)) {
      break;
    }
  }
  file.setPosition(p);
  return saturatedValue(negative, magnitude);
}

// Skips what follows a block's number, unstored: mostly nothing but the line feed.
void skipRestOfLine(LineSource& file) {
  const char* p = file.position();
  if (*p == '\n' && !file.atChunkEnd(p)) {
    file.setPosition(p + 1);
    return;
  }
  std::string nothing;
  file.consumeRestOfLine(nothing, 0);
}

}  // namespace

BlockLine readAnyBlockLine(LineSource& file, std::string& text) {
  text.clear();
  if (file.atEnd()) return {BlockLine::Kind::kEnd};
  // Before the first digit only white space and one sign may stand; they are kept, as the
  // line may yet turn out to hold no number.
  const char* p = file.position();
  bool signSeen = false;
  bool negative = false;
  for (;;) {
    const char c = *p;
    const ByteKind kind = kindOf(c);
    if (kind == ByteKind::kLineFeed) {
      if (file.continuesAfter(p)) continue;
      // The line ends before any digit: at a line feed, or at the file's end.
      const bool lineFeed = !file.atChunkEnd(p);
      file.setPosition(lineFeed ? p + 1 : p);
      if (lineFeed && !text.empty() && text.back() == '\r') text.pop_back();
      return {text.empty() ? BlockLine::Kind::kEmpty : BlockLine::Kind::kNoNumber};
    }
    if (kind == ByteKind::kDigit) {
      file.setPosition(p);
      const std::int32_t number = readNumber(file, negative);
      skipRestOfLine(file);
      return {BlockLine::Kind::kNumber, number};
    }
    if (!signSeen && (kind == ByteKind::kBlank || c == '+' || c == '-')) {
      if (kind != ByteKind::kBlank) {
        signSeen = true;
        negative = c == '-';
      }
      text += c;
      ++p;
      continue;
    }
    // Any other byte, a NUL included, means there is no number: the message quotes the line.
    file.setPosition(p);
    file.consumeRestOfLine(text);
    return {BlockLine::Kind::kNoNumber};
  }
}

}  // namespace pelvano
