#pragma once
// tallywright-ctl with no copy of the program running: the data folder acted on directly, through
// the main window's routines over a stand-in for its boxes, with the same locks and the same
// running-stretch file as the program. A stretch started here is saved unattended, so the next
// start of the window shows it running without a question.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "control/control.h"
#include "control/view_tracker.h"
#include "platform/folder_owner.h"
#include "state/main_view.h"

namespace tw {

class FolderTracker : public Tracker {
 public:
  // Reads the project list, the remembered project and the saved stretch of the data folder of
  // platform(). show is what Show does here: start the program.
  explicit FolderTracker(std::function<void()> show);
  void Start(const std::string& project, const std::string& comment) override;
  void End() override;
  TrackerStatus Status() override { return tracker_.Status(); }
  std::vector<std::string> Projects() override { return tracker_.Projects(); }
  void Show() override { tracker_.Show(); }

 private:
  // Claims the folder for a change; refused when a copy of the program has just started there, or
  // a stretch the program left running waits for its question.
  void Claim();

  BoxesView view_;
  ViewTracker tracker_;
  std::unique_ptr<FolderOwner> claim_;
  std::string leftByProgram_;  // the project of a stretch the program left running, if any
};

}  // namespace tw
