#include "tracking/stretch.h"

#include <utility>

#include "errors/guard.h"
#include "platform/platform.h"
#include "report/report_form.h"
#include "tracking/calculate_time.h"
#include "tracking/running.h"

namespace tw {
namespace {

// The start of the stretch the last End Then ended, while it still shows in the start box.
std::string endedThenStart;

}  // namespace

std::string NowText() {
  const Platform& p = platform();
  return ReportDateFormat().FormatGeneral(p.clock->Now());
}

void StartProject(MainView& form) {
  Guard step("Main/StartProject");
  const std::string endedThen = std::exchange(endedThenStart, "");
  if (!step([&] { form.SetEndText(""); })) return;
  step([&] {
    if (!ReportDateFormat().IsDate(form.StartText()) || form.StartText() == endedThen)
      form.SetStartText(NowText());
  });
  SaveRunning(form);
}

bool EndProject(MainView& form) {
  Guard step("Main/EndProject");
  endedThenStart.clear();
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
    if (recorded && ReportHoldsOtherForms()) form.SetStatusText(kOtherFormsStatus);
  });
  return recorded;
}

bool EndThen(MainView& form, const std::string& end) {
  form.SetEndText(end);
  if (!EndProject(form)) return false;
  endedThenStart = form.StartText();
  return true;
}

}  // namespace tw
