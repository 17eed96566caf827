#include <iostream>
#include <string>
#include <vector>

#include "judge/judge_command_line.h"
#include "platform/process.h"
#include "platform/temporary_files.h"

int main(int argc, char** argv) {
  // First, before any thread starts: an interrupted run removes what it was writing.
  pelvano::removeTemporariesOnSignals();
  return pelvano::runJudgeCommandLine(pelvano::programArguments(argc, argv), std::cout, std::cerr,
                                      pelvano::standardErrorIsTerminal());
}
