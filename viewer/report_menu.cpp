#include "viewer/report_menu.h"

#include "errors/guard.h"
#include "platform/platform.h"
#include "store/changes.h"
#include "report/report_files.h"
#include "platform/translate.h"

namespace tw {

void ClearReport() {
  Platform& p = platform();
  Guard step("Main/ClearReport");
  int answer = 0;
  if (!step([&] {
        answer = p.dialogs->MsgBox(Tr("ReportMenu", "Are you sure you want to delete the report file?"),
                                   MsgStyle::OkCancel, Tr("ReportMenu", "Delete Reports"));
      }))
    return;
  if (answer != MsgResult::Ok) return;
  bool missing = false;
  if (!step([&] {
        // The report is put aside, not deleted: Undo (or tallywright-ctl undo) brings it back.
        missing = !Changes(*p.files, ProgramDataFolder(), kFromWindow, p.clock->UnixNow()).Clear();
      }))
    return;
  if (missing) return;
  step([&] {
    p.dialogs->MsgBox(Tr("ReportMenu", "Your Report File has been deleted."), MsgStyle::OkOnly,
                      Tr("ReportMenu", "Report File Deleted"));
  });
}

void RestoreReport() {
  Platform& p = platform();
  Guard step("frmMain/RestoreReport");
  int answer = 0;
  if (!step([&] {
        answer = p.dialogs->MsgBox(
            Tr("ReportMenu", "Restoring the report will delete any changes you've made in Tallywright since the "
                             "last time you exited the application. Are you sure you want to do this?"),
            MsgStyle::YesNo, Tr("ReportMenu", "Restore Report"));
      }))
    return;
  if (answer != MsgResult::Yes) return;
  // The backup replaces the report in one rename; there is no moment without a report.
  bool noBackup = false;
  if (!step([&] {
        noBackup = !Changes(*p.files, ProgramDataFolder(), kFromWindow, p.clock->UnixNow()).Restore();
      }))
    return;
  if (noBackup)
    step([&] { p.dialogs->MsgBox(Tr("ReportMenu", kNoBackupMessage), MsgStyle::OkOnly + MsgStyle::Exclamation, kProductName); });
}

}  // namespace tw
