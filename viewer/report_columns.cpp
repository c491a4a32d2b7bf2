#include "viewer/report_columns.h"
#include "platform/translate.h"

namespace tw {

ReportCells HeaderCells() {
  ReportCells cells;
  for (size_t i = 0; i < cells.size(); ++i) cells[i] = kReportColumns[i].header;
  return cells;
}

ReportCells RowCells(const DayRow& row) {
  const RecordFields f = row.fields();
  return {f.project, f.start, f.end, row.duration, f.comment};
}

std::string MachineCell(const DayRow& row) {
  if (!row.origin) return "";
  const RowOrigin& o = *row.origin;
  return o.amendedOn.empty() || o.amendedOn == o.device ? o.device
                                                        : Arg(Tr("Report", "%1, edited on %2"), {o.device, o.amendedOn});
}

std::string SpokenDuration(std::int64_t seconds) {
  const std::int64_t hours = seconds / 3600, minutes = seconds % 3600 / 60;
  const std::string minutesText = TrN("Report", "%n minutes", "%n minute", minutes);
  if (hours == 0) return minutesText;
  const std::string hoursText = TrN("Report", "%n hours", "%n hour", hours);
  return minutes == 0 ? hoursText : Arg(Tr("Report", "%1 %2"), {hoursText, minutesText});
}

std::string SpokenRow(const DayRow& row, const DateFormat& format) {
  const RecordFields f = row.fields();
  const auto time = [&format](std::string_view text) {
    const std::optional<DateTime> at = format.Parse(text);
    return at ? format.FormatShortTime(*at) : std::string(text);
  };
  const std::string length = row.seconds ? SpokenDuration(*row.seconds) : row.duration;
  const std::string text = Arg(Tr("Report", "%1, %2 to %3, %4"), {f.project, time(f.start), time(f.end), length});
  return f.comment.empty() ? text : Arg(Tr("Report", "%1, %2"), {text, f.comment});
}

ReportCells TotalCells(const std::string& total) { return {kTotalLabel, "", "", total, ""}; }

}  // namespace tw
