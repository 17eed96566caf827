// The byte sources that need no operating-system call: a stream and memory.
#include <algorithm>
#include <cstring>
#include <stdexcept>

#include "platform/byte_source.h"

namespace pelvano {

std::string FileByteSource::unreadable() const {
  if (openError_ == 0) return {};
  return std::string("cannot be read: ") + std::strerror(openError_);
}

WholeFile readWhole(ByteSource& source) {
  WholeFile file;
  try {
    char buffer[1 << 16];
    for (std::size_t got; (got = source.read(buffer, sizeof buffer)) > 0;)
      file.bytes.append(buffer, got);
    file.unreadable = source.unreadable();
  } catch (const std::exception& failure) {
    file.bytes.clear();
    file.unreadable = std::string("cannot be read: ") + failure.what();
  }
  return file;
}

WholeFile readWholeFile(const std::string& path) {
  FileByteSource source(path);
  return readWhole(source);
}

FileByteSource::~FileByteSource() {
  close();
}

std::size_t StreamByteSource::read(char* into, std::size_t capacity) {
  stream_.read(into, static_cast<std::streamsize>(capacity));
  if (stream_.bad()) throw std::runtime_error("input stream failed");
  return static_cast<std::size_t>(stream_.gcount());
}

std::size_t MemoryByteSource::read(char* into, std::size_t capacity) {
  const std::size_t count = std::min(capacity, rest_.size());
  if (count == 0) return 0;
  std::memcpy(into, rest_.data(), count);
  rest_.remove_prefix(count);
  return count;
}

}  // namespace pelvano
