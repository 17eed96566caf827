#include "platform/temporary_files.h"

#include <pthread.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <mutex>
#include <set>
#include <thread>

namespace pelvano {
namespace fs = std::filesystem;
namespace {

// The one registry of the process: signals are process-wide, so their cleanup is too.
struct Registry {
  std::recursive_mutex lock;  // withoutInterruption may hold it around the calls below
  std::set<fs::path> paths;
};

Registry& registry() {
  static Registry instance;
  return instance;
}

sigset_t endingSignals() {
  sigset_t signals;
  sigemptyset(&signals);
  for (const int signal : {SIGINT, SIGTERM, SIGHUP})
    sigaddset(&signals, signal);
  return signals;
}

[[noreturn]] void cleanUpAndEnd(int signal) {
  Registry& all = registry();
  all.lock.lock();  // kept: nothing is created or placed from here on
  for (const fs::path& path : all.paths) {
    std::error_code ignored;
    fs::remove_all(path, ignored);
  }
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
  registry();  // made before any signal can need it
  std::thread([signals] {
    int signal = 0;
    while (::sigwait(&signals, &signal) != 0) {
    }
    cleanUpAndEnd(signal);
  }).detach();
}

void createTemporary(const fs::path& path, const std::function<void()>& create) {
  Registry& all = registry();
  std::lock_guard guard(all.lock);
  all.paths.insert(path);
  create();
}

bool placeTemporary(const fs::path& path, const fs::path& destination) {
  Registry& all = registry();
  std::lock_guard guard(all.lock);
  if (std::rename(path.c_str(), destination.c_str()) != 0) return false;
  all.paths.erase(path);
  return true;
}

void removeTemporary(const fs::path& path) {
  Registry& all = registry();
  std::lock_guard guard(all.lock);
  const int saved = errno;
  std::error_code ignored;
  fs::remove_all(path, ignored);
  errno = saved;
  all.paths.erase(path);
}

void withoutInterruption(const std::function<void()>& work) {
  Registry& all = registry();
  std::lock_guard guard(all.lock);
  work();
}

}  // namespace pelvano
