// Hands submissions to worker threads and their outcomes back in the order given, holding
// no more than a fixed number of finished ones that wait for their turn.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <mutex>
#include <optional>
#include <vector>

namespace pelvano::judge {

template <class Item>
class JudgingWindow {
 public:
  // `total` submissions, at most `width` of them taken but not yet collected.
  JudgingWindow(std::size_t total, std::size_t width) : total_(total), slots_(width) {}

  // For a worker: the next submission to judge, or nothing when all have been taken. Waits
  // while the window is full.
  std::optional<std::size_t> take() {
    std::unique_lock lock(mutex_);
    roomLeft_.wait(lock, [&] { return next_ >= total_ || next_ < collected_ + slots_.size(); });
    if (next_ >= total_) return std::nullopt;
    return next_++;
  }

  void finish(std::size_t index, Item item) {
    {
      std::lock_guard lock(mutex_);
      slots_[index % slots_.size()] = std::move(item);
    }
    finished_.notify_all();
  }

  // For the writer: waits for submission `index` (collected in order, from 0) and frees its
  // place in the window.
  Item collect(std::size_t index) {
    std::unique_lock lock(mutex_);
    std::optional<Item>& slot = slots_[index % slots_.size()];
    finished_.wait(lock, [&] { return slot.has_value(); });
    Item item = std::move(*slot);
    slot.reset();
    collected_ = index + 1;
    lock.unlock();
    roomLeft_.notify_all();
    return item;
  }

 private:
  std::mutex mutex_;
  std::condition_variable roomLeft_;
  std::condition_variable finished_;
  std::size_t total_;
  std::size_t next_ = 0;
  std::size_t collected_ = 0;
  std::vector<std::optional<Item>> slots_;
};

}  // namespace pelvano::judge
