#include "platform/temporary_files.h"

#include <pthread.h>
#include <signal.h>
#include <unistd.h>

#include <thread>

namespace pelvano {
namespace {

sigset_t endingSignals() {
  sigset_t signals;
  sigemptyset(&signals);
  for (const int signal : {SIGINT, SIGTERM, SIGHUP})
    sigaddset(&signals, signal);
  return signals;
}

[[noreturn]] void cleanUpAndEnd(int signal) {
  removeAllTemporaries();
  // End by the signal itself, so that the parent sees how the process ended.
  ::signal(signal, SIG_DFL);
  sigset_t only;
  sigemptyset(&only);
  sigaddset(&only, signal);
  ::pthread_sigmask(SIG_UNBLOCK, &only, nullptr);
  ::raise(signal);
  ::_exit(128 + signal);
}

}  // namespace

void removeTemporariesOnSignals() {
  const sigset_t signals = endingSignals();
  ::pthread_sigmask(SIG_BLOCK, &signals, nullptr);
  readyTemporaries();  // made before any signal can need it
  std::thread([signals] {
    int signal = 0;
    while (::sigwait(&signals, &signal) != 0) {
    }
    cleanUpAndEnd(signal);
  }).detach();
}

}  // namespace pelvano
