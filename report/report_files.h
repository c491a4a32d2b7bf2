#pragma once
// The report's files in the program folder.
namespace tw {

inline constexpr const char* kReportFile = "projrpt.pro";
inline constexpr const char* kBackupFile = "projrpt.bak";
inline constexpr const char* kReportScratch = "report.tmp";
inline constexpr const char* kBackupScratch = "projrpt.bak.tmp";

}  // namespace tw
