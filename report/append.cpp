#include "report/append.h"

#include "errors/guard.h"
#include "platform/platform.h"
#include "report/record.h"
#include "report/report_files.h"

namespace tw {

std::string RecordLine(const std::string& project, const std::string& start, const std::string& end,
                       const std::string& comment) {
  return JoinRecord(RecordField(project), RecordField(start), RecordField(end), RecordComment(comment)) +
         "\r\n";
}

std::string ChosenProject(const MainView& form) {
  const int index = form.ProjectIndex();
  return index >= 0 && index < form.ProjectCount() ? form.ProjectAt(index) : form.ProjectText();
}

}  // namespace tw

namespace Setup {

bool WriteRecord(const tw::MainView& form, const std::string& start, const std::string& end) {
  using namespace tw;
  Guard step("Setup/WriteRecord");
  std::string project;
  if (!step([&] { project = ChosenProject(form); })) return false;
  // Open, write the whole line in one call, flush and close: one step, under the report's lock so
  // that another copy of the program rewriting the report cannot drop the line with its rename.
  step([&] {
    const std::string report = ProgramFile(kReportFile);
    const Files::Lock lock = platform().files->LockFor(report);
    platform().files->Append(report, RecordLine(project, start, end, form.Comments()));
  });
  // A record that did not reach the file is never reported as written, whatever the answer.
  return !step.failed();
}

}  // namespace Setup
