#include "judge/submission_list.h"

#include <algorithm>
#include <set>
#include <system_error>

#include "judge/output_run.h"
#include "platform/folders.h"
#include "platform/paths.h"

namespace pelvano::judge {
namespace fs = std::filesystem;
namespace {

// Warnings of skipped entries beyond this many a folder are counted, not listed.
constexpr std::size_t kSkipsNamed = 20;

// Why an entry of a folder is not judged, or nothing when it is.
const char* skipReason(const folders::Entry& entry, const std::set<fs::path>& earlier) {
  if (earlier.contains(entry.path)) return "an earlier run of pelvano-judge wrote it";
  switch (entry.kind) {
    case folders::EntryKind::kFile:
      return nullptr;
    case folders::EntryKind::kFolder:
      return "a folder, and folders inside a SUBMISSION are not entered";
    case folders::EntryKind::kLinkToNothing:
      return "a link to nothing";
    case folders::EntryKind::kOther:
      break;
  }
  return "not a regular file";
}

// The files of `folder` to judge, sorted by name; false if the folder cannot be listed.
bool filesIn(const fs::path& folder, std::vector<fs::path>& files,
             std::vector<std::string>& warnings) {
  std::error_code error;
  const std::vector<folders::Entry> entries = folders::list(folder, error);
  if (error) return false;
  std::set<fs::path> earlier;
  for (const fs::path& file : earlierRunFiles(folder))
    earlier.insert(file);
  earlier.insert(folder / kRunRecordName);
  std::vector<std::pair<fs::path, const char*>> skipped;
  for (const folders::Entry& entry : entries) {
    if (const char* reason = skipReason(entry, earlier)) {
      skipped.emplace_back(entry.path, reason);
    } else {
      files.push_back(entry.path);
    }
  }
  const auto byName = [](const auto& a, const auto& b) {
    return textOf(a.filename()) < textOf(b.filename());
  };
  std::sort(files.begin(), files.end(), byName);
  std::sort(skipped.begin(), skipped.end(),
            [&](const auto& a, const auto& b) { return byName(a.first, b.first); });
  for (std::size_t i = 0; i < std::min(skipped.size(), kSkipsNamed); ++i)
    warnings.push_back("skipped \"" + textOf(skipped[i].first) + "\": " + skipped[i].second);
  if (skipped.size() > kSkipsNamed) {
    warnings.push_back("skipped " + std::to_string(skipped.size() - kSkipsNamed) +
                       " more entries of \"" + textOf(folder) + "\"");
  }
  if (files.empty()) {
    warnings.push_back("the folder \"" + textOf(folder) +
                       "\" holds no file to judge (give the files themselves, such as " +
                       textOf(folder / "*" / "*") + ", when they stand in folders of it)");
  }
  return true;
}

std::string uniqueName(const fs::path& path, std::set<std::string>& taken) {
  std::string stem = textOf(path.stem());
  if (stem.empty() || stem == "." || stem == "..") stem = "submission";
  std::string name = stem;
  for (int copy = 2; taken.contains(name); ++copy)
    name = stem + "-" + std::to_string(copy);
  taken.insert(name);
  return name;
}

}  // namespace

SubmissionList listSubmissions(const std::vector<std::string>& arguments) {
  SubmissionList list;
  std::vector<fs::path> paths;
  for (const std::string& argument : arguments) {
    std::vector<fs::path> files;
    const fs::path path = pathOf(argument);
    if (folders::isFolder(path) && filesIn(path, files, list.warnings)) {
      paths.insert(paths.end(), files.begin(), files.end());
    } else {
      paths.push_back(path);
    }
  }
  std::set<std::string> taken;
  list.entries.reserve(paths.size());
  for (fs::path& path : paths) {
    std::string name = uniqueName(path, taken);
    list.entries.push_back({std::move(path), std::move(name)});
  }
  return list;
}

}  // namespace pelvano::judge
