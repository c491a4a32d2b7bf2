#include "summaries/summary_text.h"

#include <sys/stat.h>

#include "summaries/export.h"

namespace tw {
namespace {

// "1 stretch", "2 stretches".
std::string Counted(std::int64_t count, const char* one, const char* many) {
  return std::to_string(count) + " " + (count == 1 ? one : many);
}

}  // namespace

ShownSummary ReadShownSummary(const Files& files, const std::string& path, const Period& period,
                              const DateFormat& format, int roundMinutes, const EntrySink& entries) {
  ShownSummary shown{EmptySummary(period, roundMinutes), ""};
  try {
    shown.summary = ReadSummary(files, path, period, format, roundMinutes, entries);
  } catch (const RunError& e) {
    shown.failed = e.number() != kErrFileNotFound;
    shown.problem = shown.failed ? "The report could not be read: " + e.description() + "."
                                 : "There is no report yet.";
  }
  return shown;
}

std::string SummarySentence(const ShownSummary& shown, const DateFormat& format) {
  const Summary& s = shown.summary;
  std::string text = format.WeekdayName({s.period.first, 0}) + " " + format.FormatDate({s.period.first, 0});
  if (s.period.Days() > 1)
    text += " to " + format.WeekdayName({s.period.last, 0}) + " " + format.FormatDate({s.period.last, 0});
  text += ":  " + format.FormatDuration(s.totalSeconds) + " (" + HoursText(s.totalSeconds) + " hours) in " +
          Counted(s.stretches, "stretch", "stretches");
  if (!shown.problem.empty()) text += ".  " + shown.problem;
  if (s.skippedLines > 0)
    text += ".  " + Counted(s.skippedLines, "line of the report is not a record and was skipped.",
                            "lines of the report are not records and were skipped.");
  return text;
}

std::string ShareText(std::int64_t seconds, std::int64_t total) {
  if (total <= 0) return "";
  const std::int64_t tenths = (seconds * 1000 + total / 2) / total;
  return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10) + "%";
}

std::vector<std::string> ProjectCells(const ProjectTotal& p, std::int64_t total, const DateFormat& format) {
  return {p.project, format.FormatDuration(p.seconds), HoursText(p.seconds), ShareText(p.seconds, total),
          std::to_string(p.stretches)};
}

std::vector<std::string> DayCells(const DayTotal& d, const DateFormat& format) {
  return {format.data().shortDayNames[Weekday(d.day)] + " " + format.FormatDate({d.day, 0}),
          format.FormatDuration(d.seconds), HoursText(d.seconds), std::to_string(d.stretches)};
}

std::string ReportStamp(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return "";
  return std::to_string(st.st_dev) + ":" + std::to_string(st.st_ino) + ":" + std::to_string(st.st_size) + ":" +
         std::to_string(st.st_mtim.tv_sec) + "." + std::to_string(st.st_mtim.tv_nsec);
}

}  // namespace tw
