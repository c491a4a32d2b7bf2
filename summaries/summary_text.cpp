#include "summaries/summary_text.h"

#include "platform/translate.h"
#include "summaries/export.h"

namespace tw {
namespace {

}  // namespace

ShownSummary ReadShownSummary(const Files& files, const FolderReports& reports, const Period& period,
                              int roundMinutes, const EntrySink& entries) {
  ShownSummary shown{EmptySummary(period, roundMinutes), ""};
  try {
    shown.summary = ReadFolderSummary(files, reports, period, roundMinutes, entries);
  } catch (const RunError& e) {
    shown.failed = e.number() != kErrFileNotFound;
    shown.problem = shown.failed ? Arg(Tr("Summary", "The report could not be read: %1."), {e.description()})
                                 : Tr("Summary", "There is no report yet.");
  }
  return shown;
}

std::string SummarySentence(const ShownSummary& shown, const DateFormat& format) {
  const Summary& s = shown.summary;
  const auto day = [&format](std::int64_t d) {
    return Arg(Tr("Summary", "%1 %2"), {format.WeekdayName({d, 0}), format.FormatDate({d, 0})});
  };
  std::string text = s.period.Days() > 1
                         ? Arg(Tr("Summary", "%1 to %2"), {day(s.period.first), day(s.period.last)})
                         : day(s.period.first);
  text += Arg(Tr("Summary", ":  %1 (%2 hours) in %3"),
              {format.FormatDuration(s.totalSeconds), HoursText(s.totalSeconds),
               TrN("Summary", "%n stretches", "%n stretch", s.stretches)});
  if (!shown.problem.empty()) text += ".  " + shown.problem;
  if (s.skippedLines > 0)
    text += ".  " + TrN("Summary", "%n lines of the report are not records and were skipped.",
                        "%n line of the report is not a record and was skipped.", s.skippedLines);
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


}  // namespace tw
