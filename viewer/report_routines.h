#pragma once
// ShowReport and UpdateReport: the report window filled from the report file, and one entry of the
// report changed or removed. The windows are reached through the small views below, which the
// report window and the entry editor implement.
#include <functional>
#include <string>

#include "state/main_view.h"
#include "store/day_report.h"
#include "viewer/entry.h"

namespace tw {

// The report window as the routines see it.
class ReportWindow {
 public:
  virtual ~ReportWindow() = default;
  // Its load: size, caption for the day shown, place in the middle of the screen.
  virtual void Load(const DateTime& day) = 0;
  // Shows the report's rows, and the total row when it has one.
  virtual void Fill(DayReport report) = 0;
  // The stretch at a 1-based row of the list; nullptr for the total row and past the rows.
  virtual const DayRow* RowAt(int position) const = 0;
  // The main window it was opened from.
  virtual MainView& mainView() const = 0;
  // Runs when the window closes (at once if it is closed already).
  virtual void AtClose(std::function<void()> action) = 0;
  virtual void Unload() = 0;
};

// The entry editor as the routines see it.
class EntryEditor {
 public:
  virtual ~EntryEditor() = default;
  // The boxes' texts; a box the user did not change gives back the bytes it was filled with.
  virtual EntryTexts Entry() const = 0;
  virtual void Unload() = 0;
};

// Where the routines find the loaded windows and make a new report window.
class ReportScreens {
 public:
  virtual ~ReportScreens() = default;
  virtual ReportWindow* LoadedReport() = 0;
  virtual EntryEditor* LoadedEditor() = 0;
  virtual ReportWindow* NewReport(MainView& main) = 0;
  // Shows a new report window modally; returns when it is closed.
  virtual void ShowModal(ReportWindow* window) = 0;
  // Destroys a report window made by NewReport.
  virtual void Destroy(ReportWindow* window) = 0;
};

// "Report...   Date being displayed: " with the weekday name and the day in the user's order, as
// "Monday 12/07/2026" or "Montag 07.12.2026".
std::string ReportCaption(const DateFormat& format, const DateTime& day);

// What the entry editor's Save and Delete do to the entry.
enum class EntryAction { Update, Delete };

}  // namespace tw

namespace Setup {

// Rebuilds the report window for the calendar day of day (the windows pass DisplayDate) and shows
// it modally; returns when it is closed. With no report file there is no window and no message (a
// window that is showing closes). afterClose runs when the window shown is closed (at once when no
// window is shown). A window that is showing is refilled in place, and its own wait goes on.
void ShowReport(tw::MainView& main, tw::ReportScreens& screens, const tw::DateTime& day,
                std::function<void()> afterClose = nullptr);

// Replaces (Update, with the editor's texts) or removes (Delete) the entry at the report window's
// 1-based row (the editor passes EditRow) in the report file, then closes the editor and shows day
// again. Only that one line changes; when it is no longer in the file as it was read, nothing is
// written and the user is told.
void UpdateReport(tw::EntryAction action, int row, const tw::DateTime& day, tw::ReportScreens& screens);

}  // namespace Setup
