// Reads an input file line by line, in large chunks.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/byte_source.h"

namespace pelvano {

// The running line count used in messages. 64 bits wide so that no file, however long,
// makes it wrap.
using LineCounter = std::int64_t;

// Lines are the bytes up to the next LF; the LF is not part of the line, nor is a CR right
// before it. A last line without LF is a line if it holds a byte.
//
// Whole lines are read with readLine. Grid rows are scanned straight out of the chunk (see
// scanRow), so their length never sets the memory: for that the source exposes its cursor.
// The unread bytes of the current chunk always end in a '\n' sentinel, so a scanning loop
// needs to test for the chunk's end only where it meets a '\n'; and at least kReadAhead bytes
// may be read from any position up to the sentinel, so a scanner may load whole words.
class LineSource {
 public:
  static constexpr std::size_t kDefaultChunkSize = std::size_t{1} << 18;
  static constexpr std::size_t kReadAhead = 16;

  explicit LineSource(ByteSource& source, std::size_t chunkSize = kDefaultChunkSize);

  // Reads the next line into `line`; false, with `line` empty, when no byte is left.
  bool readLine(std::string& line);

  // Reads the next line but keeps only its first `keep` bytes in `head`, so that a long line
  // costs no memory; returns the line's length, or nullopt when no byte is left.
  std::optional<std::size_t> readLineHead(std::string& head, std::size_t keep);

  // Appends the rest of the current line to `line`, while `line` holds fewer than `keep`
  // bytes, and consumes the line's end; returns how many bytes the rest held. A CR right
  // before the LF belongs to the line end: it is neither counted nor kept.
  std::size_t consumeRestOfLine(std::string& line,
                                std::size_t keep = std::numeric_limits<std::size_t>::max());

  // Reads the next line as a view, valid until the next read: of the chunk, when its line feed
  // is there, as most are; otherwise of `storage`, which then holds the line. nullopt, with
  // `storage` empty, when no byte is left.
  std::optional<std::string_view> viewLine(std::string& storage) {
    // An empty line, the commonest in a task file, is told without a search.
    if (*position_ == '\n' && position_ != end_) {
      ++position_;
      return std::string_view();
    }
    const auto available = static_cast<std::size_t>(end_ - position_);
    const auto* lineFeed = static_cast<const char*>(std::memchr(position_, '\n', available));
    if (lineFeed == nullptr) return viewLineFromStorage(storage);
    const char* const start = position_;
    position_ = lineFeed + 1;
    const char* const end = lineFeed != start && lineFeed[-1] == '\r' ? lineFeed - 1 : lineFeed;
    return std::string_view(start, static_cast<std::size_t>(end - start));
  }

  // True when no byte is left: the next read finds no line.
  bool atEnd() { return position_ == end_ && atEndOfChunkAndInput(); }

  // The scanners' access: the first unread byte, and where they leave off.
  const char* position() const { return position_; }
  void setPosition(const char* p) { position_ = p; }

  // The chunk-end protocol, for a scanner that has found a '\n' at `p`. That byte is a line
  // feed, the sentinel at the input's end, or the sentinel of a chunk after which the input
  // goes on. In the last case the next chunk is read, `p` moves to its first byte and the
  // result is true. Otherwise the result is false and `p` stays; atChunkEnd(p) then tells the
  // input's end from a line feed.
  bool continuesAfter(const char*& p) {
    if (p != end_) return false;
    p = nextChunk();
    return p != end_;
  }
  // Whether a '\n' at `p` is the sentinel, without reading on: after continuesAfter(p) has
  // been false, whether the input ends there.
  bool atChunkEnd(const char* p) const { return p == end_; }
  const char* chunkEnd() const { return end_; }

 private:
  // Reads the next chunk and returns its first byte. At the end of the input that is the
  // sentinel of an empty chunk.
  const char* nextChunk();
  // At the chunk's end: reads the next chunk, and whether the input has ended.
  bool atEndOfChunkAndInput();
  // viewLine for a line whose line feed is not in the current chunk.
  std::optional<std::string_view> viewLineFromStorage(std::string& storage);
  void endChunk(std::size_t count);
  void makeRoomForLongLine(std::string& line, std::size_t keep);

  ByteSource& source_;
  std::size_t chunkSize_;
  std::unique_ptr<char[]> buffer_;
  const char* position_;
  const char* end_;
  bool exhausted_ = false;  // the source said it has no more bytes; it is not asked again
};

}  // namespace pelvano
