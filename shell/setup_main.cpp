#include "shell/setup_main.h"

#include "control/control_service.h"
#include "errors/guard.h"
#include "platform/platform.h"
#include "platform/shared_folder.h"
#include "preferences/frm_machine_name.h"
#include "preferences/sharing.h"
#include "projects/project_list.h"
#include "shell/frm_main.h"
#include "store/changes.h"
#include "shell/frm_splash.h"
#include "shell/tray.h"
#include "state/program_state.h"
#include "tracking/running.h"
#include "viewer/frm_report.h"

namespace Setup {

tw::frmMain* Main() {
  using namespace tw;
  Platform& p = platform();
  Guard step("Setup/Main");
  frmSplash* splash = nullptr;
  frmMain* main = nullptr;

  if (!step([&] {
        splash = new frmSplash;
        splash->show();
      }))
    return main;
  if (!step([&] {
        // Drawn now, before the slower work below.
        splash->RepaintNow();
      }))
    return main;
  if (!step([&] { main = new frmMain; })) return main;
  if (!step([&] { DisplayDate = p.clock->Now(); })) return main;

  bool listRead = false;
  if (!step([&] { listRead = ReadProjectList(*main); })) return main;
  if (listRead) {
    if (!step([&] { RestoreRememberedProject(*main); })) return main;
  }

  // A press on the icon restores the main window or opens its Option menu; a click on the
  // reminder's balloon brings the window back.
  p.shell->OnIconPress([](IconPress press) {
    if (frmMain* loaded = frmMain::Loaded()) PicIconPress(*loaded, press);
  });
  if (!step([&] { NotifyIconRecord = MakeNotifyIconRecord(); })) return main;
  if (!step([&] { p.shell->AddIcon(NotifyIconRecord); })) return main;
  p.shell->OnBalloonClick([] {
    if (frmMain* loaded = frmMain::Loaded()) RestoreWindow(*loaded);
  });
  if (!step([&] {
        if (splash) splash->Unload();
        splash = nullptr;
      }))
    return main;
  if (!step([&] { main->show(); })) return main;
  // In a folder shared with other machines: this machine's name there, asked once, and the sync
  // services' conflict copies put right before anything is written.
  if (!step([&] {
        const std::string folder = p.system->DataFolder();
        if (IsSharedFolder(folder) && MachineNameWanted(folder)) frmMachineName::Ask(folder);
        CheckSharedFolder(*main);
      }))
    return main;
  // A stretch the last run left running (a crash, a kill, a lost display) is offered back; a data
  // folder moved away from the report because it cannot be written is said first.
  step([&] {
    const std::string notice = p.system->DataFolderNotice();
    if (!notice.empty()) p.dialogs->MsgBox(notice, MsgStyle::OkOnly + MsgStyle::Exclamation, kProductName);
  });
  step([&] { main->tracker().OfferSaved(); });
  // The history keeps HistoryDays of changes; a failure to tidy it costs nothing now.
  PruneHistory();
  return main;
}

void AttachControl(tw::ControlService& control, tw::frmMain& main) {
  control.Attach(main.tracker());
  // The report window reads the record when filled: filled again after the command mended it (the
  // Summary and the timeline follow the files themselves).
  control.OnRecordChanged([&main] {
    if (tw::frmReport::Loaded()) ShowReport(main, tw::ReportWindows(), DisplayDate);
  });
}

}  // namespace Setup
