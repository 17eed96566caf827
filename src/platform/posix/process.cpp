#include "platform/process.h"

#include "platform/paths.h"

#include <unistd.h>

namespace pelvano {

int processId() {
  return static_cast<int>(::getpid());
}

bool standardErrorIsTerminal() {
  return ::isatty(STDERR_FILENO) == 1;
}

// The system's paths are bytes, UTF-8 by convention: taken as they are, whatever they hold.
std::filesystem::path pathOf(std::string_view text) {
  return std::filesystem::path(text);
}

std::string textOf(const std::filesystem::path& path) {
  return path.string();
}

std::vector<std::string> programArguments(int argc, char** argv) {
  return std::vector<std::string>(argv, argv + argc);
}

}  // namespace pelvano
