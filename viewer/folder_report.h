#pragma once
// The day report of a data folder, as the record store shows it: its one report, or in a folder
// shared by several machines the union of the machines' reports with their edits applied, the rows
// in order of start.
#include "store/day_report.h"
#include "store/record_store.h"

namespace tw {

// RunError 53 when the folder holds no report.
DayReport ReadFolderDayReport(const Files& files, const FolderReports& reports, const DateTime& day);

// The day report of the program's data folder.
DayReport ReadDataDayReport(const DateTime& day);

// The record a row shows, as the store's writes name it.
RecordRef RefOf(const DayRow& row);

}  // namespace tw
