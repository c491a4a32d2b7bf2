#include "control/ctl_folder.h"

#include "projects/project_list.h"

namespace tw {

std::unique_ptr<TrackerModel> FolderTracker(std::function<void()> show) {
  auto tracker = std::make_unique<TrackerModel>();
  if (Setup::ReadProjectList(*tracker)) Setup::RestoreRememberedProject(*tracker);
  tracker->ActOnFolder(std::move(show));
  return tracker;
}

}  // namespace tw
