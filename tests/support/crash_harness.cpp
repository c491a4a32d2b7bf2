#include "tests/support/crash_harness.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <random>

namespace tw::test {

int RandomKillsPerOperation() {
  const char* env = std::getenv("TW_CRASH_KILLS");
  return env ? std::max(1, std::atoi(env)) : 40;
}

bool CrashHarness::RunChild(int killBeforeStep, long delayMicros) {
  prepare_();
  int ready[2];
  if (::pipe(ready) != 0) throw std::runtime_error("pipe failed");
  const pid_t pid = ::fork();
  if (pid < 0) throw std::runtime_error("fork failed");
  if (pid == 0) {
    ::close(ready[0]);
    int steps = 0;
    files_.SetHook([&](FileStep, const std::string&) {
      if (killBeforeStep > 0 && ++steps == killBeforeStep) ::raise(SIGKILL);
      return 0;
    });
    const auto begin = std::chrono::steady_clock::now();
    if (::write(ready[1], "g", 1) != 1) ::_exit(3);
    try {
      operation_();
    } catch (...) {
      ::_exit(2);
    }
    const long micros = std::chrono::duration_cast<std::chrono::microseconds>(
                            std::chrono::steady_clock::now() - begin)
                            .count();
    if (::write(ready[1], &micros, sizeof micros) != sizeof micros) ::_exit(3);
    ::_exit(0);
  }
  ::close(ready[1]);
  char go = 0;
  // The clock starts when the child begins the operation, not when it was forked.
  if (::read(ready[0], &go, 1) == 1 && delayMicros > 0) {
    ::usleep(static_cast<useconds_t>(delayMicros));
    ::kill(pid, SIGKILL);
  }
  long micros = 0;
  if (::read(ready[0], &micros, sizeof micros) == sizeof micros) lastLength_ = micros;
  ::close(ready[0]);
  int status = 0;
  ::waitpid(pid, &status, 0);
  const bool killed = WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
  if (!killed) {
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the operation failed";
  }
  check_();
  return killed;
}

int CrashHarness::KillAtEveryStep() {
  int kills = 0;
  for (int step = 1; step < 10000 && RunChild(step, 0); ++step) ++kills;
  return kills;
}

int CrashHarness::KillAtRandomMoments(int count, unsigned seed) {
  RunChild(0, 0);  // measures the operation's usual length
  std::mt19937 random(seed);
  std::uniform_int_distribution<long> delay(1, std::max(2L, lastLength_));
  int kills = 0;
  for (int i = 0; i < count; ++i)
    if (RunChild(0, delay(random))) ++kills;
  return kills;
}

}  // namespace tw::test
