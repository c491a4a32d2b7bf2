#include "summaries/report_command.h"

#include "platform/shared_folder.h"
#include "report/report_files.h"
#include "report/report_form.h"
#include "summaries/export.h"
#include "viewer/folder_report.h"
#include "viewer/report_columns.h"
#include "summaries/summary_command.h"

namespace tw {
namespace {

constexpr const char* kUsage =
    "Usage: tallywright-report [--file PATH] [--date YYYY-MM-DD | --today] [--csv]\n"
    "       tallywright-report [--file PATH] [PERIOD] [--by entry|day|project|tag] [--tag NAME]...\n"
    "                          [--project NAME]... [--billable] [--round MIN]\n"
    "                          [--csv | --json | --ics | --invoice]\n"
    "       tallywright-report [--file PATH] --balance [PERIOD] [--csv | --json]\n"
    "\n"
    "Prints the stretches of work that started on one day, from Tallywright's report file, with\n"
    "their lengths and, when there are two or more, the day's total: the same rows the report\n"
    "window shows. Over a longer period it prints the total of each project, day or tag, with what\n"
    "the time amounts to at the projects' hourly rates. The report file is only read, never changed.\n"
    "\n"
    "  --file PATH        the report file (default: Tallywright's own, see below)\n"
    "  --date YYYY-MM-DD  the day to show\n"
    "  --today            show today (the default)\n"
    "  --csv              write CSV (RFC 4180, with a header line) instead of tab-separated text\n"
    "  --help             show this text\n"
    "\n"
    "PERIOD, instead of --date or --today:\n";

constexpr const char* kUsageEnd =
    "\n"
    "Without --file, the report is the one Tallywright keeps: projrpt.pro in its data folder,\n"
    "which is the folder chosen in its Preferences, else the folder of this program when you can\n"
    "write there, otherwise $XDG_DATA_HOME/Tallywright (by default ~/.local/share/Tallywright). In\n"
    "a folder shared by several machines every machine's report is read, with their edits.\n"
    "Here that is\n";

constexpr const char* kUsageDates =
    "Dates and times are read in the form the report was written in, as Tallywright reads them.\n"
    "A stretch belongs to the day it started on. Lines that are not records are counted on\n"
    "standard error.\n"
    "Exit status: 0 when the report was printed, 2 on any error.\n";

int Fail(std::ostream& err, const std::string& message) {
  err << "tallywright-report: " << message << "\n";
  return kCommandError;
}

int ReadFailure(std::ostream& err, const std::string& file, const RunError& e) {
  if (e.number() == kErrFileNotFound) return Fail(err, "there is no report file " + file);
  return Fail(err, "cannot read " + file + ": " + e.description());
}

}  // namespace

std::string CsvField(std::string_view text) {
  if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
  std::string out = "\"";
  for (char c : text) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
  return out;
}

void PrintDayReport(const DayReport& report, const DateFormat& format, bool csv, std::ostream& out) {
  WriteRow(out, csv, HeaderCells());
  for (const DayRow& row : report.rows) WriteRow(out, csv, RowCells(row));
  if (report.HasTotal()) WriteRow(out, csv, TotalCells(TotalText(report, format)));
}

int RunReportCommand(const std::vector<std::string>& args, const Files& files,
                     const DateFormat& format, const DateTime& now, const std::string& defaultFile,
                     std::ostream& out, std::ostream& err, int firstWeekday) {
  PeriodOptions periods;
  std::string message;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--help" || arg == "-h") {
      out << kUsage << kPeriodUsage << kUsageEnd << "  " << defaultFile << "\n\n" << kUsageDates;
      return 0;
    } else if (const int taken = TakeOption(args, i, periods, message); taken != 0) {
      if (taken < 0) return Fail(err, message);
    } else if (!arg.empty() && arg[0] == '-') {
      return Fail(err, "unknown option '" + arg + "' (see --help)");
    } else {
      return Fail(err, "unexpected argument '" + arg + "' (see --help)");
    }
  }
  if (periods.date && periods.today) return Fail(err, "give either --date or --today, not both");
  const std::string file = periods.file.value_or(defaultFile);
  const std::optional<std::string>& date = periods.date;
  const bool csv = periods.csv;
  // Without --file, the data folder's reports: in a folder shared by several machines, each
  // machine's in its own form.
  std::optional<FolderReports> shared;
  const std::string folder = file.substr(0, file.find_last_of('/') == std::string::npos ? 0 : file.find_last_of('/'));
  if (!periods.file && IsSharedFolder(folder)) {
    try {
      shared = ReadFolderReports(files, folder, format.data(),
                                 DateFormat(ReportForm(files, MachineFile(folder, kReportFile), format.data())));
    } catch (const RunError& e) {
      return ReadFailure(err, folder, e);
    }
  }
  if (WantsSummary(periods)) {
    try {
      const DateFormat form(ReportForm(files, file, format.data()));  // as the windows read it
      if (PrintSummary(periods, files, form, now, firstWeekday, file, out, message, shared ? &*shared : nullptr) < 0)
        return Fail(err, message);
    } catch (const RunError& e) {
      return ReadFailure(err, file, e);
    }
    out.flush();
    if (!out) return Fail(err, "the report could not be written out");
    for (std::size_t at = 0; at < message.size();) {  // a warning a line
      const std::size_t end = std::min(message.find('\n', at), message.size());
      err << "tallywright-report: " << message.substr(at, end - at) << "\n";
      at = end + 1;
    }
    return 0;
  }

  DateTime day = now;
  if (date) {
    const auto parsed = ParseIsoDay(*date);
    if (!parsed) return Fail(err, "'" + *date + "' is not a date; give it as YYYY-MM-DD");
    day = DateTime{*parsed, 0};
  }

  DayReport report;
  std::optional<DateFormat> form;  // the report's, as the report window reads it
  try {
    form.emplace(ReportForm(files, file, format.data()));
    report = ReadFolderDayReport(files, shared ? *shared : SingleReport(file, *form), day);
  } catch (const RunError& e) {
    return ReadFailure(err, file, e);
  }
  PrintDayReport(report, *form, csv, out);
  out.flush();
  if (!out) return Fail(err, "the report could not be written out");
  return 0;
}

}  // namespace tw
