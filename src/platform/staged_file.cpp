#include "platform/staged_file.h"

#include <cerrno>
#include <cstring>

#include "platform/paths.h"
#include "platform/process.h"
#include "platform/system_file.h"
#include "platform/temporary_files.h"

namespace pelvano {
namespace {

constexpr std::size_t kFlushBytes = std::size_t{1} << 20;

// ".NAME.tmp-PID" beside NAME: hidden, and apart from what other processes stage there.
std::filesystem::path temporaryName(const std::filesystem::path& path) {
  std::string name = ".";
  name += textOf(path.filename());
  name += ".tmp-";
  name += std::to_string(processId());
  return path.parent_path() / name;
}

}  // namespace

StagedFile::StagedFile(std::filesystem::path path)
    : path_(std::move(path)), temporary_(temporaryName(path_)) {
  createTemporary(temporary_, [&] { descriptor_ = system_file::create(temporary_); });
  if (descriptor_ < 0) fail("create");
}

StagedFile::~StagedFile() {
  if (descriptor_ >= 0) system_file::close(descriptor_);
  if (!temporary_.empty()) removeTemporary(temporary_);
}

void StagedFile::fail(const char* doing) {
  if (error_ != 0) return;
  error_ = errno != 0 ? errno : EIO;
  doing_ = doing;
}

void StagedFile::append(std::string_view bytes) {
  if (!ok()) return;
  if (bytes.size() >= kFlushBytes) {
    flush();
    write(bytes);
    return;
  }
  buffer_ += bytes;
  if (buffer_.size() >= kFlushBytes) flush();
}

void StagedFile::write(std::string_view bytes) {
  if (!ok()) return;
  if (const int error = system_file::writeAll(descriptor_, bytes); error != 0) {
    errno = error;
    fail("write");
  }
}

void StagedFile::flush() {
  write(buffer_);
  buffer_.clear();
}

bool StagedFile::commit() {
  flush();
  if (descriptor_ >= 0) {
    if (const int error = system_file::close(descriptor_); error != 0) {
      errno = error;
      fail("write");
    }
    descriptor_ = -1;
  }
  if (!ok()) return false;
  if (!placeTemporary(temporary_, path_)) {
    fail("rename");
    return false;
  }
  temporary_.clear();
  return true;
}

std::string StagedFile::failure() const {
  if (ok()) return {};
  return "cannot " + doing_ + " \"" + textOf(path_) + "\": " + std::strerror(error_);
}

std::string writeWholeFile(const std::filesystem::path& path,
                           std::initializer_list<std::string_view> pieces) {
  StagedFile file(path);
  for (const std::string_view piece : pieces)
    file.append(piece);
  file.commit();
  return file.failure();
}

}  // namespace pelvano
