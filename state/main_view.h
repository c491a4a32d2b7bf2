#pragma once
// What the program's routines read and write on the main window: the tracking boxes, the project
// box, the first status panel and the window's place.
#include <string>
#include <vector>

namespace tw {

// The longest project name and comment the main window takes, in characters as its boxes count them
// (UTF-16 units, each at most three bytes of the program's text).
inline constexpr int kMaxProjectChars = 32767;
inline constexpr int kMaxCommentChars = 65535;

// What the program's routines read and write of the tracking: the start, end and comment boxes,
// the elapsed time, the project box and the first status panel. The tracker model
// (tracking/tracker.h) holds them; the main window shows the model.
class TrackingBoxes {
 public:
  virtual ~TrackingBoxes() = default;

  virtual std::string StartText() const = 0;
  virtual void SetStartText(const std::string& text) = 0;
  virtual std::string EndText() const = 0;
  virtual void SetEndText(const std::string& text) = 0;
  virtual std::string Comments() const = 0;
  virtual void SetComments(const std::string& text) = 0;
  virtual std::string TimeCalc() const = 0;
  virtual void SetTimeCalc(const std::string& text) = 0;

  // The project box: entries in order, the selected position (-1 for none) and the edit field.
  virtual void ClearProjects() = 0;
  virtual void AddProjects(const std::vector<std::string>& names) = 0;
  virtual int ProjectCount() const = 0;
  virtual std::string ProjectAt(int index) const = 0;
  virtual int ProjectIndex() const = 0;
  // Throws RunError 380 when index is neither -1 nor a position of the box. -1 empties the edit
  // field, as the box does.
  virtual void SetProjectIndex(int index) = 0;
  virtual std::string ProjectText() const = 0;
  // Selects no entry and puts text into the edit field, as if the user had typed it.
  virtual void SetProjectText(const std::string& text) = 0;

  // The first panel of the status bar.
  virtual void SetStatusText(const std::string& text) = 0;
};

// The main window as the routines see it: its boxes (its tracker's) and its outer place and size.
class MainView : public TrackingBoxes {
 public:
  // The window's outer place and size in twips.
  virtual double Left() const = 0;
  virtual double Top() const = 0;
  virtual double Width() const = 0;
  virtual double Height() const = 0;
  virtual void SetLeft(double twips) = 0;
  virtual void SetTop(double twips) = 0;
  virtual void SetWidth(double twips) = 0;
  virtual void SetHeight(double twips) = 0;
  virtual bool IsMinimized() const = 0;
};

}  // namespace tw

namespace Setup {

// Selects the remembered project: the setting "Project" when it is not empty. A value that is not a
// number counts as absent; a position the box no longer has clears the selection.
void RestoreRememberedProject(tw::TrackingBoxes& form);
// Remembers the project box's position in the setting "Project" (-1 when typed text stands there).
void RememberProject(const tw::TrackingBoxes& form);

}  // namespace Setup
