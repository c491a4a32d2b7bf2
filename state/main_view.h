#pragma once
// What the program's routines read and write on the main window: the tracking boxes, the project
// box, the first status panel and the window's place. The main window implements it; tests drive
// the routines with a plain stand-in.
#include <string>
#include <vector>

namespace tw {

// The longest project name and comment the main window takes, in characters as its boxes count them
// (UTF-16 units, each at most three bytes of the program's text).
inline constexpr int kMaxProjectChars = 32767;
inline constexpr int kMaxCommentChars = 65535;

class MainView {
 public:
  virtual ~MainView() = default;

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
  // Throws RunError 380 when index is neither -1 nor a position of the box.
  virtual void SetProjectIndex(int index) = 0;
  virtual std::string ProjectText() const = 0;
  // Selects no entry and puts text into the edit field, as if the user had typed it.
  virtual void SetProjectText(const std::string& text) = 0;

  // The first panel of the status bar.
  virtual void SetStatusText(const std::string& text) = 0;

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

// The main window's boxes held in memory, for a process with no window (tallywright-ctl acting on
// the data folder) and for driving the routines without one.
class BoxesView : public MainView {
 public:
  std::string StartText() const override { return start; }
  void SetStartText(const std::string& t) override { start = t; }
  std::string EndText() const override { return end; }
  void SetEndText(const std::string& t) override { end = t; }
  std::string Comments() const override { return comments; }
  void SetComments(const std::string& t) override { comments = t; }
  std::string TimeCalc() const override { return timeCalc; }
  void SetTimeCalc(const std::string& t) override { timeCalc = t; }
  void ClearProjects() override { projects.clear(), index = -1; }
  void AddProjects(const std::vector<std::string>& names) override {
    projects.insert(projects.end(), names.begin(), names.end());
  }
  int ProjectCount() const override { return static_cast<int>(projects.size()); }
  std::string ProjectAt(int i) const override { return projects.at(static_cast<size_t>(i)); }
  int ProjectIndex() const override { return index; }
  void SetProjectIndex(int i) override;
  std::string ProjectText() const override { return index >= 0 ? ProjectAt(index) : typed; }
  void SetProjectText(const std::string& t) override { index = -1, typed = t; }
  void SetStatusText(const std::string& t) override { status = t; }
  double Left() const override { return left; }
  double Top() const override { return top; }
  double Width() const override { return width; }
  double Height() const override { return height; }
  void SetLeft(double v) override { left = v; }
  void SetTop(double v) override { top = v; }
  void SetWidth(double v) override { width = v; }
  void SetHeight(double v) override { height = v; }
  bool IsMinimized() const override { return minimized; }

  std::string start, end, comments, timeCalc, typed, status;
  std::vector<std::string> projects;
  int index = -1;
  double left = 0, top = 0, width = 0, height = 0;
  bool minimized = false;
};

}  // namespace tw
