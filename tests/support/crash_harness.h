#pragma once
// Kills a file-changing operation in a child process, at every step of the files layer and at
// random moments, and lets the test check what it left on disk.
#include <functional>

#include "platform/files.h"

namespace tw::test {

struct KillCounts {
  int atSteps = 0;
  int atRandom = 0;
};

class CrashHarness {
 public:
  // prepare: puts the files in their starting state (runs in the test process before each kill);
  // operation: the change, run in a child; check: verifies the files after the child died (or ended).
  CrashHarness(Files& files, std::function<void()> prepare, std::function<void()> operation,
               std::function<void()> check)
      : files_(files), prepare_(std::move(prepare)), operation_(std::move(operation)),
        check_(std::move(check)) {}

  // Kills the child just before its first, second, ... file step, until one run completes without
  // reaching the step. Returns the number of kills.
  int KillAtEveryStep();
  // Kills the child after a random delay within the operation's usual length, count times.
  int KillAtRandomMoments(int count, unsigned seed);

 private:
  // Runs the operation in a child; killBeforeStep > 0 kills it there, delayMicros > 0 kills it from
  // outside after that long. True when the child was killed.
  bool RunChild(int killBeforeStep, long delayMicros);

  Files& files_;
  std::function<void()> prepare_, operation_, check_;
  long lastLength_ = 0;  // microseconds the last operation took that was not killed
};

// How many random kills a test makes: a short run by default, TW_CRASH_KILLS for the full run.
int RandomKillsPerOperation();

}  // namespace tw::test
