// The report file: where it may be written, and writing it whole.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace pelvano {

// A report file opened for writing. Failures are returned, with the system's reason, since
// they are the command line's to tell on standard error, not a check of the input.
class ReportFile {
 public:
  ReportFile() = default;
  ~ReportFile();
  ReportFile(const ReportFile&) = delete;
  ReportFile& operator=(const ReportFile&) = delete;

  // Creates the file or empties it; false if it cannot be opened for writing.
  bool open(const std::string& path);
  // Writes the pieces one after the other and closes the file; false if either fails.
  bool writeAndClose(std::initializer_list<std::string_view> pieces);
  // The system's reason for the last failure.
  std::string reason() const;

 private:
  int descriptor_ = -1;
  int error_ = 0;
};

// True when `reportPath` names an existing file that is also `inputPath` (the same device
// and inode, links followed): opening the report would destroy that input.
bool isSameExistingFile(const std::string& reportPath, const std::string& inputPath);

}  // namespace pelvano
