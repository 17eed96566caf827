// Files that appear whole or not at all: written under a temporary name beside their place
// and renamed there once complete. The temporary name is registered with temporary_files.h,
// so a signal that ends the process removes it.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace pelvano {

class StagedFile {
 public:
  // Starts `path`'s temporary file; ok() tells whether that worked.
  explicit StagedFile(std::filesystem::path path);
  // A file that was not placed is removed, so nothing half-written stays behind.
  ~StagedFile();
  StagedFile(const StagedFile&) = delete;
  StagedFile& operator=(const StagedFile&) = delete;

  // Bytes are gathered and written in large pieces; a piece larger than that is written as
  // it stands, not copied.
  void append(std::string_view bytes);
  // Writes what is left, closes the file and moves it to its place; false on any failure.
  bool commit();

  bool ok() const { return error_ == 0; }
  // The first failure: what was being done, to which file, and the system's reason.
  std::string failure() const;

 private:
  void write(std::string_view bytes);
  void flush();
  void fail(const char* doing);

  std::filesystem::path path_;
  std::filesystem::path temporary_;
  int descriptor_ = -1;
  std::string buffer_;
  int error_ = 0;
  std::string doing_;
};

// Writes a whole file, given in pieces, through a StagedFile; returns an empty string or
// what went wrong.
std::string writeWholeFile(const std::filesystem::path& path,
                           std::initializer_list<std::string_view> pieces);

}  // namespace pelvano
