#include "report/backup.h"

#include "report/report_files.h"

namespace tw {
namespace {

// The one way the report's files are copied: whole into a scratch file, then renamed in place.
void CopyInFolder(const Files& files, const std::string& folder, const char* from, const char* to,
                  const char* scratch) {
  files.Copy(JoinPath(folder, from), JoinPath(folder, to), JoinPath(folder, scratch));
}

}  // namespace

void BackupReport(const Files& files, const std::string& folder) {
  CopyInFolder(files, folder, kReportFile, kBackupFile, kBackupScratch);
}

void RestoreBackup(const Files& files, const std::string& folder) {
  CopyInFolder(files, folder, kBackupFile, kReportFile, kReportScratch);
}

}  // namespace tw
