#include "judge/output_run.h"

#include <set>

#include "platform/byte_source.h"
#include "platform/folders.h"
#include "platform/paths.h"
#include "platform/process.h"
#include "platform/staged_file.h"
#include "platform/system_file.h"
#include "platform/temporary_files.h"

namespace pelvano::judge {
namespace fs = std::filesystem;
namespace {

// A record entry names a file of DIR itself, or of one folder in it, by plain names: never
// an absolute path, "..", or anything deeper.
bool isRunPath(const fs::path& entry) {
  if (entry.empty() || entry.is_absolute()) return false;
  int depth = 0;
  for (const fs::path& part : entry) {
    const std::string name = textOf(part);
    if (name.empty() || name == "." || name == ".." || ++depth > 2) return false;
  }
  return true;
}

std::vector<std::string> recordEntries(const std::string& record) {
  std::vector<std::string> entries;
  for (std::size_t start = 0; start < record.size();) {
    const std::size_t end = record.find('\0', start);
    if (end == std::string::npos) break;  // an entry without its NUL was cut short
    entries.push_back(record.substr(start, end - start));
    start = end + 1;
  }
  return entries;
}

// The entries of the record in `dir` that name a place a run writes to.
std::vector<std::string> earlierEntries(const fs::path& dir) {
  std::vector<std::string> entries =
      recordEntries(readWholeFile(textOf(dir / kRunRecordName)).bytes);
  std::erase_if(entries, [](const std::string& entry) { return !isRunPath(entry); });
  return entries;
}

}  // namespace

std::vector<fs::path> earlierRunFiles(const fs::path& dir) {
  std::vector<fs::path> files;
  for (const std::string& entry : earlierEntries(dir))
    files.push_back(dir / entry);
  return files;
}

OutputRun::OutputRun(fs::path dir) : dir_(std::move(dir)) {
  std::error_code error = folders::createAll(dir_);
  if (error) {
    fail("create", dir_, error);
    return;
  }
  const fs::path staging = dir_ / (".pelvano-judge-run-" + std::to_string(processId()));
  createTemporary(staging, [&] { error = folders::create(staging); });
  if (error) {
    removeTemporary(staging);
    fail("create", staging, error);
    return;
  }
  staging_ = staging;
}

OutputRun::~OutputRun() {
  if (!staging_.empty()) removeTemporary(staging_);
}

void OutputRun::fail(const std::string& doing, const fs::path& path, std::error_code error) {
  if (failure_.empty())
    failure_ = "cannot " + doing + " \"" + textOf(path) + "\": " + error.message();
}

void OutputRun::addFolder(const std::string& relative) {
  if (!ok()) return;
  if (const std::error_code error = folders::create(staging_ / pathOf(relative))) {
    fail("create", staging_ / pathOf(relative), error);
  }
  folders_.push_back(relative);
}

fs::path OutputRun::stage(const std::string& relative) {
  record_ += relative;
  record_ += '\0';
  return staging_ / pathOf(relative);
}

bool OutputRun::commit() {
  if (!ok()) return false;
  withoutInterruption([&] {
    const std::vector<std::string> files = recordEntries(record_);
    const std::set<std::string> written(files.begin(), files.end());
    for (const std::string& earlier : earlierEntries(dir_)) {
      if (written.contains(earlier)) continue;
      // A folder of the entry's that is a link might lead out of DIR: nothing there is ours.
      const fs::path folder = pathOf(earlier).parent_path();
      if (!folder.empty() && !folders::isRealFolder(dir_ / folder)) continue;
      if (folders::isRealFile(dir_ / pathOf(earlier))) folders::removeFile(dir_ / pathOf(earlier));
    }
    for (const std::string& folder : folders_) {
      if (const std::error_code error = folders::createAll(dir_ / pathOf(folder))) {
        return fail("create", dir_ / pathOf(folder), error);
      }
    }
    for (const std::string& file : files) {
      if (const int error = system_file::replace(staging_ / pathOf(file), dir_ / pathOf(file))) {
        return fail("move a file to", dir_ / pathOf(file),
                    std::error_code(error, std::generic_category()));
      }
    }
    const std::string recorded = writeWholeFile(dir_ / kRunRecordName, {record_});
    if (!recorded.empty() && failure_.empty()) failure_ = recorded;
  });
  removeTemporary(staging_);
  staging_.clear();
  return ok();
}

bool writeFileOrTell(const fs::path& path, std::string_view bytes, std::ostream& err) {
  const std::string failure = writeWholeFile(path, {bytes});
  if (!failure.empty()) err << "pelvano-judge: " << failure << "\n";
  return failure.empty();
}

}  // namespace pelvano::judge
