#include "viewer/folder_report.h"

#include "platform/platform.h"
#include "report/report_files.h"

namespace tw {

DayReport ReadFolderDayReport(const Files& files, const FolderReports& reports, const DateTime& day) {
  DayReport report;
  report.machines = reports.Machines();
  for (StoredStretch& s : RecordStore(files, reports).Stretches(Period{day.day, day.day})) {
    DayRow row;
    row.line = SourceLine{s.offset, s.id.text};
    row.seconds = s.seconds;
    if (s.seconds) {
      row.duration = s.format->FormatDuration(*s.seconds);
      report.totalSeconds += *s.seconds;
    }
    if (reports.shared)
      row.origin = RowOrigin{s.id.file, s.device, s.format, s.amendedOn, s.amendedOn.empty() ? "" : std::move(s.shown)};
    report.rows.push_back(std::move(row));
  }
  return report;
}

DayReport ReadDataDayReport(const DateTime& day) {
  return ReadFolderDayReport(*platform().files, DataFolderReports(), day);
}

RecordRef RefOf(const DayRow& row) {
  return {row.origin ? row.origin->file : kReportFile, row.line.offset, row.line.text,
          row.origin && !row.origin->amendedOn.empty() ? row.origin->shown : ""};
}

}  // namespace tw
