// Reads the first line of a submission block.
#pragma once

#include <cstdint>
#include <string>

#include "input/line_source.h"

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

// Reads the next line and its leading integer, as parseLeadingInteger would read it. Only a
// line without a number is kept whole in `text`, as its message quotes it; once the number
// has been read, the rest of the line is skipped unstored, however long it is.
BlockLine readBlockLine(LineSource& file, std::string& text);

}  // namespace pelvano
