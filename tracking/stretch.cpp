#include "tracking/stretch.h"

#include <utility>

#include "errors/guard.h"
#include "platform/platform.h"
#include "report/report_form.h"
#include "tracking/calculate_time.h"
#include "tracking/running.h"
#include "tracking/write_record.h"
#include "platform/translate.h"

namespace tw {
namespace {

// The start and end of the stretch the last End Then ended, as the boxes show it until Start Project.
std::pair<std::string, std::string> endedThen;

// Kept as a stretch is recorded, not as it starts, so that a start never waits on the settings
// file's write; a failure to keep it costs no more than toggle's choice of project.
void RememberLastProject(const std::string& project) {
  try {
    if (!project.empty() && project != LastProject())
      platform().settings->SaveSetting(kProductName, kSettingsSection, kLastProjectKey, project);
  } catch (...) {
  }
}

}  // namespace

std::string NowText() {
  const Platform& p = platform();
  return ReportDateFormat().FormatGeneral(p.clock->Now());
}

void StartProject(MainView& form) {
  Guard step("Main/StartProject");
  const bool anew = std::exchange(endedThen, {}) == std::pair(form.StartText(), form.EndText());
  if (!step([&] { form.SetEndText(""); })) return;
  step([&] {
    if (!ReportDateFormat().IsDate(form.StartText()) || anew) form.SetStartText(NowText());
  });
  SaveRunning(form);
}

std::string LastProject() {
  return platform().settings->GetSetting(kProductName, kSettingsSection, kLastProjectKey, "");
}

bool EndProject(MainView& form) {
  Guard step("Main/EndProject");
  endedThen = {};
  if (!step([&] {
        if (!ReportDateFormat().IsDate(form.EndText())) form.SetEndText(NowText());
      }))
    return false;
  if (!step([&] { form.SetTimeCalc(Setup::CalculateTime(form.StartText(), form.EndText())); }))
    return false;
  bool recorded = false;
  step([&] {
    std::string noteProblem;
    recorded = RecordStretch(StretchOf(form, form.StartText(), form.EndText()), &noteProblem);
    const Platform& p = platform();
    if (!recorded)
      p.dialogs->MsgBox("There was an error writing to the report", MsgStyle::OkOnly, kProductName);
    else if (!noteProblem.empty())
      p.dialogs->MsgBox(noteProblem, MsgStyle::OkOnly + MsgStyle::Exclamation, kProductName);
    if (recorded && ReportHoldsOtherForms()) form.SetStatusText(Tr("Status", kOtherFormsStatus));
  });
  if (recorded) RememberLastProject(ChosenProject(form));
  return recorded;
}

bool EndThen(MainView& form, const std::string& end) {
  form.SetEndText(end);
  if (!EndProject(form)) return false;
  endedThen = {form.StartText(), form.EndText()};
  return true;
}

}  // namespace tw
