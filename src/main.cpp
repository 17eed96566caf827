#include <iostream>
#include <string>
#include <vector>

#include "evaluation/command_line.h"

int main(int argc, char** argv) {
  return pelvano::runCommandLine(std::vector<std::string>(argv, argv + argc), std::cout, std::cerr);
}
