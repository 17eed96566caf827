// What one run of `batch` or `draw` writes into its folder DIR. Every file is written into a
// staging folder inside DIR first; when the run is complete, all of them move to their
// places together, the files that the earlier run into DIR wrote and this one did not are
// removed, and this run's files are recorded in DIR for the next run. So DIR holds one
// run's output whole, never two runs' mixed, and an interrupted run leaves the earlier
// output as it was. Files in DIR that no run wrote are left alone.
#pragma once

#include <filesystem>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace pelvano::judge {

// The record of a run's files in its DIR: their paths relative to DIR, each ended by a NUL.
inline constexpr const char* kRunRecordName = ".pelvano-judge-files";

class OutputRun {
 public:
  // Creates DIR if it is missing, and the staging folder in it; ok() tells whether that
  // worked.
  explicit OutputRun(std::filesystem::path dir);
  // A run that was not committed leaves nothing behind: its staging folder is removed.
  ~OutputRun();
  OutputRun(const OutputRun&) = delete;
  OutputRun& operator=(const OutputRun&) = delete;

  bool ok() const { return failure_.empty(); }
  // What went wrong, naming the path and the system's reason.
  const std::string& failure() const { return failure_; }

  // Adds a folder of the run's, such as "reports", so that files can be staged in it.
  void addFolder(const std::string& relative);
  // Where a file of the run is written (through a StagedFile) until the run is committed:
  // `relative` inside the staging folder. The file becomes part of the run.
  std::filesystem::path stage(const std::string& relative);

  // Moves every file of the run to its place in DIR, removes what the earlier run recorded
  // and this run did not write, and records this run's files; false on failure.
  bool commit();

 private:
  void fail(const std::string& doing, const std::filesystem::path& path, std::error_code error);

  std::filesystem::path dir_;
  std::filesystem::path staging_;
  std::vector<std::string> folders_;
  std::string record_;  // the run's files so far, as the record holds them
  std::string failure_;
};

// The files that an earlier run recorded in `dir`, as paths inside it (a record entry that
// would lead outside DIR, or anywhere but where a run writes, is ignored); empty without a
// record.
std::vector<std::filesystem::path> earlierRunFiles(const std::filesystem::path& dir);

// Writes a whole file through a StagedFile, telling what went wrong on `err` as
// pelvano-judge does; false if it did.
bool writeFileOrTell(const std::filesystem::path& path, std::string_view bytes, std::ostream& err);

}  // namespace pelvano::judge
