#include "report/backup.h"

#include "report/report_files.h"

namespace tw {

void BackupReport(const Files& files, const std::string& folder) {
  files.Copy(JoinPath(folder, kReportFile), JoinPath(folder, kBackupFile),
             JoinPath(folder, kBackupScratch));
}

}  // namespace tw
