#include <iostream>
#include <string>
#include <vector>

#include "evaluation/command_line.h"
#include "platform/process.h"

int main(int argc, char** argv) {
  return pelvano::runCommandLine(pelvano::programArguments(argc, argv), std::cout, std::cerr);
}
