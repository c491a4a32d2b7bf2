#include "tracking/write_record.h"

#include "errors/guard.h"
#include "platform/platform.h"
#include "report/append.h"
#include "report/report_form.h"

namespace tw {

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
  // Open, write the whole line in one call, flush and close: one step.
  step([&] {
    const Platform& p = platform();
    ReportDateFormat(true);  // a new report keeps the form its first record is written in
    AppendRecord(*p.files, p.system->DataFolder(), RecordLine(project, start, end, form.Comments()));
  });
  // A record that did not reach the file is never reported as written, whatever the answer.
  return !step.failed();
}

}  // namespace Setup
