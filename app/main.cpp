// Tallywright: a small desktop time tracker.
#include <QApplication>
#include <cstdlib>

#include "widgets/app_style.h"
#include "app/frm_main.h"
#include "app/setup_main.h"
#include "platform/files.h"
#include "platform/platform.h"
#include "platform/qt_dialogs.h"
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

  if (Setup::Main() == nullptr) return 1;
  return QApplication::exec();
}
