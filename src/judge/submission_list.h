// The submissions a batch judges, each with the name its report is filed under.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace pelvano::judge {

struct SubmissionEntry {
  std::filesystem::path path;
  std::string name;  // unique within the batch: the report is reports/NAME.txt
};

// Each argument is a file, or a folder: then every regular file in it, sorted by name, not
// recursing. NAME is the file's name without its last extension; a name already taken gets
// "-2", "-3", ... in the order the submissions are given. A folder that cannot be listed
// stays one entry, which then reads as unreadable.
std::vector<SubmissionEntry> listSubmissions(const std::vector<std::string>& arguments);

}  // namespace pelvano::judge
