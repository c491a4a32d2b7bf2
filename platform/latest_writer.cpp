#include "platform/latest_writer.h"

#include <pthread.h>

#include <new>
#include <system_error>
#include <utility>

namespace tw {
namespace {

// Runs a job; whatever it throws goes no further.
bool Failed(const std::function<void()>& job) {
  try {
    job();
    return false;
  } catch (...) {
    return true;
  }
}

}  // namespace

LatestWriter::~LatestWriter() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  wake_.notify_all();
  if (worker_) worker_->join();
  delete worker_;
}

void LatestWriter::Post(std::function<void()> job, std::chrono::milliseconds delay) {
  std::unique_lock lock(mutex_);
  const bool keepDue = pending_ && urgent_;
  if (!keepDue) due_ = std::chrono::steady_clock::now() + delay;
  urgent_ = keepDue || delay.count() <= 0;
  pending_ = std::move(job);
  if (worker_) {
    wake_.notify_all();
    return;
  }
  try {
    worker_ = new std::thread(&LatestWriter::Run, this);
  } catch (const std::system_error&) {
    // No thread to be had: the work is done here, late rather than never.
    std::function<void()> now = std::exchange(pending_, nullptr);
    lock.unlock();
    const bool failed = Failed(now);
    lock.lock();
    lastFailed_ = failed;
  }
}

void LatestWriter::Run() {
  std::unique_lock lock(mutex_);
  for (;;) {
    if (!pending_) {
      if (stopping_) return;
      wake_.wait(lock);
      continue;
    }
    if (!stopping_ && !urgent_ && std::chrono::steady_clock::now() < due_) {
      wake_.wait_until(lock, due_);
      continue;
    }
    std::function<void()> job = std::exchange(pending_, nullptr);
    busy_ = true;
    lock.unlock();
    const bool failed = Failed(job);
    lock.lock();
    busy_ = false;
    lastFailed_ = failed;
    done_.notify_all();
  }
}

bool LatestWriter::Wait() {
  std::unique_lock lock(mutex_);
  if (pending_) {
    urgent_ = true;
    wake_.notify_all();
  }
  done_.wait(lock, [this] { return !pending_ && !busy_; });
  return !lastFailed_;
}

void LatestWriter::BeforeFork() { mutex_.lock(); }

void LatestWriter::AfterFork(bool child) {
  if (!child) {
    mutex_.unlock();
    return;
  }
  // The parent's thread is not here: its object is left as it is, never joined, and the lock and
  // the conditions it may have been waiting on start afresh.
  new (&mutex_) std::mutex;
  new (&wake_) std::condition_variable;
  new (&done_) std::condition_variable;
  worker_ = nullptr;
  pending_ = nullptr;
  busy_ = false;
}

LatestWriter& BackgroundFiles() {
  static LatestWriter* const writer = [] {
    static LatestWriter instance;
    pthread_atfork([] { BackgroundFiles().BeforeFork(); }, [] { BackgroundFiles().AfterFork(false); },
                   [] { BackgroundFiles().AfterFork(true); });
    return &instance;
  }();
  return *writer;
}

}  // namespace tw
