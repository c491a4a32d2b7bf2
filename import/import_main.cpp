// The import verb of tallywright-ctl as a program of its own: tallywright-import FILE [options].
#include <iostream>

#include "desktop/qt_locale.h"
#include "desktop/qt_settings.h"
#include "import/hamster.h"
#include "import/import_command.h"
#include "platform/clock.h"
#include "platform/platform.h"
#include "platform/system.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  tw::SetDatabaseReader(tw::ReadHamster);
  tw::Files files;
  // The settings name the data folder (DataFolder) and this machine in a shared one.
  tw::QtSettings settings;
  tw::platform().settings = &settings;
  const tw::ImportContext context{&files, tw::PosixSystem().DataFolder(), tw::UserDateFormat().data(),
                                  tw::SystemClock().UnixNow()};
  return tw::RunImportCommand(args, context, std::cout, std::cerr);
}
