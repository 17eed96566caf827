// The process itself: its number, and where its standard streams lead.
#pragma once

#include <string>
#include <vector>

namespace pelvano {

// This process's number, to keep apart what processes stage in one folder.
int processId();

// Whether standard error is a terminal, where a progress line may be drawn.
bool standardErrorIsTerminal();

// The program's arguments, the program's name first, in UTF-8 (as every path is given to the
// platform).
std::vector<std::string> programArguments(int argc, char** argv);

}  // namespace pelvano
