#include "platform/temporary_files.h"

#include <windows.h>

namespace pelvano {
namespace {

// Runs on a thread of its own when the console is interrupted (Ctrl+C, Ctrl+Break) or closed,
// or the session ends: what the process was writing is removed, and it ends as a Ctrl+C
// ends a console program.
BOOL WINAPI endOnControl(DWORD) {
  removeAllTemporaries();
  ::ExitProcess(static_cast<UINT>(STATUS_CONTROL_C_EXIT));
}

}  // namespace

void removeTemporariesOnSignals() {
  readyTemporaries();
  ::SetConsoleCtrlHandler(endOnControl, TRUE);
}

}  // namespace pelvano
