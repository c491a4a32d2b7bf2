#pragma once
// The copy of the report made at every exit, and putting it back.
#include <string>

#include "platform/files.h"

namespace tw {

// Copies "projrpt.pro" over "projrpt.bak" in folder, through a scratch file. RunError 53 when there
// is no report; the old backup then stays.
void BackupReport(const Files& files, const std::string& folder);

// Puts "projrpt.bak" in place of "projrpt.pro" in one step, through "report.tmp"; with no report it
// simply becomes the report. RunError 53 when there is no backup; the report then stays.
void RestoreBackup(const Files& files, const std::string& folder);

}  // namespace tw
