#pragma once
// The main window: the tracking boxes and buttons, the project box, the status bar and the menus.
// It only wires events to the program's routines.
#include <QIcon>
#include <QLabel>
#include <QMainWindow>
#include <cstdint>
#include <memory>
#include <optional>

#include "state/main_view.h"
#include "state/tray_window.h"
#include "tracking/away.h"
#include "widgets/registration.h"
#include "widgets/window_frame.h"

class QAction;
class QComboBox;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QStatusBar;
class QTimer;

namespace tw {

// A status panel that never makes the window wider: its text is cut with an ellipsis to the room
// it has, and shown whole in its tooltip.
class ElidedPanel : public QLabel {
 public:
  explicit ElidedPanel(QWidget* parent);
  void SetFullText(const QString& text);

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  QString full_;
};

class frmMain : public QMainWindow,
                public MainView,
                public TrayWindow,
                public RegisteredForm<frmMain> {
  Q_OBJECT

 public:
  // Builds the window hidden and runs its load sequence.
  frmMain();

  // MainView
  std::string StartText() const override;
  void SetStartText(const std::string& text) override;
  std::string EndText() const override;
  void SetEndText(const std::string& text) override;
  std::string Comments() const override;
  void SetComments(const std::string& text) override;
  std::string TimeCalc() const override;
  void SetTimeCalc(const std::string& text) override;
  void ClearProjects() override;
  void AddProjects(const std::vector<std::string>& names) override;
  int ProjectCount() const override;
  std::string ProjectAt(int index) const override;
  int ProjectIndex() const override;
  void SetProjectIndex(int index) override;
  std::string ProjectText() const override;
  void SetStatusText(const std::string& text) override;
  double Left() const override;
  double Top() const override;
  double Width() const override;
  double Height() const override;
  void SetLeft(double twips) override;
  void SetTop(double twips) override;
  void SetWidth(double twips) override;
  void SetHeight(double twips) override;
  bool IsMinimized() const override;

  // TrayWindow (IsMinimized and SetStatusText above serve it too)
  void SetNormalState() override;
  void SetVisible(bool visible) override;
  void PopupOptionMenu() override;
  void BringToFront() override;

  void SetProjectText(const std::string& text) override;

  // LoadedForm
  void Unload() override;

  // Ends the program the orderly way when the session ends or a signal asks: the shutdown, then the
  // process ends with status 0. Nothing happens while a shutdown is already under way.
  void EndNow();

  // Idle and sleep detection while a stretch runs, through the sources start-up found; until then
  // only the reminder of a long stretch runs.
  void WatchAbsences(std::unique_ptr<AwayWatch> watch);
  // The look at time away and at a stretch left running: at the minute while a stretch runs, and
  // between where the idle time says the person may have left, or while they are away.
  void LookForAway();
  // The look at a folder shared with other machines: their running stretches in the status bar,
  // and the sync services' conflict copies while no other window is open. Every half minute while
  // the window is on the screen, else at the minute of a running stretch.
  void LookAtSharedFolder();
  const AwayWatch& awayWatch() const { return *away_; }
  // Where the person left, while they are away from a running stretch.
  std::optional<std::int64_t> LeftAt() const;

  QMenu* optionMenu() const { return mnuOptions_; }
  // The shutdown has begun: the window takes no more requests.
  bool ShuttingDown() const { return unloading_; }

 signals:
  // The start, end, project or comment changed, by the user or by a routine.
  void TrackingChanged();

 protected:
  void changeEvent(QEvent* event) override;
  bool event(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildControls();
  void BuildMenus();
  void RefreshClockPanels();
  // Only what is needed wakes the program: the clock panels and the shared folder's look while the
  // window is on the screen, the minute's save and look while a stretch runs.
  void PaceTimers();
  void RefreshTimeBoxTips();
  // The window's outer rectangle (frame, caption, menu bar and all), which its place and size in
  // twips describe, and setting it.
  QRect Outer() const;
  void SetOuter(const QRect& outer);
  void Shutdown(std::optional<std::int64_t> leftAt = std::nullopt);

  QPushButton* cmdStartProject_ = nullptr;
  QLineEdit* txtStartProject_ = nullptr;
  QPushButton* cmdEndProject_ = nullptr;
  QLineEdit* txtEndProject_ = nullptr;
  QComboBox* cboProjects_ = nullptr;
  QPlainTextEdit* txtComments_ = nullptr;
  QLabel* lblTimeCalc_ = nullptr;
  QPushButton* cmdUpdateProjects_ = nullptr;
  QLabel* lblProjectList_ = nullptr;
  QLabel* lblComments_ = nullptr;
  QLabel* lblTotalTime_ = nullptr;
  QLabel* picIcon_ = nullptr;
  QIcon programIcon_;
  QStatusBar* sbStatusBar_ = nullptr;
  QLabel* statusPanel_ = nullptr;
  ElidedPanel* elsewherePanel_ = nullptr;  // the stretches running on other machines of a shared folder
  ElidedPanel* savePanel_ = nullptr;       // why the running stretch could not be saved
  QLabel* datePanel_ = nullptr;
  QLabel* timePanel_ = nullptr;
  QTimer* clock_ = nullptr;
  QTimer* lastSeen_ = nullptr;
  QTimer* awayPoll_ = nullptr;
  QTimer* sharedLook_ = nullptr;
  std::unique_ptr<AwayWatch> away_;
  StretchReminder reminder_;
  // A question about time away is open: the looks meanwhile wait.
  bool lookingForAway_ = false;
  KeptOuter* outer_ = nullptr;
  QMenu* mnuOptions_ = nullptr;
  QAction* mnuOptionsStatusBar_ = nullptr;
  // The user typed into the project box's edit field since an entry was last chosen.
  bool projectTyped_ = false;
  bool unloading_ = false;
};

// Ends the program the orderly way: the main window's EndNow, or while there is none, at once.
void EndProgramNow();
// Saves the main window's running stretch, last seen now, and waits until it is on disk.
void SaveRunningNow();

}  // namespace tw
