// Fuzzes the run record, .pelvano-judge-files, whose entries decide what a run removes: a run
// into a scratch DIR holding the fuzzed record must remove nothing outside DIR, nothing
// through a link, and nothing that is not a regular file.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "judge/output_run.h"
#include "platform/staged_file.h"

namespace {
namespace fs = std::filesystem;

// The scratch folder: SCRATCH/dir is the run's DIR; SCRATCH/outside.txt, SCRATCH/away/x.txt
// (reached from DIR through the link DIR/link) and DIR/folder must survive every run.
const fs::path& scratch() {
  // Never destroyed: the cleanup at exit still needs it.
  static const fs::path& folder = *new fs::path([] {
    std::string pattern = (fs::temp_directory_path() / "pelvano-run-record-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) std::abort();
    // Nothing is left behind when the fuzzer ends.
    std::atexit([] {
      std::error_code error;
      fs::remove_all(scratch(), error);
    });
    return fs::path(pattern);
  }());
  return folder;
}

void keep(const fs::path& file) {
  if (!fs::exists(file)) std::ofstream(file) << "kept";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const fs::path dir = scratch() / "dir";
  fs::create_directories(dir / "folder");
  fs::create_directories(scratch() / "away");
  keep(scratch() / "outside.txt");
  keep(scratch() / "away" / "x.txt");
  keep(dir / "folder" / "inside.txt");
  std::error_code error;
  if (!fs::is_symlink(dir / "link", error))
    fs::create_directory_symlink(scratch() / "away", dir / "link", error);
  std::ofstream(dir / pelvano::judge::kRunRecordName, std::ios::binary)
      .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  {
    pelvano::judge::OutputRun run(dir);
    if (!pelvano::writeWholeFile(run.stage("new.txt"), {"new"}).empty()) std::abort();
    if (!run.commit()) std::abort();
  }
  for (const fs::path& survivor :
       {scratch() / "outside.txt", scratch() / "away" / "x.txt", dir / "folder"}) {
    if (!fs::exists(survivor)) std::abort();
  }
  return 0;
}
