#include <unistd.h>

#include <iostream>
#include <string>
#include <vector>

#include "judge_command_line.h"

int main(int argc, char** argv) {
  return pelvano::runJudgeCommandLine(std::vector<std::string>(argv, argv + argc), std::cout,
                                      std::cerr, ::isatty(STDERR_FILENO) == 1);
}
