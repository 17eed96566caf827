// Where the line source gets its bytes from: a file, a stream or memory.
#pragma once

#include <cstddef>
#include <istream>
#include <string>
#include <string_view>

namespace pelvano {

class ByteSource {
 public:
  virtual ~ByteSource() = default;
  // Fills up to `capacity` bytes and returns how many; 0 means the input has ended.
  // A read error throws (it must never pass for the end of the input).
  virtual std::size_t read(char* into, std::size_t capacity) = 0;
  // Lets go of what stands behind the source as soon as it is no longer read (a writer on
  // the other end of a pipe is then not left waiting); later reads find no byte.
  virtual void close() {}
  // How many bytes are still to come, where that is known (a regular file); 0 otherwise.
  virtual std::size_t remainingHint() const { return 0; }
  // Why the source could not be opened ("cannot be read: " and the system's reason), once a
  // read found it so; empty otherwise. Such a source reads as one without bytes.
  virtual std::string unreadable() const { return {}; }
};

// A file named by path. It is opened at the first read, so a file is opened only when the
// run gets to it. A file that cannot be opened, or a directory, reads as a file without bytes.
class FileByteSource final : public ByteSource {
 public:
  explicit FileByteSource(std::string path) : path_(std::move(path)) {}
  // The process's standard input, read through a descriptor of its own, which the source
  // closes.
  struct StandardInput {};
  explicit FileByteSource(StandardInput);
  ~FileByteSource() override;
  FileByteSource(const FileByteSource&) = delete;
  FileByteSource& operator=(const FileByteSource&) = delete;

  std::size_t read(char* into, std::size_t capacity) override;
  void close() override;
  std::size_t remainingHint() const override { return remaining_; }
  std::string unreadable() const override;

 private:
  void open();

  std::string path_;
  int descriptor_ = -1;
  bool opened_ = false;
  int openError_ = 0;          // an errno value (EISDIR for a directory), or 0
  std::size_t remaining_ = 0;  // of a regular file, as its size said at the start
};

class StreamByteSource final : public ByteSource {
 public:
  explicit StreamByteSource(std::istream& stream) : stream_(stream) {}
  std::size_t read(char* into, std::size_t capacity) override;

 private:
  std::istream& stream_;
};

// Bytes held by the caller, which must outlive the source.
class MemoryByteSource final : public ByteSource {
 public:
  explicit MemoryByteSource(std::string_view bytes) : rest_(bytes) {}
  std::size_t read(char* into, std::size_t capacity) override;

 private:
  std::string_view rest_;
};

// A source's bytes to its end: `unreadable` says why there are none when it cannot be opened
// or read.
struct WholeFile {
  std::string bytes;
  std::string unreadable;
};
WholeFile readWhole(ByteSource& source);
WholeFile readWholeFile(const std::string& path);

}  // namespace pelvano
