#pragma once
// The daily report window: the stretches that started on the displayed day, their lengths and the
// day's total, with buttons to step from day to day. A double-click on a stretch opens it in the
// entry editor.
//
// The report window is one window that is refilled in place: the day buttons and a saved edit
// rebuild its caption, place and rows without closing it, so one close always brings the user back
// to the main window, however many days were visited or entries edited.
#include <QDialog>
#include <functional>
#include <vector>

#include "app/forms.h"
#include "app/main_view.h"
#include "viewer/day_report.h"

class QPushButton;
class QTreeWidget;

namespace tw {

class frmReport : public QDialog, public LoadedForm {
  Q_OBJECT

 public:
  frmReport(MainView& main, QWidget* parent);
  ~frmReport() override;

  // The loaded report window, or nullptr.
  static frmReport* Loaded();

  // Size, close button, caption for the displayed day and the place in the middle of the screen.
  void Load();
  // Shows the report's rows, and the total row when it has one.
  void Fill(DayReport report);
  // The stretch at a 1-based row of the list; nullptr for the total row and past the rows.
  const DayRow* RowAt(int position) const;
  MainView& mainView() const { return main_; }
  // Runs when the window closes (at once if it is closed already).
  void AtClose(std::function<void()> action);

  // LoadedForm
  void Unload() override;

  void done(int result) override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void StepDay(int days);
  void ShowToday();
  void OpenEditor(int row);

  MainView& main_;
  QPushButton* cmdDayBefore_ = nullptr;
  QPushButton* cmdToday_ = nullptr;
  QPushButton* cmdNextDay_ = nullptr;
  QPushButton* cmdClose_ = nullptr;
  QTreeWidget* list_ = nullptr;
  DayReport report_;
  std::vector<std::function<void()>> atClose_;
  bool closed_ = false;
};

}  // namespace tw

namespace Setup {

// Rebuilds the report window for DisplayDate and shows it modally; returns when it is closed. With
// no report file there is no window and no message (a window that is showing closes).
void ShowReport(tw::MainView& main);
// The same, with an action for when the window shown is closed (at once when no window is shown).
void ShowReport(tw::MainView& main, std::function<void()> afterClose);

}  // namespace Setup
