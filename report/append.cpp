#include "report/append.h"

#include "platform/shared_folder.h"
#include "report/record.h"
#include "report/report_files.h"

namespace tw {

std::string RecordLine(const std::string& project, const std::string& start, const std::string& end,
                       const std::string& comment) {
  return JoinRecord(RecordField(project), RecordField(start), RecordField(end), RecordComment(comment)) +
         "\r\n";
}

void AppendRecord(const Files& files, const std::string& folder, const std::string& line) {
  const std::string report = MachineFile(folder, kReportFile);
  const Files::Lock lock = files.LockFor(report);
  files.Append(report, line);
}

}  // namespace tw
