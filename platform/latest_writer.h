#pragma once
// File work done on a thread of its own, so that the window never waits for a disk. Jobs run one at
// a time in the order posted; a job posted while an earlier one still waits its turn replaces it,
// since only the latest state of the file matters. A job may be posted to run a while later: a burst
// of changes (typing) then costs one write, made once the burst has paused. The thread starts with
// the first job and lasts as long as the writer.
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

namespace tw {

class LatestWriter {
 public:
  LatestWriter() = default;
  LatestWriter(const LatestWriter&) = delete;
  LatestWriter& operator=(const LatestWriter&) = delete;
  // Finishes what was posted, at once, and ends the thread.
  ~LatestWriter();

  // The job runs after delay, unless another is posted first. A job posted at once stays due at once
  // when a later one replaces it, so a burst never holds back a write that was asked for now. A job
  // that throws counts as failed; its exception goes no further.
  void Post(std::function<void()> job, std::chrono::milliseconds delay = {});
  // Runs what waits at once and waits until every job posted so far has run or been replaced; false
  // when the last one that ran failed.
  bool Wait();

  // Around a fork: the child has no writer thread, and what the parent has pending is the parent's.
  void BeforeFork();
  void AfterFork(bool child);

 private:
  void Run();

  std::mutex mutex_;
  std::condition_variable wake_, done_;
  std::function<void()> pending_;
  std::chrono::steady_clock::time_point due_;
  bool urgent_ = false;  // the pending job was asked for at once
  bool busy_ = false;    // a job is running
  bool stopping_ = false;
  bool lastFailed_ = false;
  std::thread* worker_ = nullptr;
};

// The program's one writer of background files.
LatestWriter& BackgroundFiles();

}  // namespace tw
