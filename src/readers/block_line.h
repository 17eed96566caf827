// Reads the first line of a submission block.
#pragma once

#include <cstdint>
#include <string>

#include "fast/plain_line.h"
#include "platform/line_source.h"

namespace pelvano {

struct BlockLine {
  enum class Kind {
    kEnd,       // no line is left
    kEmpty,     // an empty line, to be skipped
    kNumber,    // a line whose leading integer is `number`
    kNoNumber,  // a line without a leading integer
  };
  Kind kind = Kind::kEnd;
  std::int32_t number = 0;
};

// readBlockLine for any line, the usual one included.
BlockLine readAnyBlockLine(LineSource& file, std::string& text);

// Reads the next line and its leading integer, as parseLeadingInteger would read it. Only a
// line without a number is kept whole in `text`, as its message quotes it; once the number
// has been read, the rest of the line is skipped unstored, however long it is. After any
// other kind of line `text` holds nothing of use.
inline BlockLine readBlockLine(LineSource& file, std::string& text) {
  // The usual block line, a short number alone, is read where it stands.
  std::int32_t number;
  if (readPlainNumbers(file, &number, 1)) return {BlockLine::Kind::kNumber, number};
  return readAnyBlockLine(file, text);
}

}  // namespace pelvano
