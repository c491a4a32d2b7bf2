#pragma once
// tallywright-ctl with no copy of the program running: the data folder acted on directly, through
// the main window's routines over a stand-in for its boxes, with the same locks and the same
// running-stretch file as the program. A stretch started here is saved unattended, so the next
// start of the window shows it running without a question.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/control.h"
#include "platform/folder_owner.h"
#include "state/main_view.h"

namespace tw {

// The main window's boxes, held in memory.
class BoxesView : public MainView {
 public:
  std::string StartText() const override { return start_; }
  void SetStartText(const std::string& text) override { start_ = text; }
  std::string EndText() const override { return end_; }
  void SetEndText(const std::string& text) override { end_ = text; }
  std::string Comments() const override { return comments_; }
  void SetComments(const std::string& text) override { comments_ = text; }
  std::string TimeCalc() const override { return timeCalc_; }
  void SetTimeCalc(const std::string& text) override { timeCalc_ = text; }
  void ClearProjects() override;
  void AddProjects(const std::vector<std::string>& names) override;
  int ProjectCount() const override { return static_cast<int>(projects_.size()); }
  std::string ProjectAt(int index) const override { return projects_.at(static_cast<size_t>(index)); }
  int ProjectIndex() const override { return index_; }
  void SetProjectIndex(int index) override;
  std::string ProjectText() const override { return projectText_; }
  void SetProjectText(const std::string& text) override;
  void SetStatusText(const std::string&) override {}
  double Left() const override { return 0; }
  double Top() const override { return 0; }
  double Width() const override { return 0; }
  double Height() const override { return 0; }
  void SetLeft(double) override {}
  void SetTop(double) override {}
  void SetWidth(double) override {}
  void SetHeight(double) override {}
  bool IsMinimized() const override { return true; }

 private:
  std::string start_, end_, comments_, timeCalc_, projectText_;
  std::vector<std::string> projects_;
  int index_ = -1;
};

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
