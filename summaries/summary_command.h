#pragma once
// tallywright-report over periods: the options that choose a period (--from/--to, --week, --month,
// --year beside --date and --today), the listing (--by entry|day|project), the rounding and JSON,
// and the run that prints a summary. The day report's own options stay in report_command.
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "dates/date_format.h"
#include "dates/period.h"
#include "platform/files.h"
#include "store/folder_reports.h"

namespace tw {

struct PeriodOptions {
  std::optional<std::string> file;  // as given to --file
  std::optional<std::string> date;  // as given to --date
  bool today = false;
  std::optional<std::string> from, to;
  // The one holding the given day, month or year; an empty text for the one holding today.
  std::optional<std::string> week, month, year;
  std::string by;  // entry, day, project; empty for the period's default
  std::optional<std::string> round;
  bool csv = false, json = false, ics = false;
};

// When args[i] is one of the options above, reads it (and its value, moving i on) into options: 1.
// Not one of them: 0. A value missing: -1, with the message.
int TakeOption(const std::vector<std::string>& args, std::size_t& i, PeriodOptions& options,
                     std::string& message);

// The period the options choose (today by default); nothing, with the message, for options that
// name none or several. `firstWeekday`: 0 = Sunday .. 6 = Saturday.
std::optional<Period> ChosenPeriod(const PeriodOptions& options, const DateTime& now, int firstWeekday,
                                   std::string& message);

// Whether the options ask for more than one day's stretches as the day report lists them.
bool WantsSummary(const PeriodOptions& options);

// Prints the summary the options ask for, read from `file`, or from `reports` when given (a folder
// shared by several machines). 0, or -1 with the message for standard error; a report file that
// cannot be read throws its RunError. `firstWeekday`: 0 = Sunday .. 6 = Saturday.
int PrintSummary(const PeriodOptions& options, const Files& files, const DateFormat& format,
                 const DateTime& now, int firstWeekday, const std::string& file, std::ostream& out,
                 std::string& message, const FolderReports* reports = nullptr);

inline constexpr const char* kPeriodUsage =
    "  --from YYYY-MM-DD --to YYYY-MM-DD\n"
    "                     the days from one to the other, both included\n"
    "  --week [YYYY-MM-DD]\n"
    "                     the week holding the day (default: this week), starting on the first\n"
    "                     day of the week of your regional settings\n"
    "  --month [YYYY-MM]  a calendar month (default: this month)\n"
    "  --year [YYYY]      a year (default: this year)\n"
    "  --by entry|day|project\n"
    "                     list each stretch (the default for one day), each day of the period\n"
    "                     with its total (days without work too), or each project with its total,\n"
    "                     largest first (the default for longer periods); a Total Time: row last\n"
    "  --round MIN        round each stretch to the nearest 1, 5, 6, 10, 15 or 30 minutes (halves\n"
    "                     up) before adding; the report file is not changed\n"
    "  --json             write the period as JSON: totals per project and per day, and every\n"
    "                     stretch\n"
    "  --ics              write the period's stretches as an iCalendar file (UTC, for any\n"
    "                     calendar program; the same stretch keeps its UID on every export)\n"
    "Days run from 0100-01-01 to 9999-12-31, the years the report's dates can name.\n";

}  // namespace tw
