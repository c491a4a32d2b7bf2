#include "tests/support/fake_idle.h"

#include <utility>

namespace tw::test {

Watching FakeIdleSource::Watch(bool input, Notice notice) {
  watching = input;
  back = std::move(notice);
  return {input && tells.input, tells.unlock};
}

std::optional<Absence> FakeSleepWatch::TakeSleep() { return std::exchange(sleep, std::nullopt); }

}  // namespace tw::test
