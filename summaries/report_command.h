#pragma once
// tallywright-report: the day report on the command line, for scripts and exports. It prints
// exactly the rows and total the report window shows, or a period's summary (summary_command.h),
// and only ever reads the report file.
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "dates/date_format.h"
#include "platform/files.h"
#include "dates/period.h"
#include "store/day_report.h"

namespace tw {

// Exit status for every error: a missing file, a bad date, an unknown option, a failed read.
inline constexpr int kCommandError = 2;

// Field text as one RFC 4180 field: quoted (quotes doubled) when it holds a comma, a quote or a
// line break.
std::string CsvField(std::string_view text);

// The report as tab-separated lines, or as CSV with CR LF line ends; a header line first, the
// total row last when the window shows one.
void PrintDayReport(const DayReport& report, const DateFormat& format, bool csv, std::ostream& out);

// Runs the command with its arguments (without the program name); returns the exit status. The
// report is read in its own form (report/report_form.h), `format` being the user's. Weeks start
// on firstWeekday (0 = Sunday .. 6 = Saturday).
int RunReportCommand(const std::vector<std::string>& args, const Files& files,
                     const DateFormat& format, const DateTime& now, const std::string& defaultFile,
                     std::ostream& out, std::ostream& err, int firstWeekday = 1);

}  // namespace tw
