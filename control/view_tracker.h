#pragma once
// The requests carried out on a main window (control/control.h), by the routines its buttons use.
#include <functional>
#include <string>
#include <vector>

#include "control/control.h"

namespace tw {

class MainView;

// The requests carried out on a main window, by the routines its buttons use: the running
// program's window, or tallywright-ctl's stand-in for one over the data folder. ready throws
// ControlError while the window cannot take a request (a modal window open, a shutdown under
// way); show brings it forward.
class ViewTracker : public Tracker {
 public:
  ViewTracker(MainView& form, std::function<void()> ready, std::function<void()> show)
      : form_(form), ready_(std::move(ready)), show_(std::move(show)) {}
  void Start(const std::string& project, const std::string& comment) override;
  void End() override;
  TrackerStatus Status() override;
  std::vector<std::string> Projects() override;
  void Show() override;

 private:
  MainView& form_;
  std::function<void()> ready_, show_;
};

// Selects project in the project box: its entry when the list has one, else typed in.
void ChooseProject(MainView& form, const std::string& project);

}  // namespace tw
