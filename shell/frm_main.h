#pragma once
// The main window: the tracking boxes and buttons, the project box, the status bar and the menus.
// It shows its tracker (tracking/tracker.h) and sends it the buttons' presses and the boxes' edits;
// the rules are the tracker's.
#include <QIcon>
#include <QLabel>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <functional>
#include <cstdint>
#include <memory>
#include <optional>

#include "state/main_view.h"
#include "state/tray_window.h"
#include "tracking/tracker.h"
#include "widgets/registration.h"
#include "widgets/window_frame.h"

class QAction;
class QComboBox;
class QLineEdit;
class QMenu;
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

// The comment box: a paste is cut to the room the box has before the box lays it out, however
// large the text pasted; cut tells how much was left out.
class CommentBox : public QPlainTextEdit {
 public:
  explicit CommentBox(QWidget* parent) : QPlainTextEdit(parent) {}
  std::function<void(qsizetype kept, qsizetype pasted)> cut;

 protected:
  void insertFromMimeData(const QMimeData* source) override;
};

class frmMain : public QMainWindow,
                public TrackerView,
                public TrayWindow,
                public RegisteredForm<frmMain> {
  Q_OBJECT

 public:
  // Builds the window hidden and runs its load sequence.
  frmMain();
  ~frmMain() override;

  TrackerModel& tracker() const override { return *tracker_; }

  // MainView: the window's place and size (the boxes are the tracker's)
  double Left() const override;
  double Top() const override;
  double Width() const override;
  double Height() const override;
  void SetLeft(double twips) override;
  void SetTop(double twips) override;
  void SetWidth(double twips) override;
  void SetHeight(double twips) override;
  bool IsMinimized() const override;
  void SetStatusText(const std::string& text) override { tracker_->SetStatusText(text); }

  // TrayWindow (IsMinimized and SetStatusText above serve it too)
  void SetNormalState() override;
  void SetVisible(bool visible) override;
  void PopupOptionMenu() override;
  void BringToFront() override;
  // Show of a request from outside: back from the notification area or a minimized state as a
  // click on the icon brings it; a window already on the screen is only raised, its status kept.
  void ComeForward();

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
  const AwayWatch& awayWatch() const { return tracker_->awayWatch(); }
  // Where the person left, while they are away from a running stretch.
  std::optional<std::int64_t> LeftAt() const { return tracker_->LeftAt(); }

  QMenu* optionMenu() const { return mnuOptions_; }
  // The shutdown has begun: the window takes no more requests.
  bool ShuttingDown() const { return unloading_; }

 signals:
  // The start, end, project or comment changed, by the user or by a routine.
  void TrackingChanged();
  // This copy became the owner of its data folder, later than at start-up.
  void BecameOwner();

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
  // Shows what the tracker's parts now hold.
  void ShowTracker(unsigned parts);

  std::unique_ptr<TrackerModel> tracker_;
  int subscription_ = -1;
  // The boxes are being set from the tracker: their change signals are not edits.
  bool showing_ = false;

  QPushButton* cmdStartProject_ = nullptr;
  QLineEdit* txtStartProject_ = nullptr;
  QPushButton* cmdEndProject_ = nullptr;
  QLineEdit* txtEndProject_ = nullptr;
  QComboBox* cboProjects_ = nullptr;
  CommentBox* txtComments_ = nullptr;
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
  QTimer* claimAgain_ = nullptr;  // while another process holds the data folder
  KeptOuter* outer_ = nullptr;
  QMenu* mnuOptions_ = nullptr;
  QAction* mnuOptionsStatusBar_ = nullptr;
  bool unloading_ = false;
};

// Ends the program the orderly way: the main window's EndNow, or while there is none, at once.
void EndProgramNow();
// Saves the main window's running stretch, last seen now, and waits until it is on disk.
void SaveRunningNow();

}  // namespace tw
