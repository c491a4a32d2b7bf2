// Tallywright: a small desktop time tracker.
#include <QApplication>
#include <QSessionManager>
#include <cstdlib>
#include <memory>

#include "control/control_service.h"
#include "desktop/qt_dialogs.h"
#include "desktop/qt_end_signals.h"
#include "desktop/qt_idle.h"
#include "desktop/qt_locale.h"
#include "desktop/qt_messages.h"
#include "desktop/qt_settings.h"
#include "desktop/qt_shell.h"
#include "desktop/qt_system.h"
#include "desktop/qt_translations.h"
#include "platform/files.h"
#include "platform/platform.h"
#include "store/day_index.h"
#include "summaries/budgets.h"
#include "summaries/status_figures.h"
#include "shell/frm_main.h"
#include "shell/lifecycle.h"
#include "shell/setup_main.h"
#include "tracking/running.h"
#include "widgets/app_style.h"
#include "widgets/program_icon.h"
#include "platform/translate.h"

int main(int argc, char** argv) {
  // On a Wayland session the program runs on X11 through XWayland, where it can place its windows
  // (the saved position, Center App); native Wayland only where there is no XWayland, or when the
  // user chose a platform.
  if (std::getenv("WAYLAND_DISPLAY") != nullptr && std::getenv("QT_QPA_PLATFORM") == nullptr)
    ::setenv("QT_QPA_PLATFORM", "xcb;wayland", 1);
  tw::QuietenRuntimeFolderNotice();
  QApplication app(argc, argv);
  // The desktop entry's name: the desktop matches the windows to the entry and its icon.
  QGuiApplication::setDesktopFileName("com.quillfen.Tallywright");
  tw::ApplyProgramStyle(app);

  tw::Files files;
  tw::QtSettings settings;
  tw::QtDialogs dialogs;
  tw::QtSystem system;
  tw::SystemClock clock;
  const tw::DateFormat dateFormat = tw::UserDateFormat();
  tw::QtShell shell(tw::ProgramIcon());
  tw::platform() = tw::Platform{&files, &settings, &dialogs, &system, &clock, &dateFormat, &shell};
  // The windows in the person's language: the Language setting's, else the locale's.
  tw::InstallTranslations(settings.GetSetting(tw::kProductName, tw::kSettingsSection, tw::kLanguageSetting, ""),
                          system.ProgramFolder());
  // The main window may be hidden in the notification area while another window closes; the
  // program ends by its own shutdown, not when no window is left on the screen.
  QApplication::setQuitOnLastWindowClosed(false);

  // One owner per data folder, whatever path, bus or runtime folder led there: the owner keeps the
  // running stretch and answers other processes' requests. Started again on the same folder, the
  // program brings the owner's window forward and ends without touching a file.
  std::unique_ptr<tw::FolderOwner> owner = tw::ClaimDataFolder();
  const std::string folder = tw::platform().system->DataFolder();
  if (!owner && tw::AskFolderOwner(folder, tw::kShowRequest, 5000).outcome == tw::OwnerAnswer::kAnswered) return 0;
  tw::ControlService control;
  // The program reads days again and again (the report window, the timeline, the command's verbs):
  // it keeps where each day's lines are.
  tw::KeepDayIndexes();

  // A logout, a system shutdown, a closed terminal or Ctrl+C end the program the orderly way, as
  // its close box does; the session's end is never refused. The session manager's request for the
  // program's data comes before a logout and also with a mere checkpoint of the session: it only
  // saves the running stretch, and the logout's quit that follows ends the program.
  tw::EndSignals endSignals(tw::EndProgramNow);
  QObject::connect(&app, &QGuiApplication::commitDataRequest, tw::SaveRunningNow);
  QObject::connect(&app, &QCoreApplication::aboutToQuit, tw::EndProgramNow);

  tw::frmMain* main = Setup::Main();
  if (main == nullptr) return 1;
  shell.SetOwnerWindow(main);
  // Without the claim (another process holds the folder for now), the window says so and tries
  // again until it owns the folder.
  main->tracker().TakeClaim(std::move(owner));
  Setup::AttachControl(control, *main);
  control.Publish(tw::FolderIdentity(folder));
  // Idle and sleep detection through what this desktop offers; where nothing answers, idle
  // detection is off. One sleep watch only: two would report each sleep twice.
  tw::IdleDetection found = tw::FindIdleDetection();
  // The running stretch's budgets, told at the minute's look as the reminder is.
  main->tracker().WatchBudgets([watch = std::make_shared<tw::BudgetWatch>()](
                                   std::string_view project, std::string_view comment, const tw::DateTime& start,
                                   std::int64_t elapsed) {
    const tw::Platform& p = tw::platform();
    return watch->Poll(*p.files, p.system->DataFolder(), [] { return tw::DataFolderReports(); },
                       p.settings->GetSetting(tw::kProductName, tw::kSettingsSection, tw::kSummaryRoundingKey, "0"),
                       project, comment, start, elapsed);
  });
  main->WatchAbsences(std::make_unique<tw::AwayWatch>(
      std::move(found.idleSources),
      found.sleepWatches.empty() ? nullptr : std::move(found.sleepWatches.front())));
  return QApplication::exec();
}
