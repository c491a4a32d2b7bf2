// Tallywright: a small desktop time tracker.
#include <QApplication>
#include <QSessionManager>
#include <cstdlib>

#include "widgets/app_style.h"
#include "app/frm_main.h"
#include "app/setup_main.h"
#include "platform/files.h"
#include "platform/platform.h"
#include "platform/qt_dialogs.h"
#include "platform/qt_end_signals.h"
#include "platform/qt_locale.h"
#include "platform/qt_settings.h"
#include "platform/qt_shell.h"
#include "platform/qt_system.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  tw::ApplyProgramStyle(app);

  tw::Files files;
  tw::QtSettings settings;
  tw::QtDialogs dialogs;
  tw::QtSystem system;
  tw::SystemClock clock;
  const tw::DateFormat dateFormat = tw::UserDateFormat();
  tw::QtShell shell;
  const char* searchPath = std::getenv("PATH");
  tw::RegistryView registry = tw::SystemRegistry(searchPath ? searchPath : "");
  tw::platform() =
      tw::Platform{&files, &settings, &dialogs, &system, &clock, &dateFormat, &shell, &registry};
  // The main window may be hidden in the notification area while another window closes; the
  // program ends by its own shutdown, not when no window is left on the screen.
  QApplication::setQuitOnLastWindowClosed(false);

  // A logout, a system shutdown, a closed terminal or Ctrl+C end the program the orderly way, as
  // its close box does; the session's end is never refused. The session manager's request for the
  // program's data comes before a logout and also with a mere checkpoint of the session: it only
  // saves the running stretch, and the logout's quit that follows ends the program.
  tw::EndSignals endSignals(tw::EndProgramNow);
  QObject::connect(&app, &QGuiApplication::commitDataRequest, tw::SaveRunningNow);
  QObject::connect(&app, &QCoreApplication::aboutToQuit, tw::EndProgramNow);

  if (Setup::Main() == nullptr) return 1;
  return QApplication::exec();
}
