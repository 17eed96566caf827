#include <unistd.h>

#include <iostream>
#include <string>
#include <vector>

#include "judge/temporary_files.h"
#include "judge_command_line.h"

int main(int argc, char** argv) {
  // First, before any thread starts: an interrupted run removes what it was writing.
  pelvano::judge::removeTemporariesOnSignals();
  return pelvano::runJudgeCommandLine(std::vector<std::string>(argv, argv + argc), std::cout,
                                      std::cerr, ::isatty(STDERR_FILENO) == 1);
}
