#include "preferences/sharing.h"

#include <set>

#include "platform/platform.h"
#include "platform/shared_folder.h"
#include "preferences/data_preferences.h"
#include "projects/project_list.h"
#include "projects/shared_list.h"
#include "store/conflict_copies.h"
#include "store/machine_claim.h"
#include "report/report_files.h"
#include "report/report_form.h"
#include "tracking/elsewhere.h"

namespace tw {

void CheckSharedFolder(MainView& form) {
  Platform& p = platform();
  const std::string folder = p.system->DataFolder();
  std::string message, arrived;
  try {
    // A shared folder come into by the setting DataFolder, as Preferences would.
    message = arrived = ArriveInDataFolder();
  } catch (const RunError&) {
    // Tried again at the next look: the folder last used is remembered until then.
  }
  if (!IsSharedFolder(folder)) return;
  try {
    // Another machine of this machine's name found: one of them takes another name, first.
    LookAtMachineName(*p.files, DataFolder::At(folder));
    const std::string renamed = TakeNameNotice();
    if (!renamed.empty()) message += (message.empty() ? "" : "\n\n") + renamed;
    ConflictCopies copies = TidyConflictCopies(*p.files, folder, ThisDevice(), "window", p.clock->UnixNow());
    // A copy left for its machine is told of once in a run, not at every look.
    static std::set<std::string> told;
    std::erase_if(copies.left, [&](const std::string& what) { return !told.insert(what).second; });
    const std::string tidied = ConflictCopiesMessage(copies);
    if (!tidied.empty()) message += (message.empty() ? "" : "\n\n") + tidied;
    const ListMerge merge = SettleProjectList(*p.files, folder);
    if (merge.written || merge.Happened() || !arrived.empty()) {
      Setup::ReloadProjectList(form);
      if (merge.Happened()) message += (message.empty() ? "" : "\n\n") + ListMergeMessage(merge);
    }
  } catch (const RunError&) {
    // Left for the next look; what cannot be read now is no reason to stop the user.
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
