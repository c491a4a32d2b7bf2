#pragma once
// The day report of a data folder: its one report as ReadDayReport reads it, or in a folder shared
// by several machines the union of the machines' reports, each read by the same scan in its own
// date form, with the amendments applied (report/amendment.h) and the rows in order of start.
#include <optional>
#include <string>

#include "report/folder_reports.h"
#include "viewer/day_report.h"

namespace tw {

// RunError 53 when the folder holds no report.
DayReport ReadFolderDayReport(const Files& files, const FolderReports& reports, const DateTime& day);

// The day report of the program's data folder (DataFolderReports()).
DayReport ReadDataDayReport(const DateTime& day);

// Edits (with a replacement line) or deletes a row of a shared folder's day report: an amendment of
// its record, made now, appended to this machine's report in folder. The record's own report is
// left as it is, whichever machine's it is.
void AmendRow(const Files& files, const std::string& folder, const DayRow& row,
              const std::optional<std::string>& replacement, std::int64_t unixNow);

}  // namespace tw
