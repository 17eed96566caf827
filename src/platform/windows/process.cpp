#include "platform/process.h"

// windows.h first: the other system headers build on it.
#include <windows.h>

#include <io.h>
#include <shellapi.h>

#include <cstdio>

#include "platform/windows/wide_text.h"

namespace pelvano {

int processId() {
  return static_cast<int>(::GetCurrentProcessId());
}

bool standardErrorIsTerminal() {
  return ::_isatty(::_fileno(stderr)) != 0;
}

// The arguments as the system keeps them, in UTF-16, made UTF-8: `argv` holds them in the
// console's code page, where a letter outside it is lost.
std::vector<std::string> programArguments(int argc, char** argv) {
  int count = 0;
  wchar_t** wideArguments = ::CommandLineToArgvW(::GetCommandLineW(), &count);
  if (wideArguments == nullptr) return std::vector<std::string>(argv, argv + argc);
  std::vector<std::string> arguments;
  for (int i = 0; i < count; ++i)
    arguments.push_back(windows::utf8(wideArguments[i]));
  ::LocalFree(wideArguments);
  return arguments;
}

}  // namespace pelvano
