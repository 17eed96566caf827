#include "platform/report_file.h"

#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>

#include <cerrno>
#include <cstring>

#include "platform/windows/wide_text.h"

namespace pelvano {

// In text mode, as Windows programs write text: each line ends in CR LF.
bool ReportFile::open(const std::string& path) {
  descriptor_ =
      ::_wopen(windows::wide(path).c_str(),
               _O_WRONLY | _O_CREAT | _O_TRUNC | _O_TEXT | _O_NOINHERIT, _S_IREAD | _S_IWRITE);
  if (descriptor_ < 0) error_ = errno;
  return descriptor_ >= 0;
}

namespace {

// The file's identity as Windows gives it: its volume and its index there; false when it
// cannot be opened.
bool identityOf(const std::string& path, BY_HANDLE_FILE_INFORMATION& information) {
  const HANDLE file = ::CreateFileW(windows::wide(path).c_str(), FILE_READ_ATTRIBUTES,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  const bool known = ::GetFileInformationByHandle(file, &information) != 0;
  ::CloseHandle(file);
  return known;
}

}  // namespace

bool isSameExistingFile(const std::string& reportPath, const std::string& inputPath) {
  BY_HANDLE_FILE_INFORMATION report{};
  BY_HANDLE_FILE_INFORMATION input{};
  if (!identityOf(reportPath, report) || !identityOf(inputPath, input)) return false;
  return report.dwVolumeSerialNumber == input.dwVolumeSerialNumber &&
         report.nFileIndexHigh == input.nFileIndexHigh &&
         report.nFileIndexLow == input.nFileIndexLow;
}

}  // namespace pelvano
