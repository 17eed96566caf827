#include "platform/temporary_files.h"

#include <fcntl.h>
#include <pthread.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <thread>

#include "platform/posix/descriptor.h"
#include "platform/system_file.h"

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

namespace system_file {

int create(const std::filesystem::path& path) {
  return ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
}

int writeAll(int descriptor, std::string_view bytes) {
  return posix::writeAll(descriptor, bytes);
}

int close(int descriptor) {
  return ::close(descriptor) == 0 ? 0 : errno;
}

int replace(const std::filesystem::path& from, const std::filesystem::path& to) {
  return std::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}

}  // namespace system_file
}  // namespace pelvano
