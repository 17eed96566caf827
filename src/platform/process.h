// The process itself: its number, and where its standard streams lead.
#pragma once

namespace pelvano {

// This process's number, to keep apart what processes stage in one folder.
int processId();

// Whether standard error is a terminal, where a progress line may be drawn.
bool standardErrorIsTerminal();

}  // namespace pelvano
