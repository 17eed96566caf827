#include "judge/submission_list.h"

#include <algorithm>
#include <set>
#include <system_error>

namespace pelvano::judge {
namespace fs = std::filesystem;
namespace {

// The regular files in `folder` (links to them included), sorted by name; false if the
// folder cannot be listed.
bool filesIn(const fs::path& folder, std::vector<fs::path>& files) {
  std::error_code error;
  fs::directory_iterator entries(folder, error);
  if (error) return false;
  for (const fs::directory_entry& entry : entries) {
    if (entry.is_regular_file(error)) files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end(), [](const fs::path& a, const fs::path& b) {
    return a.filename().string() < b.filename().string();
  });
  return true;
}

std::string uniqueName(const fs::path& path, std::set<std::string>& taken) {
  std::string stem = path.stem().string();
  if (stem.empty() || stem == "." || stem == "..") stem = "submission";
  std::string name = stem;
  for (int copy = 2; taken.contains(name); ++copy)
    name = stem + "-" + std::to_string(copy);
  taken.insert(name);
  return name;
}

}  // namespace

std::vector<SubmissionEntry> listSubmissions(const std::vector<std::string>& arguments) {
  std::vector<fs::path> paths;
  for (const std::string& argument : arguments) {
    std::error_code error;
    std::vector<fs::path> files;
    if (fs::is_directory(argument, error) && filesIn(argument, files)) {
      paths.insert(paths.end(), files.begin(), files.end());
    } else {
      paths.emplace_back(argument);
    }
  }
  std::set<std::string> taken;
  std::vector<SubmissionEntry> entries;
  entries.reserve(paths.size());
  for (fs::path& path : paths) {
    std::string name = uniqueName(path, taken);
    entries.push_back({std::move(path), std::move(name)});
  }
  return entries;
}

}  // namespace pelvano::judge
