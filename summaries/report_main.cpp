// tallywright-report: prints one day of Tallywright's report.
#include <QLocale>
#include <iostream>

#include "platform/clock.h"
#include "desktop/qt_locale.h"
#include "desktop/qt_settings.h"
#include "desktop/qt_translations.h"
#include "platform/platform.h"
#include "platform/system.h"
#include "platform/translate.h"
#include "report/report_files.h"
#include "summaries/report_command.h"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  const std::vector<std::string> args(argv + 1, argv + argc);
  tw::Files files;
  // The settings name the data folder (DataFolder) and this machine in a shared one.
  tw::QtSettings settings;
  tw::platform().settings = &settings;
  // Its texts in the person's language; the CSV, JSON and iCalendar it writes the same in every one.
  tw::InstallTranslations(settings.GetSetting(tw::kProductName, tw::kSettingsSection, tw::kLanguageSetting, ""),
                          tw::PosixSystem().ProgramFolder());
  const tw::DateFormat format = tw::UserDateFormat();
  // The report where Tallywright keeps it: in the folder chosen in its Preferences, else beside the
  // two programs, or in the user's data folder when they are installed for the whole system.
  const std::string report = tw::JoinPath(tw::PosixSystem().DataFolder(), tw::kReportFile);
  const int firstWeekday = tw::FirstWeekdayOf(QLocale::system());
  return tw::RunReportCommand(args, files, format, tw::SystemClock().Now(), report, std::cout,
                              std::cerr, firstWeekday);
}
