// Folders through the standard library's filesystem, which every platform's C library
// provides in its own form (POSIX calls, or Windows' wide-character ones).
#include "platform/folders.h"

namespace pelvano::folders {
namespace fs = std::filesystem;

std::vector<Entry> list(const fs::path& folder, std::error_code& error) {
  std::vector<Entry> entries;
  fs::directory_iterator iterator(folder, error);
  if (error) return entries;
  for (const fs::directory_entry& entry : iterator) {
    std::error_code unused;
    EntryKind kind = EntryKind::kOther;
    if (entry.is_regular_file(unused)) {
      kind = EntryKind::kFile;
    } else if (entry.is_directory(unused)) {
      kind = EntryKind::kFolder;
    } else if (entry.is_symlink(unused) && !entry.exists(unused)) {
      kind = EntryKind::kLinkToNothing;
    }
    entries.push_back({entry.path(), kind});
  }
  return entries;
}

bool isFolder(const fs::path& path) {
  std::error_code error;
  return fs::is_directory(path, error);
}

bool isRealFolder(const fs::path& path) {
  std::error_code error;
  return fs::is_directory(fs::symlink_status(path, error));
}

bool isRealFile(const fs::path& path) {
  std::error_code error;
  return fs::is_regular_file(fs::symlink_status(path, error));
}

std::error_code createAll(const fs::path& folder) {
  std::error_code error;
  fs::create_directories(folder, error);
  return error;
}

std::error_code create(const fs::path& folder) {
  std::error_code error;
  fs::create_directory(folder, error);
  return error;
}

std::error_code removeFile(const fs::path& file) {
  std::error_code error;
  fs::remove(file, error);
  return error;
}

}  // namespace pelvano::folders
