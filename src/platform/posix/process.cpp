#include "platform/process.h"

#include <unistd.h>

namespace pelvano {

int processId() {
  return static_cast<int>(::getpid());
}

bool standardErrorIsTerminal() {
  return ::isatty(STDERR_FILENO) == 1;
}

std::vector<std::string> programArguments(int argc, char** argv) {
  return std::vector<std::string>(argv, argv + argc);
}

}  // namespace pelvano
