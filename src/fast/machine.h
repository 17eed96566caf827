// The machine the fast paths run on, chosen here and nowhere else: SSE2's sixteen-byte
// compares where the compiler targets them (every x86-64), and elsewhere the plain words that
// state each fast path on every machine. Tests run both forms wherever both build.
#pragma once

#include <cstdint>

#include "fast/blank_run.h"
#include "fast/bytes_match.h"
#include "fast/plain_window.h"
#include "fast/row_bytes.h"
#include "fast/run_sums.h"
#include "fast/sse2.h"

namespace pelvano {

#if defined(__SSE2__)
namespace one_digit_row {
using MachineRowBytes = VectorRowBytes;
}  // namespace one_digit_row
using LeadingBytesMatch = bytes_match::VectorBytesMatch;
using MachinePlainWindow = plain_window::VectorPlainWindow;
using MachineRunSums = run_sums::VectorRunSums;
#else
namespace one_digit_row {
using MachineRowBytes = WordRowBytes;
}  // namespace one_digit_row
using LeadingBytesMatch = bytes_match::WordBytesMatch;
using MachinePlainWindow = plain_window::WordPlainWindow;
using MachineRunSums = run_sums::WordRunSums;
#endif

// How many bytes at `p` are blanks or tabs before any other byte, up to a whole window of them
// (8 or kBlankRunWindow): a longer run is counted on by calling again. Irregular layouts
// separate numbers by runs of them, and counting them at once spares the mispredicted branch
// that ends a loop over a random count of bytes.
inline int leadingSpacesAndTabs(const char* p) {
#if defined(__SSE2__)
  return blank_run::leadingSpacesAndTabsInVector(p);
#else
  return blank_run::leadingSpacesAndTabsInWord(p);
#endif
}

}  // namespace pelvano
