#include "control/view_tracker.h"

#include "dates/iso_date.h"
#include "platform/platform.h"
#include "projects/project_list.h"
#include "report/report_form.h"
#include "state/main_view.h"
#include "tracking/calculate_time.h"
#include "tracking/running.h"
#include "tracking/stretch.h"
#include "tracking/write_record.h"

namespace tw {

void ChooseProject(MainView& form, const std::string& project) {
  for (int i = 0; i < form.ProjectCount(); ++i) {
    if (form.ProjectAt(i) == project) return form.SetProjectIndex(i);
  }
  form.SetProjectText(project);
}

void ViewTracker::Start(const std::string& project, const std::string& comment) {
  CheckStartArguments(project, comment);
  ready_();
  const std::string chosen = project.empty() ? ChosenProject(form_) : project;
  if (chosen.empty())
    throw ControlError(kInvalidArgument, "No project is chosen: name the project to start");
  if (IsRunning(form_)) {
    if (ChosenProject(form_) == chosen) return;
    if (!EndProject(form_)) throw ControlError(kFailed, "The running stretch could not be recorded");
  }
  if (!project.empty()) {
    ChooseProject(form_, project);
    Setup::RememberProject(form_);
  }
  if (!comment.empty()) form_.SetComments(comment);
  // A stretch started from outside starts now, never at the start of the stretch last shown.
  form_.SetStartText("");
  StartProject(form_);
  if (!IsRunning(form_)) throw ControlError(kFailed, "The stretch could not be started");
}

void ViewTracker::End() {
  ready_();
  if (!IsRunning(form_)) throw ControlError(kNotRunning, "No stretch is running");
  if (!EndProject(form_)) throw ControlError(kFailed, "The stretch could not be recorded in the report");
}

TrackerStatus ViewTracker::Status() {
  TrackerStatus status;
  status.running = IsRunning(form_);
  status.project = ChosenProject(form_);
  status.comment = form_.Comments();
  if (status.running) {
    status.start = form_.StartText();
    if (const std::optional<DateTime> start = ReportDateFormat().Parse(status.start)) {
      status.startIso = IsoDateTime(*start);
      status.elapsed = ElapsedSeconds(*start, platform().clock->Now());
    }
  }
  return status;
}

std::vector<std::string> ViewTracker::Projects() {
  std::vector<std::string> names = ProjectEntries(form_);
  std::erase(names, std::string());
  return names;
}

void ViewTracker::Show() { show_(); }

}  // namespace tw
