#pragma once
// Stand-ins for the desktop's idle sources and sleep watches, with values a test sets.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/idle.h"

namespace tw::test {

class FakeIdleSource : public IdleSource {
 public:
  std::string Name() const override { return name; }
  std::optional<std::int64_t> IdleSeconds() override { return idleSeconds; }
  bool Locked() override { return locked; }
  Watching Watch(bool input, Notice back) override;
  void StopWatching() override { watching.reset(), back = nullptr; }

  std::string name = "fake idle source";
  // Nothing: the source cannot tell right now.
  std::optional<std::int64_t> idleSeconds = 0;
  bool locked = false;
  // What the source can tell of as it happens (nothing: it is asked), and the watch the caller
  // set: whether it asked for input; nothing while not watched.
  Watching tells;
  std::optional<bool> watching;
  Notice back;
  // The person's input, or the lock's end, as the source tells of it.
  void TellBack() {
    if (back) back();
  }
};

class FakeSleepWatch : public SleepWatch {
 public:
  std::string Name() const override { return name; }
  // Hands out the sleep set with Slept once.
  std::optional<Absence> TakeSleep() override;
  void OnWake(Notice notice) override { woke = std::move(notice); }
  void Slept(std::int64_t from, std::int64_t to) { sleep = Absence{from, to}; }

  std::string name = "fake sleep watch";
  std::optional<Absence> sleep;
  Notice woke;
};

// The sources of a watch that asks only the given one.
inline std::vector<std::unique_ptr<IdleSource>> Only(IdleSource* source) {
  std::vector<std::unique_ptr<IdleSource>> sources;
  sources.emplace_back(source);
  return sources;
}

}  // namespace tw::test
