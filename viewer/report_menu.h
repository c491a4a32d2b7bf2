#pragma once
// The Report menu's Clear Report and Restore Report.
#include "platform/translate.h"

namespace tw {

// Asks, then deletes the report file and says so. With no report file it ends quietly after the
// question. The backup stays, so Restore Report can still bring the report back.
void ClearReport();

// Asks, then puts the backup made at the last exit in place of the report, in one step. With no
// backup the report is kept and the user is told.
void RestoreReport();

inline constexpr const char* kNoBackupMessage = TW_TEXT(
    "ReportMenu", "There is no backup of the report to restore. The report file has not been changed.");

}  // namespace tw
