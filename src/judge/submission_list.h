// The submissions a batch judges, each with the name its report is filed under.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace pelvano::judge {

struct SubmissionEntry {
  std::filesystem::path path;  // as given, or as found in a folder given
  std::string name;            // unique within the batch: the report is reports/NAME.txt
};

struct SubmissionList {
  std::vector<SubmissionEntry> entries;
  // What a person should know of what was left out: a folder that yields no file, an entry
  // of a folder that is skipped; one sentence each, naming it.
  std::vector<std::string> warnings;
};

// Each argument is a file, or a folder: then every regular file in it (links to one
// included), sorted by name, not recursing; other entries (folders, links to nothing,
// devices) and the files that an earlier run of pelvano-judge wrote there are skipped, each
// with a warning. NAME is the file's name without its last extension; a name already taken
// gets "-2", "-3", ... in the order the submissions are given. A folder that cannot be listed
// stays one entry, which then reads as unreadable.
SubmissionList listSubmissions(const std::vector<std::string>& arguments);

}  // namespace pelvano::judge
