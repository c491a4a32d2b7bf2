#pragma once
// The copy of the report made at every exit.
#include <string>

#include "platform/files.h"

namespace tw {

// Copies "projrpt.pro" over "projrpt.bak" in folder, through a scratch file. RunError 53 when there
// is no report; the old backup then stays.
void BackupReport(const Files& files, const std::string& folder);

}  // namespace tw
