#pragma once
// The stretches running on the other machines of a shared folder, so that a user does not track
// the same hour twice: each machine keeps its running stretch in its own "projrpt.<device>.run",
// saved about once a minute while it runs, and synced to the others like every other file.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/files.h"

namespace tw {

struct RunningElsewhere {
  std::string device, project, start;
};

// A running stretch counts while its file was saved within this many seconds (by its time of
// change, which the sync services carry over).
inline constexpr std::int64_t kFreshRunningSeconds = 5 * 60;

// The stretches running on the other machines of folder, by device name: those whose file is
// fresh at unixNow and holds a stretch that is not being recorded. Nothing outside a shared folder.
std::vector<RunningElsewhere> RunningOnOtherMachines(const Files& files, const std::string& folder,
                                                     const std::string& thisDevice, std::int64_t unixNow);

// "Also running on laptop: Alpha since 12/7/2026 9:00:00 AM", one after another; empty for none.
std::string AlsoRunningText(const std::vector<RunningElsewhere>& running);

}  // namespace tw
