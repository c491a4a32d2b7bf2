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

}  // namespace tw
