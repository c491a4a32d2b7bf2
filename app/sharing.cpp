#include "app/sharing.h"

#include <set>

#include "platform/platform.h"
#include "platform/shared_folder.h"
#include "projects/project_list.h"
#include "projects/shared_list.h"
#include "report/conflict_copies.h"
#include "tracking/elsewhere.h"

namespace tw {

void CheckSharedFolder(MainView& form) {
  Platform& p = platform();
  const std::string folder = p.system->DataFolder();
  if (!IsSharedFolder(folder)) return;
  std::string message;
  try {
    ConflictCopies copies = TidyConflictCopies(*p.files, folder, ThisDevice());
    // A copy left for its machine is told of once in a run, not at every look.
    static std::set<std::string> told;
    std::erase_if(copies.left, [&](const std::string& what) { return !told.insert(what).second; });
    message = ConflictCopiesMessage(copies);
    const ListMerge merge = MergeProjectListCopies(*p.files, folder);
    if (merge.Happened()) {
      const std::string chosen = form.ProjectIndex() >= 0 ? form.ProjectAt(form.ProjectIndex()) : "";
      Setup::ReadProjectList(form);
      for (int i = 0; i < form.ProjectCount(); ++i)
        if (!chosen.empty() && form.ProjectAt(i) == chosen) form.SetProjectIndex(i);
      message += (message.empty() ? "" : "\n\n") + ListMergeMessage(merge);
    }
  } catch (const RunError&) {
    // Left for the next look; what cannot be read now is no reason to stop the user.
    return;
  }
  if (!message.empty()) p.dialogs->MsgBox(message, MsgStyle::OkOnly + MsgStyle::Information, kProductName);
}

std::string OtherMachinesStatus() {
  const Platform& p = platform();
  return AlsoRunningText(
      RunningOnOtherMachines(*p.files, p.system->DataFolder(), ThisDevice(), p.clock->UnixNow()));
}

}  // namespace tw
