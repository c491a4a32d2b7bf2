#include "store/backup.h"

#include "platform/shared_folder.h"
#include "report/report_files.h"

namespace tw {
namespace {

// The one way the report's files are copied: whole into a scratch file, then renamed in place,
// under the report's lock, so that no other copy of the program appends or rewrites meanwhile.
void CopyInFolder(const Files& files, const std::string& folder, const char* from, const char* to,
                  const char* scratch) {
  const Files::Lock lock = files.LockFor(JoinPath(folder, kReportFile));
  files.Copy(MachineFile(folder, from), MachineFile(folder, to), MachineFile(folder, scratch));
}

}  // namespace

void BackupReport(const Files& files, const std::string& folder) {
  CopyInFolder(files, folder, kReportFile, kBackupFile, kBackupScratch);
}

void RestoreBackup(const Files& files, const std::string& folder) {
  CopyInFolder(files, folder, kBackupFile, kReportFile, kReportScratch);
}

}  // namespace tw
