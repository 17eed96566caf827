#include "platform/line_source.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "platform/page_advice.h"

namespace pelvano {

LineSource::LineSource(ByteSource& source, std::size_t chunkSize)
    : source_(source),
      chunkSize_(chunkSize),
      buffer_(new char[chunkSize + kReadAhead]),
      position_(buffer_.get()),
      end_(buffer_.get()) {
  endChunk(0);
}

void LineSource::endChunk(std::size_t count) {
  // The sentinel, then defined bytes for the word loads that may reach past it.
  char* const end = buffer_.get() + count;
  end[0] = '\n';
  std::memset(end + 1, 0, kReadAhead - 1);
}

const char* LineSource::nextChunk() {
  char* const begin = buffer_.get();
  // An empty chunk stays in place until the read succeeds, so a throwing read leaves the
  // source consistent.
  position_ = end_ = begin;
  endChunk(0);
  if (exhausted_) return begin;
  const std::size_t count = source_.read(begin, chunkSize_);
  exhausted_ = count == 0;
  end_ = begin + count;
  endChunk(count);
  return begin;
}

bool LineSource::atEndOfChunkAndInput() {
  position_ = nextChunk();
  return position_ == end_;
}

bool LineSource::readLine(std::string& line) {
  line.clear();
  if (atEnd()) return false;
  consumeRestOfLine(line);
  return true;
}

std::optional<std::string_view> LineSource::viewLineFromStorage(std::string& storage) {
  if (!readLine(storage)) return std::nullopt;
  return std::string_view(storage);
}

std::optional<std::size_t> LineSource::readLineHead(std::string& head, std::size_t keep) {
  head.clear();
  if (atEnd()) return std::nullopt;
  return consumeRestOfLine(head, keep);
}

namespace {

// A line kept past this length is likely quoted whole by a message.
constexpr std::size_t kLongLine = std::size_t{1} << 20;
// Room for a message's words around a quoted line.
constexpr std::size_t kMessageRoom = 256;

}  // namespace

void LineSource::makeRoomForLongLine(std::string& line, std::size_t keep) {
  const std::size_t wanted =
      std::min(keep,
               line.size() + static_cast<std::size_t>(end_ - position_) + source_.remainingHint()) +
      kMessageRoom;
  if (line.capacity() >= wanted) return;
  try {
    // Once, for all that may still come: the line then grows without being copied again,
    // and the message quoting it fits in the same storage.
    line.reserve(wanted);
    adviseHugePages(line.data(), line.capacity());
  } catch (const std::bad_alloc&) {
    // Then it grows step by step, as far as memory allows.
  }
}

std::size_t LineSource::consumeRestOfLine(std::string& line, std::size_t keep) {
  const std::size_t before = line.size();
  char last = line.empty() ? '\0' : line.back();
  std::size_t length = 0;
  for (;;) {
    const auto available = static_cast<std::size_t>(end_ - position_);
    const auto* lineFeed = static_cast<const char*>(std::memchr(position_, '\n', available));
    const char* stop = lineFeed != nullptr ? lineFeed : end_;
    const auto count = static_cast<std::size_t>(stop - position_);
    if (line.size() < keep) {
      const std::size_t taken = std::min(count, keep - line.size());
      if (line.size() + taken > kLongLine && line.size() <= kLongLine)
        makeRoomForLongLine(line, keep);
      line.append(position_, taken);
    }
    if (count > 0) last = stop[-1];
    length += count;
    if (lineFeed != nullptr) {
      position_ = lineFeed + 1;
      if (last == '\r') {
        if (line.size() == before + length) line.pop_back();
        if (length > 0) --length;
      }
      return length;
    }
    position_ = nextChunk();
    // A last line without LF keeps a final CR: only a CR before an LF belongs to the line end.
    if (position_ == end_) return length;
  }
}

}  // namespace pelvano
