#pragma once
// The Summary window: one period's time per project, per day and per tag, with a chart, a rounding
// of each stretch, what the time amounts to (billable and not billable apart), the budgets' use,
// the working-time balance, filters by project and by tags, and Copy and Export as CSV, JSON,
// iCalendar or invoice lines. It is modeless, so Start and End go on in the main window while it
// is open; it reads the report again whenever the report, the rates or the settings change,
// whoever changed them. A double-click on a day opens the daily report at that day.
#include <QDialog>
#include <QString>
#include <functional>

#include "state/main_view.h"
#include "dates/period.h"
#include "summaries/summary.h"
#include "summaries/summary_text.h"
#include "widgets/registration.h"

class QComboBox;
class QDateEdit;
class QFileSystemWatcher;
class QLabel;
class QListWidget;
class QPushButton;
class QTreeWidget;

namespace tw {

class SummaryChart;

class frmSummary : public QDialog, public RegisteredForm<frmSummary> {
  Q_OBJECT

 public:
  frmSummary(MainView& main, QWidget* parent);

  // Shows the window (the one open, brought to the front, or a new one at this week).
  static frmSummary* Open(MainView& main, QWidget* parent);
  // Shows a period; `kind` tells how Previous and Next step from it.
  void ShowPeriod(const Period& period, PeriodKind kind);
  const Summary& summary() const { return view_.shown.summary; }
  const SummaryView& view() const { return view_; }

  // Asks where to export (parent, suggested file name, filter); an empty answer exports nothing.
  // Tests put their own answer here.
  static inline std::function<QString(QWidget*, const QString&, const QString&)> askSavePath;

  void Unload() override;

 protected:
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void Build();
  void ChoosePreset(int index);
  void DatesChanged();
  void Step(int steps);
  void Refresh();
  void FillTables();
  void FillFilters();
  void FiltersChanged();
  std::string Stamp() const;
  void WatchReport();
  void ReportMayHaveChanged();
  void OpenDay(std::int64_t day);
  std::string ExportText();
  void Copy();
  void Export();
  std::int64_t Today() const;

  MainView& main_;
  int firstWeekday_ = 1;
  Period period_;
  PeriodKind kind_ = PeriodKind::Week;
  SummaryView view_;
  ViewAsk ask_;
  std::string readStamp_;  // the report file as it was when read
  QFileSystemWatcher* watcher_ = nullptr;
  bool refreshQueued_ = false;
  QComboBox* cboPeriod_ = nullptr;
  QDateEdit* dtpFrom_ = nullptr;
  QDateEdit* dtpTo_ = nullptr;
  QPushButton* cmdPrevious_ = nullptr;
  QPushButton* cmdNext_ = nullptr;
  QComboBox* cboRounding_ = nullptr;
  QLabel* lblTotal_ = nullptr;
  QLabel* lblMoney_ = nullptr;
  QLabel* lblBalance_ = nullptr;
  QTreeWidget* lstProjects_ = nullptr;
  QTreeWidget* lstDays_ = nullptr;
  QTreeWidget* lstTags_ = nullptr;
  QTreeWidget* lstBudgets_ = nullptr;
  QComboBox* cboProject_ = nullptr;
  QListWidget* lstTagFilter_ = nullptr;
  SummaryChart* chart_ = nullptr;
  QComboBox* cboExport_ = nullptr;
  QPushButton* cmdCopy_ = nullptr;
  QPushButton* cmdExport_ = nullptr;
  QPushButton* cmdClose_ = nullptr;
};

}  // namespace tw
