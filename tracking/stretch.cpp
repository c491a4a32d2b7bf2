#include "tracking/stretch.h"

#include "errors/guard.h"
#include "platform/platform.h"
#include "report/report_form.h"
#include "tracking/calculate_time.h"
#include "tracking/running.h"

namespace tw {

std::string NowText() {
  const Platform& p = platform();
  return ReportDateFormat().FormatGeneral(p.clock->Now());
}

void StartProject(MainView& form) {
  Guard step("Main/StartProject");
  if (!step([&] { form.SetEndText(""); })) return;
  step([&] {
    if (!ReportDateFormat().IsDate(form.StartText())) form.SetStartText(NowText());
  });
  SaveRunning(form);
}

bool EndProject(MainView& form) {
  Guard step("Main/EndProject");
  if (!step([&] {
        if (!ReportDateFormat().IsDate(form.EndText())) form.SetEndText(NowText());
      }))
    return false;
  if (!step([&] { form.SetTimeCalc(Setup::CalculateTime(form.StartText(), form.EndText())); }))
    return false;
  bool recorded = false;
  step([&] {
    recorded = RecordStretch(form, form.StartText(), form.EndText());
    if (!recorded)
      platform().dialogs->MsgBox("There was an error writing to the report", MsgStyle::OkOnly,
                                 kProductName);
    else if (ReportHoldsOtherForms())
      form.SetStatusText(kOtherFormsStatus);
  });
  return recorded;
}

}  // namespace tw
