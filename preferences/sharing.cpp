#include "preferences/sharing.h"

#include <set>

#include "platform/platform.h"
#include "platform/shared_folder.h"
#include "projects/project_list.h"
#include "projects/shared_list.h"
#include "report/conflict_copies.h"
#include "report/report_files.h"
#include "report/report_form.h"
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
      Setup::ReloadProjectList(form);
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
  const std::string folder = p.system->DataFolder();
  std::vector<RunningElsewhere> running = RunningOnOtherMachines(*p.files, folder, ThisDevice(), p.clock->UnixNow());
  // The start as the user's own clock reads it: the time alone when it is today.
  for (RunningElsewhere& r : running) {
    try {
      const DateFormat form(ReportForm(*p.files, JoinPath(folder, DeviceFileName(kReportFile, r.device)),
                                       p.dateFormat->data()));
      if (const auto start = form.Parse(r.start))
        r.start = start->day == p.clock->Now().day ? p.dateFormat->FormatTime(*start) : p.dateFormat->FormatGeneral(*start);
    } catch (const RunError&) {
      // Shown as that machine wrote it.
    }
  }
  return AlsoRunningText(running);
}

}  // namespace tw
