#pragma once
// tallywright-report over periods: the options that choose a period (--from/--to, --week, --month,
// --year beside --date and --today), the listing (--by entry|day|project|tag), the filters (--tag,
// --project, --billable), the rounding, the forms (CSV, JSON, iCalendar, invoice lines), the
// working-time balance (--balance), and the run that prints a summary. The day report's own
// options stay in report_command.
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
  std::string by;  // entry, day, project, tag; empty for the period's default
  std::optional<std::string> round;
  bool csv = false, json = false, ics = false, invoice = false;
  std::vector<std::string> tags, projects;  // each --tag and --project, as given
  bool billable = false;
  bool balance = false;
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
// shared by several machines), with the rates of the file's folder and the working-time settings
// of platform().settings. 0, or -1 with the message for standard error (which holds the warnings,
// a line each, when 0 is returned); a report file that cannot be read throws its RunError.
// `firstWeekday`: 0 = Sunday .. 6 = Saturday.
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
    "  --by entry|day|project|tag\n"
    "                     list each stretch (the default for one day), each day of the period\n"
    "                     with its total (days without work too), each project with its total,\n"
    "                     largest first (the default for longer periods), or each tag (#word in\n"
    "                     a comment) with the total of its stretches; a Total Time: row last\n"
    "  --tag NAME         only stretches tagged #NAME (case aside); given again, only those\n"
    "                     holding every tag named\n"
    "  --project NAME     only stretches of the project NAME; given again, of any one named\n"
    "  --billable         only the work of billable projects\n"
    "  --round MIN        round each stretch to the nearest 1, 5, 6, 10, 15 or 30 minutes (halves\n"
    "                     up) before adding, and reckon amounts from the rounded lengths; the\n"
    "                     report file is not changed\n"
    "  --json             write the period as JSON: totals per project, per day and per tag, and\n"
    "                     every stretch, each with its amount, and the currency\n"
    "  --ics              write the period's stretches as an iCalendar file (UTC, for any\n"
    "                     calendar program; the same stretch keeps its UID on every export)\n"
    "  --invoice          write the period's billable stretches as the lines of an invoice (CSV:\n"
    "                     Date,Project,Comment,Hours,Rate,Amount; each amount is its hours as\n"
    "                     written times its rate, to the cent; days off left out)\n"
    "  --balance          the working-time target's balance (worked time as recorded against the\n"
    "                     WorkTarget setting, days off and #off days counting as met): today,\n"
    "                     this week, this month and since BalanceSince; with a PERIOD, each of its\n"
    "                     days up to today and their total\n"
    "Amounts are each stretch's length at its project's hourly rate on the day it started (the\n"
    "rates file, project.rates, beside the report), to the cent; work of a project that is not\n"
    "billable amounts to 0.00 and is totalled apart, as does a stretch tagged #off (a day off).\n"
    "Days run from 0100-01-01 to 9999-12-31, the years the report's dates can name.\n";

}  // namespace tw
