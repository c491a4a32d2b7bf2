#include "timeline/frm_timeline.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDateEdit>
#include <QFileSystemWatcher>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <ctime>
#include <cstdio>
#include <QLocale>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "desktop/qt_locale.h"
#include "desktop/qt_text.h"
#include "platform/platform.h"
#include "report/report_form.h"
#include "store/folder_reports.h"
#include "timeline/frm_timeline_add.h"
#include "tracking/write_record.h"
#include "viewer/frm_report_edit.h"
#include "widgets/centring.h"
#include "widgets/controls.h"
#include "widgets/twips.h"

namespace tw {
namespace {

// The window's design, in twips: as wide as the Summary, and taller for the hours.
constexpr double kClientWidth = 11400, kClientHeight = 8400;

constexpr const char* kHint =
    "Drag a stretch to move it, an edge to change its start or end, free time to add one "
    "(Shift snaps to 5 minutes, Ctrl to 15). Alt+arrows change the selected one; Enter saves.";

const DateFormat& User() { return *platform().dateFormat; }

QDate QDateOf(std::int64_t day) {
  const CivilDate d = CivilFromDay(day);
  return QDate(d.year, d.month, d.day);
}

std::int64_t DayOf(const QDate& date) { return DayFromCivil({date.year(), date.month(), date.day()}); }

QLabel* Caption(QWidget* parent, const char* name, const char* text, QWidget* buddy) {
  QLabel* label = MakeLabel(parent, name, QString::fromUtf8(text));
  label->setBuddy(buddy);
  label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  return label;
}

}  // namespace

frmTimeline::frmTimeline(MainView& main, QWidget* parent) : QDialog(parent), main_(main) {
  setObjectName("frmTimeline");
  setWindowTitle("Timeline");
  setModal(false);
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
  PaintLightYellow(this);
  tracker_ = makeTracker ? makeTracker(main) : std::make_unique<BoxesTracker>(main);
  firstWeekday_ = FirstWeekdayOf(QLocale());
  Build();
  Register();
}

void frmTimeline::Build() {
  cmdPrevious_ = MakeButton(this, "cmdPrevious", "&Previous", "Show the day or week before");
  cmdToday_ = MakeButton(this, "cmdToday", "&Today", "Show today");
  cmdNext_ = MakeButton(this, "cmdNext", "&Next", "Show the day or week after");
  dtpDay_ = new QDateEdit(this);
  dtpDay_->setObjectName("dtpDay");
  dtpDay_->setCalendarPopup(true);
  std::string pattern = User().data().shortDate;
  if (pattern.find("yyyy") == std::string::npos)
    if (const size_t y = pattern.find("yy"); y != std::string::npos) pattern.replace(y, 2, "yyyy");
  dtpDay_->setDisplayFormat(FromBytes(pattern));
  dtpDay_->setDateRange(QDateOf(kReadableDays.first + 7), QDateOf(kReadableDays.last - 7));
  dtpDay_->setToolTip("The day shown, or a day of the week shown");
  cboView_ = new QComboBox(this);
  cboView_->setObjectName("cboView");
  cboView_->addItems({"Day", "Week"});
  cboSnap_ = new QComboBox(this);
  cboSnap_->setObjectName("cboSnap");
  for (int minutes : kSnapSteps) cboSnap_->addItem(minutes == 1 ? "1 minute" : QString("%1 minutes").arg(minutes));
  cboSnap_->setToolTip("The step a dragged or moved time keeps to");
  lblTotal_ = MakeLabel(this, "lblTotal", "");
  QFont bold = lblTotal_->font();
  bold.setBold(true);
  lblTotal_->setFont(bold);
  lblTotal_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

  view_ = new TimelineView(this);
  view_->setObjectName("tlnTimeline");
  view_->setAccessibleName("Timeline");
  lblReadout_ = MakeLabel(this, "lblReadout", kHint);
  lblReadout_->setWordWrap(true);
  // Two lines always, so that what a drag shows never moves the buttons.
  lblReadout_->setMinimumHeight(2 * lblReadout_->fontMetrics().height());
  cmdAdd_ = MakeButton(this, "cmdAdd", "&Add...", "Add a stretch in the selected free time");
  cmdClose_ = MakeButton(this, "cmdClose", "&Close", "");

  const int spacing = TwipsToPixels(120);
  auto* top = new QHBoxLayout;
  top->setSpacing(spacing / 2);
  top->addWidget(cmdPrevious_);
  top->addWidget(cmdToday_);
  top->addWidget(cmdNext_);
  top->addSpacing(spacing);
  top->addWidget(Caption(this, "lblDay", "&Date:", dtpDay_));
  top->addWidget(dtpDay_);
  top->addWidget(Caption(this, "lblView", "Sho&w:", cboView_));
  top->addWidget(cboView_);
  top->addWidget(Caption(this, "lblSnap", "&Snap:", cboSnap_));
  top->addWidget(cboSnap_);
  top->addStretch(1);
  top->addWidget(lblTotal_);
  auto* bottom = new QHBoxLayout;
  bottom->setSpacing(spacing);
  bottom->addWidget(lblReadout_, 1);
  bottom->addWidget(cmdAdd_, 0, Qt::AlignTop);
  bottom->addWidget(cmdClose_, 0, Qt::AlignTop);
  auto* all = new QVBoxLayout(this);
  all->setContentsMargins(spacing, spacing, spacing, spacing);
  all->setSpacing(spacing / 2);
  all->addLayout(top);
  all->addWidget(view_, 1);
  all->addLayout(bottom);
  for (QPushButton* button : {cmdPrevious_, cmdToday_, cmdNext_, cmdAdd_, cmdClose_}) {
    button->setMinimumHeight(TwipsToPixels(375));
    button->setMinimumWidth(std::max(TwipsToPixels(1035), button->sizeHint().width()));
  }
  resize(TwipsToPixels(kClientWidth), TwipsToPixels(kClientHeight));

  const int snap = SnapMinutes();
  for (int i = 0; i < cboSnap_->count(); ++i)
    if (kSnapSteps[i] == snap) cboSnap_->setCurrentIndex(i);
  view_->SetSnapMinutes(snap);
  cboView_->setCurrentIndex(1);

  connect(cmdPrevious_, &QPushButton::clicked, this, [this] { Step(-1); });
  connect(cmdNext_, &QPushButton::clicked, this, [this] { Step(1); });
  connect(cmdToday_, &QPushButton::clicked, this, [this] {
    ShowDays(platform().clock->Now().day, week_);
    view_->ScrollTo(platform().clock->UnixNow());
  });
  connect(dtpDay_, &QDateEdit::dateChanged, this, [this](const QDate& date) { ShowDays(DayOf(date), week_); });
  connect(cboView_, &QComboBox::activated, this, [this](int index) { ShowDays(anchor_, index == 1); });
  connect(cboSnap_, &QComboBox::activated, this, [this](int index) {
    view_->SetSnapMinutes(kSnapSteps[index]);
    platform().settings->SaveSetting(kProductName, kSettingsSection, kSnapSetting, std::to_string(kSnapSteps[index]));
  });
  connect(cmdAdd_, &QPushButton::clicked, this, [this] {
    view_->setFocus();
    QKeyEvent insert(QEvent::KeyPress, Qt::Key_Insert, Qt::NoModifier);
    QCoreApplication::sendEvent(view_, &insert);
  });
  connect(cmdClose_, &QPushButton::clicked, this, [this] { close(); });

  view_->onMove = [this](const Block& b, const DateTime& start, const DateTime& end) { Move(b, start, end); };
  view_->onEdit = [this](const Block& b) { Edit(b); };
  view_->onDelete = [this](const Block& b) { Delete(b); };
  view_->onAdd = [this](const DateTime& start, const DateTime& end) { Add(start, end); };
  view_->onStep = [this](int steps) { Step(steps); };
  view_->onReadout = [this](const QString& text) { Readout(text); };

  // Whoever changes the report (this window, the report window, tallywright-ctl, another machine),
  // the timeline follows.
  watcher_ = new QFileSystemWatcher(this);
  connect(watcher_, &QFileSystemWatcher::fileChanged, this, [this] { ReportMayHaveChanged(); });
  connect(watcher_, &QFileSystemWatcher::directoryChanged, this, [this] { ReportMayHaveChanged(); });
  // The running stretch grows to now, and a start or end in the main window shows, once a minute.
  minute_ = new QTimer(this);
  minute_->setSingleShot(true);
  connect(minute_, &QTimer::timeout, this, [this] {
    Redraw();
    minute_->start(static_cast<int>(60 - platform().clock->UnixNow() % 60) * 1000);
  });
  minute_->start(static_cast<int>(60 - platform().clock->UnixNow() % 60) * 1000);
}

frmTimeline* frmTimeline::Open(MainView& main, QWidget* parent) {
  frmTimeline* window = Loaded();
  if (!window) {
    window = new frmTimeline(main, parent);
    window->ShowDays(platform().clock->Now().day, true);
    window->view_->ScrollTo(std::max<std::int64_t>(platform().clock->UnixNow() - 3 * 3600, MomentOf({platform().clock->Now().day, 7 * 3600})));
    CenterOnScreen(window);
  }
  window->show();
  window->raise();
  window->activateWindow();
  window->view_->setFocus();
  return window;
}

void frmTimeline::ShowDays(std::int64_t day, bool week) {
  const Period next = week ? PeriodOf(PeriodKind::Week, day, firstWeekday_) : Period{day, day};
  if (!WithinReadableYears(Period{next.first - 1, next.last})) return;
  anchor_ = day;
  week_ = week;
  period_ = next;
  const QSignalBlocker blockDay(dtpDay_);
  dtpDay_->setDate(QDateOf(day));
  cboView_->setCurrentIndex(week ? 1 : 0);
  Refresh();
}

void frmTimeline::Step(int steps) {
  const std::int64_t days = (week_ ? 7 : 1) * static_cast<std::int64_t>(steps);
  ShowDays(anchor_ + days, week_);
}

void frmTimeline::Refresh(std::optional<std::int64_t> select) {
  const std::string folder = platform().system->DataFolder();
  readStamp_ = ReportsStamp(folder);  // taken first: a change while reading is read again
  stretches_.clear();
  problem_.clear();
  try {
    const RecordStore store = RecordStore::OfProgram();
    shared_ = store.reports().shared;
    machine_ = ProgramDataFolder().machine;
    // No report yet is an empty timeline, not a problem.
    FileMissing([&] { stretches_ = store.Stretches(StoredPeriodOf(period_)); });
  } catch (const RunError& e) {
    problem_ = "The report could not be read: " + e.description();
  }
  const auto c = [] { timespec t{}; clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t); return (t.tv_sec + t.tv_nsec / 1e9) * 1000; };
  const double t0 = c();
  Redraw(select);
  const double t1 = c();
  WatchReport();
  std::fprintf(stderr, "  redraw %.1f watch %.1f\n", t1 - t0, c() - t1);
}

void frmTimeline::Redraw(std::optional<std::int64_t> select) {
  Timeline t = TimelineOf(stretches_, shared_, machine_, period_, tracker_->Running(), platform().clock->UnixNow());
  t.problem = problem_;
  const DateTime first{period_.first, 0}, last{period_.last, 0};
  const std::string total = User().FormatDuration(t.totalSeconds);
  lblTotal_->setText(FromBytes((week_ ? "Week: " : "Day: ") + total));
  lblTotal_->setToolTip(week_ ? "The week's total, as tallywright-report --week gives it"
                              : "The day's total, as the daily report gives it");
  view_->setAccessibleDescription(
      FromBytes((week_ ? "Week of " + User().WeekdayName(first) + " " + User().FormatNumericDate(first) + " to " +
                             User().WeekdayName(last) + " " + User().FormatNumericDate(last)
                       : User().WeekdayName(first) + " " + User().FormatNumericDate(first)) +
                ", " + total + " recorded"));
  view_->SetTimeline(std::move(t), select);
  if (!problem_.empty()) lblReadout_->setText(FromBytes(problem_));
}

void frmTimeline::Readout(const QString& text) { lblReadout_->setText(text.isEmpty() ? (problem_.empty() ? kHint : FromBytes(problem_)) : text); }

void frmTimeline::WatchReport() {
  const std::string folder = platform().system->DataFolder();
  QStringList wanted = {QString::fromStdString(folder)};
  for (const std::string& report : ReportPaths(folder)) wanted.append(QString::fromStdString(report));
  if (watcher_->directories() + watcher_->files() == wanted) return;
  if (!watcher_->directories().isEmpty()) watcher_->removePaths(watcher_->directories());
  if (!watcher_->files().isEmpty()) watcher_->removePaths(watcher_->files());
  watcher_->addPaths(wanted);
}

void frmTimeline::ReportMayHaveChanged() {
  if (refreshQueued_) return;
  refreshQueued_ = true;
  QTimer::singleShot(0, this, [this] {
    refreshQueued_ = false;
    if (ReportsStamp(platform().system->DataFolder()) != readStamp_) Refresh();
    else WatchReport();
  });
}

MendOutcome frmTimeline::Mend(const std::function<MendResult(const MendPlace&, bool)>& mend,
                              std::optional<std::int64_t> select) {
  Platform& p = platform();
  bool confirmed = false;
  for (;;) {
    MendResult result;
    {
      const RecordStore store = RecordStore::OfProgram();
      const MendPlace place{p.files, ProgramDataFolder(), &store, tracker_.get(), p.clock->UnixNow()};
      result = mend(place, confirmed);
    }
    switch (result.outcome) {
      case MendOutcome::Written:
        Refresh(select);
        return result.outcome;
      case MendOutcome::Confirm:
        if (p.dialogs->MsgBox(result.message, MsgStyle::YesNo + MsgStyle::Question + MsgStyle::DefaultButton2,
                              kProductName) != MsgResult::Yes)
          return result.outcome;
        confirmed = true;
        continue;
      case MendOutcome::Stale:
        p.dialogs->MsgBox(kStaleStretchMessage, MsgStyle::OkOnly + MsgStyle::Exclamation, kProductName);
        Refresh();
        return result.outcome;
      case MendOutcome::Refused:
      case MendOutcome::Failed:
        p.dialogs->MsgBox(result.message, MsgStyle::OkOnly + MsgStyle::Exclamation, kProductName);
        return result.outcome;
    }
  }
}

void frmTimeline::Move(const Block& block, const DateTime& start, const DateTime& end) {
  Mend([&](const MendPlace& place, bool confirmed) { return MoveBlock(place, block, start, end, confirmed); },
       MomentOf(start));
}

void frmTimeline::Delete(const Block& block) {
  Platform& p = platform();
  if (block.running) {
    p.dialogs->MsgBox(kRunningNotDeleted, MsgStyle::OkOnly + MsgStyle::Exclamation, kProductName);
    return;
  }
  // A key pressed by mistake would lose a stretch: the question names it.
  std::string name = block.project + ", " + SpanText(User(), block.from, block.to, true);
  if (!block.comment.empty()) name += ", " + block.comment;
  if (p.dialogs->MsgBox("Delete this stretch?\n\n" + name, MsgStyle::YesNo + MsgStyle::Question + MsgStyle::DefaultButton2,
                        "Delete Stretch") != MsgResult::Yes)
    return;
  Mend([&](const MendPlace& place, bool) { return DeleteBlock(place, block); }, block.from);
}

void frmTimeline::Edit(const Block& block) {
  Platform& p = platform();
  if (!block.stored) {
    p.dialogs->MsgBox("The running stretch is changed in the main window. Here its start can be dragged, or moved "
                      "with Alt+Up and Alt+Down and saved with Enter.",
                      MsgStyle::OkOnly + MsgStyle::Information, kProductName);
    return;
  }
  const StoredStretch stored = *block.stored;
  const RecordFields f = stored.fields();
  frmReportEdit editor(this);
  editor.Fill(EntryTexts{std::string(f.project), std::string(f.start), std::string(f.end), std::string(f.comment)});
  editor.SetTarget({*stored.format, [&](EntryAction action, const EntryTexts& entry) {
                      MendOutcome outcome;
                      if (action == EntryAction::Update) {
                        const auto start = stored.format->Parse(entry.start);
                        outcome = Mend([&](const MendPlace& place, bool confirmed) {
                          return ChangeEntry(place, stored, entry, confirmed);
                        }, start ? std::optional(MomentOf(*start)) : std::nullopt);
                      } else {
                        outcome = Mend([&](const MendPlace& place, bool) { return DeleteStretch(place, stored); }, block.from);
                      }
                      // A refusal or an unconfirmed overlap keeps what was typed, to be put right.
                      return outcome == MendOutcome::Written || outcome == MendOutcome::Stale;
                    }});
  editor.exec();
}

void frmTimeline::Add(const DateTime& start, const DateTime& end) {
  const DateFormat form = ReportDateFormat();
  std::vector<std::string> projects;
  for (int i = 0; i < main_.ProjectCount(); ++i) projects.push_back(main_.ProjectAt(i));
  const EntryTexts proposed{ChosenProject(main_), form.FormatGeneral(start), form.FormatGeneral(end), ""};
  frmTimelineAdd add(this, projects, proposed, [&](const EntryTexts& entry) {
    const auto typed = form.Parse(entry.start);
    const MendOutcome outcome = Mend([&](const MendPlace& place, bool confirmed) { return AddStretch(place, entry, confirmed); },
                                     typed ? std::optional(MomentOf(*typed)) : std::nullopt);
    return outcome == MendOutcome::Written || outcome == MendOutcome::Stale;
  });
  add.exec();
}

void frmTimeline::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow() &&
      ReportsStamp(platform().system->DataFolder()) != readStamp_)
    Refresh();
}

void frmTimeline::closeEvent(QCloseEvent* event) {
  Deregister();
  QDialog::closeEvent(event);
}

void frmTimeline::Unload() { close(); }

}  // namespace tw
