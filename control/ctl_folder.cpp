#include "control/ctl_folder.h"

#include "platform/platform.h"
#include "projects/project_list.h"
#include "tracking/running.h"

namespace tw {

FolderTracker::FolderTracker(std::function<void()> show)
    : tracker_(view_, [this] { Claim(); },
               [this, show = std::move(show)] {
                 claim_.reset();  // the program about to start takes the folder
                 show();
               }) {
  SaveStretchesUnattended();
  if (Setup::ReadProjectList(view_)) Setup::RestoreRememberedProject(view_);
  if (const std::optional<RunningStretch> saved = SavedStretch()) {
    ChooseProject(view_, saved->project);
    view_.SetComments(saved->comment);
    view_.SetStartText(saved->start);
    if (saved->unattended.empty() || !saved->record.empty()) leftByProgram_ = saved->project;
  }
}

void FolderTracker::Claim() {
  if (!leftByProgram_.empty())
    throw ControlError(kFailed, "The stretch of " + leftByProgram_ + " was still running when Tallywright last "
                                "ended; start Tallywright to keep or end it");
  if (claim_) return;
  try {
    claim_ = ClaimFolder(platform().system->DataFolder());
  } catch (const RunError& e) {
    throw ControlError(kFailed, "The data folder cannot be used: " + e.description());
  }
  if (!claim_) throw ControlError(kBusy, "Tallywright has just started on this data folder; try again");
}

void FolderTracker::Start(const std::string& project, const std::string& comment) {
  tracker_.Start(project, comment);
  WaitForRunningFile();
}

void FolderTracker::End() {
  tracker_.End();
  WaitForRunningFile();
}

}  // namespace tw
