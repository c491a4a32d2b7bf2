#pragma once
// The Timeline window: one day or one week of stretches as blocks, to look at and to mend with the
// mouse or the keyboard. It is modeless, like the Summary, and follows the report whoever changes
// it; every change goes through the record store (timeline/mend.h), one write each.
#include <QDialog>
#include <functional>
#include <memory>
#include <optional>

#include "state/main_view.h"
#include "timeline/mend.h"
#include "timeline/timeline_view.h"
#include "widgets/registration.h"
#include "platform/translate.h"

class QComboBox;
class QDateEdit;
class QFileSystemWatcher;
class QLabel;
class QPushButton;

namespace tw {

class frmTimeline : public QDialog, public RegisteredForm<frmTimeline> {
  Q_OBJECT

 public:
  frmTimeline(MainView& main, QWidget* parent);

  // Shows the window (the one open, brought to the front, or a new one at this week).
  static frmTimeline* Open(MainView& main, QWidget* parent);
  // What holds the running stretch, for a window opened from `main`: the main window's boxes
  // unless this is set (the tracker, once it holds the running stretch for every window).
  static inline std::function<std::unique_ptr<RunningTracker>(MainView&)> makeTracker;

  // Shows the day, or the week holding it.
  void ShowDays(std::int64_t day, bool week);
  const Period& period() const { return period_; }
  TimelineView* view() const { return view_; }

  void Unload() override;

 protected:
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void Build();
  void Refresh(std::optional<std::int64_t> select = std::nullopt);
  void Redraw(std::optional<std::int64_t> select = std::nullopt);
  void WatchReport();
  void ReportMayHaveChanged();
  void Step(int steps);
  // Runs a mend on the store as it stands, asking about overlaps and telling refusals; the
  // timeline is read again after a write or a stale stretch.
  MendOutcome Mend(const std::function<MendResult(const MendPlace&, bool confirmed)>& mend,
                   std::optional<std::int64_t> select = std::nullopt);
  void Move(const Block& block, const DateTime& start, const DateTime& end);
  void Edit(const Block& block);
  void Delete(const Block& block);
  void Add(const DateTime& start, const DateTime& end);
  void Readout(const QString& text);

  MainView& main_;
  std::unique_ptr<RunningTracker> tracker_;
  std::int64_t anchor_ = 0;  // the day chosen; the week shown holds it
  bool week_ = true;
  int firstWeekday_ = 0;
  Period period_;
  std::vector<StoredStretch> stretches_;  // of StoredPeriodOf(period_), as last read
  bool shared_ = false;
  std::string machine_, problem_;
  std::string readStamp_;
  QFileSystemWatcher* watcher_ = nullptr;
  bool refreshQueued_ = false;
  QTimer* minute_ = nullptr;
  QPushButton* cmdPrevious_ = nullptr;
  QPushButton* cmdToday_ = nullptr;
  QPushButton* cmdNext_ = nullptr;
  QDateEdit* dtpDay_ = nullptr;
  QComboBox* cboView_ = nullptr;
  QComboBox* cboSnap_ = nullptr;
  QLabel* lblTotal_ = nullptr;
  TimelineView* view_ = nullptr;
  QLabel* lblReadout_ = nullptr;
  QPushButton* cmdAdd_ = nullptr;
  QPushButton* cmdClose_ = nullptr;
};

// Told when a stretch changed after the timeline showed it, so that a change was not written.
inline constexpr const char* kStaleStretchMessage =
    TW_TEXT("Timeline",
            "This stretch has been changed since the timeline showed it, so your change was not saved. The "
            "timeline is shown again as the report now stands.");

}  // namespace tw
