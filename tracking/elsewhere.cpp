#include "tracking/elsewhere.h"

#include <sys/stat.h>

#include "platform/shared_folder.h"
#include "tracking/running.h"
#include "platform/translate.h"

namespace tw {

std::vector<RunningElsewhere> RunningOnOtherMachines(const Files& files, const std::string& folder,
                                                     const std::string& thisDevice, std::int64_t unixNow) {
  std::vector<RunningElsewhere> running;
  if (!IsSharedFolder(folder)) return running;
  for (const SharedFolderFiles::DeviceFile& file : ListSharedFolder(folder).running) {
    if (SameDeviceName(file.device, thisDevice)) continue;
    const std::string path = JoinPath(folder, file.name);
    struct stat st {};
    // A clock a little ahead on the other machine still counts as fresh.
    if (::stat(path.c_str(), &st) != 0 || unixNow - st.st_mtime > kFreshRunningSeconds ||
        st.st_mtime - unixNow > kFreshRunningSeconds)
      continue;
    std::string text;
    try {
      text = files.ReadTail(path, 1 << 20);  // a longer file is no running stretch
    } catch (const RunError&) {
      continue;
    }
    const auto stretch = ParseRunningFile(text);
    if (stretch && stretch->record.empty()) running.push_back({file.device, stretch->project, stretch->start});
  }
  return running;
}

std::string AlsoRunningText(const std::vector<RunningElsewhere>& running) {
  std::string text;
  for (const RunningElsewhere& r : running)
    text += (text.empty() ? "" : "; ") + Arg(Tr("Tracker", "Also running on %1: %2 since %3"), {r.device, r.project, r.start});
  return text;
}

}  // namespace tw
