// Where the data lives.
#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>

#include "platform/latest_writer.h"
#include "platform/system.h"

namespace tw {
namespace {

TEST(Platform, DataLivesBesideAWritableProgramOtherwiseInTheUsersDataFolder) {
  EXPECT_EQ(ChooseDataFolder("/opt/tw", true, "/x", "/home/u"), "/opt/tw");
  EXPECT_EQ(ChooseDataFolder("/usr/bin", false, "/x/data", "/home/u"), "/x/data/Tallywright");
  // A relative or empty XDG_DATA_HOME is ignored, as the base directory rules say.
  for (const char* xdg : {"", "relative", static_cast<const char*>(nullptr)})
    EXPECT_EQ(ChooseDataFolder("/usr/bin", false, xdg, "/home/u"), "/home/u/.local/share/Tallywright");
}

// Typing costs one write once it pauses; a write asked for now is never held back; one thread writes.
TEST(Platform, TheWriterCoalescesABurstAndNeverHoldsBackAWriteAskedForNow) {
  using namespace std::chrono_literals;
  LatestWriter writer;
  std::atomic<int> runs = 0, last = 0;
  std::thread::id first, other;
  for (int i = 1; i <= 5; ++i) writer.Post([&, i] { ++runs, last = i, first = std::this_thread::get_id(); }, 300ms);
  std::this_thread::sleep_for(100ms);
  EXPECT_EQ(runs, 0);
  for (int k = 0; k < 500 && runs == 0; ++k) std::this_thread::sleep_for(10ms);
  std::this_thread::sleep_for(300ms);
  EXPECT_EQ(runs, 1);
  EXPECT_EQ(last, 5);
  const auto began = std::chrono::steady_clock::now();
  // While the writer is busy, a write asked for now waits; a delayed one replacing it is due as soon.
  std::atomic<bool> busy = false, release = false;
  writer.Post([&] {
    busy = true;
    while (!release) std::this_thread::sleep_for(1ms);
  });
  for (int k = 0; k < 500 && !busy; ++k) std::this_thread::sleep_for(10ms);
  writer.Post([&] { last = 6; });
  writer.Post([&] { last = 7, other = std::this_thread::get_id(); }, 60s);
  release = true;
  for (int k = 0; k < 200 && last != 7; ++k) std::this_thread::sleep_for(10ms);
  EXPECT_EQ(last, 7);
  writer.Post([&] { last = 8; }, 60s);
  EXPECT_TRUE(writer.Wait());
  EXPECT_EQ(last, 8);
  EXPECT_LT(std::chrono::steady_clock::now() - began, 10s);
  EXPECT_EQ(first, other);
  writer.Post([] { throw std::runtime_error("full"); });
  EXPECT_FALSE(writer.Wait());
}

}  // namespace
}  // namespace tw
