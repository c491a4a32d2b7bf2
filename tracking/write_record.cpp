#include "tracking/write_record.h"

#include "errors/guard.h"
#include "platform/platform.h"
#include "report/record.h"
#include "report/report_form.h"
#include "store/record_store.h"

namespace tw {

std::string ChosenProject(const TrackingBoxes& form) {
  const int index = form.ProjectIndex();
  return index >= 0 && index < form.ProjectCount() ? form.ProjectAt(index) : form.ProjectText();
}

std::string Stretch::Line() const { return RecordLine(project, start, end, comment); }

Stretch StretchOf(const std::string& project, const TrackingBoxes& form, const std::string& start,
                  const std::string& end) {
  return {RecordField(project), RecordField(start), RecordField(end), RecordComment(form.Comments())};
}

Stretch StretchOf(const TrackingBoxes& form, const std::string& start, const std::string& end) {
  return StretchOf(ChosenProject(form), form, start, end);
}

}  // namespace tw

namespace Setup {

bool WriteRecord(const tw::TrackingBoxes& form, const std::string& start, const std::string& end) {
  tw::Guard step("Setup/WriteRecord");
  std::string project;
  if (!step([&] { project = tw::ChosenProject(form); })) return false;
  return WriteRecord(tw::StretchOf(project, form, start, end).Line());
}

bool WriteRecord(const std::string& line, tw::RecordRef* appended) {
  using namespace tw;
  Guard step("Setup/WriteRecord");
  // Open, write the whole line in one call, flush and close: one step.
  step([&] {
    const Platform& p = platform();
    ReportDateFormat(true);  // a new report keeps the form its first record is written in
    const RecordRef ref = AppendRecordLine(*p.files, ProgramDataFolder(), line);
    if (appended) *appended = ref;
  });
  // A record that did not reach the file is never reported as written, whatever the answer.
  return !step.failed();
}

}  // namespace Setup
