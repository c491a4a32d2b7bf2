#include "platform/latest_writer.h"

#include <system_error>
#include <utility>

namespace tw {

void LatestWriter::Post(std::function<void()> job) {
  std::unique_lock lock(mutex_);
  pending_ = std::move(job);
  if (running_) return;
  // The last thread has finished its work; it is gone once joined.
  if (worker_.joinable()) worker_.join();
  running_ = true;
  try {
    worker_ = std::thread(&LatestWriter::Run, this);
  } catch (const std::system_error&) {
    // No thread to be had: the work is done here, late rather than never.
    lock.unlock();
    Run();
  }
}

void LatestWriter::Run() {
  std::unique_lock lock(mutex_);
  while (pending_) {
    std::function<void()> job = std::exchange(pending_, nullptr);
    lock.unlock();
    bool failed = false;
    try {
      job();
    } catch (...) {
      failed = true;
    }
    lock.lock();
    lastFailed_ = failed;
  }
  running_ = false;
  done_.notify_all();
}

bool LatestWriter::Wait() {
  std::unique_lock lock(mutex_);
  done_.wait(lock, [this] { return !running_; });
  if (worker_.joinable()) worker_.join();
  return !lastFailed_;
}

LatestWriter& BackgroundFiles() {
  static LatestWriter writer;
  return writer;
}

}  // namespace tw
