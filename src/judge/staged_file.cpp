#include "judge/staged_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace pelvano::judge {
namespace {

constexpr std::size_t kFlushBytes = std::size_t{1} << 20;

// ".NAME.tmp-PID" beside NAME: hidden, and apart from what other processes stage there.
std::filesystem::path temporaryName(const std::filesystem::path& path) {
  std::string name = ".";
  name += path.filename().string();
  name += ".tmp-";
  name += std::to_string(::getpid());
  return path.parent_path() / name;
}

}  // namespace

StagedFile::StagedFile(std::filesystem::path path)
    : path_(std::move(path)), temporary_(temporaryName(path_)) {
  descriptor_ = ::open(temporary_.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (descriptor_ < 0) fail("create");
}

StagedFile::~StagedFile() {
  if (descriptor_ >= 0) ::close(descriptor_);
  if (!temporary_.empty()) ::unlink(temporary_.c_str());
}

void StagedFile::fail(const char* doing) {
  if (error_ != 0) return;
  error_ = errno != 0 ? errno : EIO;
  doing_ = doing;
}

void StagedFile::append(std::string_view bytes) {
  if (!ok()) return;
  buffer_ += bytes;
  if (buffer_.size() >= kFlushBytes) flush();
}

void StagedFile::flush() {
  std::string_view rest = buffer_;
  while (ok() && !rest.empty()) {
    const ssize_t written = ::write(descriptor_, rest.data(), rest.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) {
      fail("write");
      break;
    }
    rest.remove_prefix(static_cast<std::size_t>(written));
  }
  buffer_.clear();
}

bool StagedFile::commit() {
  flush();
  if (descriptor_ >= 0) {
    if (::close(descriptor_) != 0) fail("write");
    descriptor_ = -1;
  }
  if (!ok()) return false;
  if (::rename(temporary_.c_str(), path_.c_str()) != 0) {
    fail("rename");
    return false;
  }
  temporary_.clear();
  return true;
}

std::string StagedFile::failure() const {
  if (ok()) return {};
  return "cannot " + doing_ + " \"" + path_.string() + "\": " + std::strerror(error_);
}

std::string writeWholeFile(const std::filesystem::path& path, std::string_view bytes) {
  StagedFile file(path);
  file.append(bytes);
  file.commit();
  return file.failure();
}

bool writeWholeFile(const std::filesystem::path& path, std::string_view bytes, std::ostream& err) {
  const std::string failure = writeWholeFile(path, bytes);
  if (!failure.empty()) err << "pelvano-judge: " << failure << "\n";
  return failure.empty();
}

}  // namespace pelvano::judge
