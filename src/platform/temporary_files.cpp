#include "platform/temporary_files.h"

#include <cerrno>
#include <mutex>
#include <set>

#include "platform/system_file.h"

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

}  // namespace

void removeAllTemporaries() {
  Registry& all = registry();
  all.lock.lock();  // kept: nothing is created or placed from here on
  for (const fs::path& path : all.paths) {
    std::error_code ignored;
    fs::remove_all(path, ignored);
  }
}

void readyTemporaries() {
  registry();
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
  if (const int error = system_file::replace(path, destination); error != 0) {
    errno = error;
    return false;
  }
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
