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

#include "viewer/report_routines.h"
#include "widgets/registration.h"

class QPushButton;
class QTreeWidget;

namespace tw {

class UndoActions;

class frmReport : public QDialog, public ReportWindow, public RegisteredForm<frmReport> {
  Q_OBJECT

 public:
  frmReport(MainView& main, QWidget* parent);

  // ReportWindow
  void Load(const DateTime& day) override;
  void Fill(DayReport report) override;
  const DayRow* RowAt(int position) const override;
  MainView& mainView() const override { return main_; }
  void AtClose(std::function<void()> action) override;
  void Unload() override;

  void done(int result) override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The start and end columns as wide as the dates they hold, the comments giving up the room.
  void FitDateColumns();
  void StepDay(int days);
  void ShowToday();
  void OpenEditor(int row);
  void EditCurrent();

  MainView& main_;
  QPushButton* cmdDayBefore_ = nullptr;
  QPushButton* cmdToday_ = nullptr;
  QPushButton* cmdNextDay_ = nullptr;
  QPushButton* cmdClose_ = nullptr;
  QPushButton* cmdEdit_ = nullptr;
  QTreeWidget* list_ = nullptr;
  UndoActions* undo_ = nullptr;
  DayReport report_;
  std::vector<std::function<void()>> atClose_;
  bool closed_ = false;
};

// The report window and the entry editor as the report routines reach them.
ReportScreens& ReportWindows();

}  // namespace tw
