#pragma once
// The report's files in the program folder.
#include "platform/run_error.h"

namespace tw {

inline constexpr const char* kReportFile = "projrpt.pro";
inline constexpr const char* kBackupFile = "projrpt.bak";
inline constexpr const char* kReportScratch = "report.tmp";
inline constexpr const char* kBackupScratch = "projrpt.bak.tmp";

// Runs `action` and tells whether it failed only because a file is not there (error 53), which
// the report's routines take as an answer, not a failure. Other failures go on to the caller.
template <class Action>
bool FileMissing(Action&& action) {
  try {
    action();
    return false;
  } catch (const RunError& e) {
    if (e.number() != kErrFileNotFound) throw;
    return true;
  }
}

}  // namespace tw
