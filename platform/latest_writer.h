#pragma once
// File work done on a thread of its own, so that the window never waits for a disk. Jobs run one at
// a time in the order posted; a job posted while an earlier one still waits its turn replaces it,
// since only the latest state of the file matters. The thread ends whenever nothing is left to do.
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <thread>

namespace tw {

class LatestWriter {
 public:
  LatestWriter() = default;
  LatestWriter(const LatestWriter&) = delete;
  LatestWriter& operator=(const LatestWriter&) = delete;
  // Finishes what was posted.
  ~LatestWriter() { Wait(); }

  // A job that throws counts as failed; its exception goes no further.
  void Post(std::function<void()> job);
  // Waits until every job posted so far has run or been replaced; false when the last one that ran
  // failed. No thread is left afterwards.
  bool Wait();

 private:
  void Run();

  std::mutex mutex_;
  std::condition_variable done_;
  std::function<void()> pending_;
  bool running_ = false;
  bool lastFailed_ = false;
  std::thread worker_;
};

// The program's one writer of background files.
LatestWriter& BackgroundFiles();

}  // namespace tw
