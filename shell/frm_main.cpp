#include "shell/frm_main.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QCursor>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>
#include <QWindow>

#include "desktop/qt_dialogs.h"
#include "desktop/qt_text.h"
#include "import/frm_import.h"
#include "platform/platform.h"
#include "preferences/frm_preferences.h"
#include "preferences/sharing.h"
#include "projects/frm_project_list.h"
#include "projects/frm_project_settings.h"
#include "projects/project_list.h"
#include "projects/update_projects.h"
#include "report/report_form.h"
#include "viewer/report_menu.h"
#include "shell/frm_about.h"
#include "shell/help.h"
#include "shell/lifecycle.h"
#include "shell/options.h"
#include "shell/tray.h"
#include "state/program_state.h"
#include "summaries/frm_summary.h"
#include "timeline/frm_timeline.h"
#include "tracking/running.h"
#include "viewer/frm_report.h"
#include "widgets/controls.h"
#include "widgets/program_icon.h"
#include "widgets/readable_label.h"
#include "widgets/twips.h"

namespace tw {
namespace {

QAction* MakeItem(QMenu* menu, const char* name, const QString& caption) {
  QAction* action = menu->addAction(caption);
  action->setObjectName(name);
  return action;
}

}  // namespace

void CommentBox::insertFromMimeData(const QMimeData* source) {
  if (!source || !source->hasText()) return QPlainTextEdit::insertFromMimeData(source);
  // Counted as the box counts: what stays after the paste replaces the selection.
  const QTextCursor at = textCursor();
  const qsizetype stays = document()->characterCount() - 1 - (at.selectionEnd() - at.selectionStart());
  const qsizetype room = std::max<qsizetype>(0, kMaxCommentChars - stays);
  QString text = source->text();
  if (text.size() <= room) return QPlainTextEdit::insertFromMimeData(source);
  const qsizetype pasted = text.size();
  text.truncate(room);
  // A pair of UTF-16 units is never cut in two.
  if (!text.isEmpty() && text.back().isHighSurrogate()) text.chop(1);
  insertPlainText(text);
  if (cut) cut(text.size(), pasted);
}

frmMain::frmMain() : tracker_(std::make_unique<TrackerModel>()) {
  setObjectName("frmMain");
  setWindowTitle(kProductName);
  // A sizable frame with a minimize button and no maximize button.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  programIcon_ = ProgramIcon();
  setWindowIcon(programIcon_);
  outer_ = new KeptOuter(this);
  BuildControls();
  BuildMenus();
  subscription_ = tracker_->Subscribe([this](unsigned parts) { ShowTracker(parts); });
  tracker_->SetHost({[this] {
                       if (unloading_) throw ControlError(kShuttingDown, "Tallywright is ending");
                       // The boxes behind a dialog never change: the user answers it first.
                       if (QApplication::activeModalWidget())
                         throw ControlError(kBusy, "Tallywright is waiting for an answer in one of its windows");
                     },
                     [this] { ComeForward(); }});
  // Captions longer in another language made the controls need more room than the design: the
  // window is never made smaller than they need.
  if (!centralWidget()->minimumSize().isNull()) setMinimumSize(minimumSizeHint());
  Register();
  MainFormLoad(*this);
  cmdStartProject_->setFocus();
  // The program's questions stand over this window, also while it comes back from hiding.
  if (auto* dialogs = dynamic_cast<QtDialogs*>(platform().dialogs)) dialogs->SetOwnerWindow(this);
}

void frmMain::BuildControls() {
  auto* client = new QWidget(this);
  client->setObjectName("client");
  PaintLightYellow(client);
  PaintLightYellow(this);
  client->setMinimumSize(0, 0);
  setCentralWidget(client);

  cmdStartProject_ = MakeButton(client, "cmdStartProject", tr("Start Project"), tr("Start tracking your project"));
  PlaceTwips(cmdStartProject_, 2280, 240, 1215, 375);
  txtStartProject_ = new QLineEdit(client);
  txtStartProject_->setObjectName("txtStartProject");
  txtStartProject_->installEventFilter(this);
  PlaceTwips(txtStartProject_, 120, 240, 2055, 285);
  cmdEndProject_ = MakeButton(client, "cmdEndProject", tr("EndProject"), tr("End the tracking of your project"));
  PlaceTwips(cmdEndProject_, 2280, 840, 1215, 375);
  txtEndProject_ = new QLineEdit(client);
  txtEndProject_->setObjectName("txtEndProject");
  txtEndProject_->installEventFilter(this);
  RefreshTimeBoxTips();
  PlaceTwips(txtEndProject_, 120, 840, 2055, 285);
  cboProjects_ = new QComboBox(client);
  cboProjects_->setObjectName("cboProjects");
  cboProjects_->setEditable(true);
  cboProjects_->setInsertPolicy(QComboBox::NoInsert);
  cboProjects_->setCompleter(nullptr);
  PlaceTwips(cboProjects_, 120, 2280, 2055, 315);
  txtComments_ = new CommentBox(client);
  txtComments_->setObjectName("txtComments");
  txtComments_->setToolTip(tr("Comments about your project"));
  txtComments_->setTabChangesFocus(true);
  PlaceTwips(txtComments_, 2280, 1560, 2295, 1095);
  lblTimeCalc_ = MakeLabel(client, "lblTimeCalc", "");
  PlaceTwips(lblTimeCalc_, 120, 1560, 2055, 255);
  cmdUpdateProjects_ = MakeButton(client, "cmdUpdateProjects", tr("Update Projects"), tr("Update/Add to your project list"));
  PlaceTwips(cmdUpdateProjects_, 3600, 240, 975, 975);
  lblProjectList_ = MakeLabel(client, "lblProjectList", tr("Your Project List:"));
  PlaceTwips(lblProjectList_, 120, 2040, 1215, 255);
  lblComments_ = MakeLabel(client, "lblComments", tr("Comment about Project:"));
  PlaceTwips(lblComments_, 2280, 1320, 1935, 255);
  lblTotalTime_ = MakeLabel(client, "lblTotalTime", tr("Time on project:"));
  PlaceTwips(lblTotalTime_, 120, 1320, 1215, 255);
  // Holds the program's icon, the picture the notification icon shows; never shown itself.
  picIcon_ = new QLabel(client);
  picIcon_->setObjectName("picIcon");
  picIcon_->setPixmap(ProgramPicture());
  PlaceTwips(picIcon_, 1800, 1560, 495, 495);
  picIcon_->hide();

  // Named for screen readers: the boxes by what they hold (the start and end boxes' tips say their
  // form), the project box by its label and never by the project it shows, the elapsed time by its
  // label. The elapsed time changes every second without a word: it is read when asked for.
  txtStartProject_->setAccessibleName(tr("Start time"));
  txtEndProject_->setAccessibleName(tr("End time"));
  cboProjects_->setAccessibleName(tr("Project"));
  cboProjects_->lineEdit()->setAccessibleName(tr("Project"));  // focused itself when typed in
  lblProjectList_->setBuddy(cboProjects_);
  txtComments_->setAccessibleName(tr("Comment"));
  lblComments_->setBuddy(txtComments_);
  MakeReadable(lblTimeCalc_);  // before its name, which makes its interface where one is listening
  lblTimeCalc_->setAccessibleName(tr("Time on project"));
  FitCaptions(client);
  // Labels lie beneath the boxes they touch, so a box's border is never covered.
  for (QLabel* label : {lblTimeCalc_, lblProjectList_, lblComments_, lblTotalTime_}) label->lower();

  QWidget* order[] = {cmdStartProject_, txtStartProject_, cmdEndProject_, txtEndProject_,
                      cboProjects_,     txtComments_,     cmdUpdateProjects_};
  for (size_t i = 0; i + 1 < std::size(order); ++i) QWidget::setTabOrder(order[i], order[i + 1]);

  sbStatusBar_ = new QStatusBar(this);
  sbStatusBar_->setObjectName("sbStatusBar");
  sbStatusBar_->setSizeGripEnabled(true);
  sbStatusBar_->setFixedHeight(TwipsToPixels(270) + 2);
  statusPanel_ = new QLabel(FromBytes(tracker_->StatusText()), sbStatusBar_);
  statusPanel_->setAccessibleName(tr("Status"));
  statusPanel_->setObjectName("sbStatusBar.Panel1");
  datePanel_ = new QLabel(sbStatusBar_);
  datePanel_->setObjectName("sbStatusBar.Panel2");
  timePanel_ = new QLabel(sbStatusBar_);
  timePanel_->setObjectName("sbStatusBar.Panel3");
  // Named, so that the clock's change every second is not announced as a new name.
  datePanel_->setAccessibleName(tr("Date"));
  timePanel_->setAccessibleName(tr("Time"));
  sbStatusBar_->addWidget(statusPanel_, 1);
  elsewherePanel_ = new ElidedPanel(sbStatusBar_);
  elsewherePanel_->setObjectName("sbStatusBar.Elsewhere");
  elsewherePanel_->hide();
  sbStatusBar_->addWidget(elsewherePanel_, 10);
  savePanel_ = new ElidedPanel(sbStatusBar_);
  savePanel_->setObjectName("sbStatusBar.SaveProblem");
  savePanel_->hide();
  sbStatusBar_->addWidget(savePanel_, 10);
  sbStatusBar_->addPermanentWidget(datePanel_);
  sbStatusBar_->addPermanentWidget(timePanel_);
  setStatusBar(sbStatusBar_);
  clock_ = new QTimer(this);
  connect(clock_, &QTimer::timeout, this, [this] { RefreshClockPanels(); });
  RefreshClockPanels();

  // The presses and the edits go to the tracker; what it then holds comes back through ShowTracker.
  connect(cmdStartProject_, &QPushButton::clicked, this, [this] { tracker_->PressStart(); });
  connect(cmdEndProject_, &QPushButton::clicked, this, [this] { tracker_->PressEnd(); });
  connect(cmdUpdateProjects_, &QPushButton::clicked, this, [this] { UpdateProjects(*this, ShowProjectListEditor); });
  connect(txtStartProject_, &QLineEdit::textEdited, this, [this](const QString& t) { tracker_->EditStart(ToBytes(t)); });
  connect(txtEndProject_, &QLineEdit::textEdited, this, [this](const QString& t) { tracker_->EditEnd(ToBytes(t)); });
  connect(cboProjects_->lineEdit(), &QLineEdit::textEdited, this,
          [this](const QString& t) { tracker_->TypeProject(ToBytes(t)); });
  connect(cboProjects_, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (!showing_ && index >= 0) tracker_->ChooseEntry(index);
  });
  connect(cboProjects_, &QComboBox::activated, this, [this](int index) {
    if (!showing_ && index >= 0) tracker_->ChooseEntry(index);
  });
  cboProjects_->lineEdit()->setMaxLength(kMaxProjectChars);
  txtComments_->cut = [this](qsizetype kept, qsizetype pasted) {
    tracker_->SetStatusText(ToBytes(tr("The pasted text was cut to %1 of its %2 characters: a comment holds %3")
                                        .arg(kept)
                                        .arg(pasted)
                                        .arg(kMaxCommentChars)));
  };
  connect(txtComments_, &QPlainTextEdit::textChanged, this, [this] {
    if (showing_) return;
    if (txtComments_->document()->characterCount() - 1 > kMaxCommentChars) {
      QTextCursor cut(txtComments_->document());
      cut.setPosition(kMaxCommentChars);
      cut.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
      cut.removeSelectedText();
      return;  // the cut is a change of its own
    }
    tracker_->EditComment(ToBytes(txtComments_->toPlainText()));
  });
  cboProjects_->installEventFilter(this);
  connect(this, &frmMain::TrackingChanged, this, [this] { PaceTimers(); });
  const auto save = [this] { SaveRunning(*this, LeftAt()); };
  // Hidden in the notification area, the program wakes for nothing but this minute's look while a
  // stretch runs: the save, time away and the shared folder ride it.
  lastSeen_ = new QTimer(this);
  connect(lastSeen_, &QTimer::timeout, this, [this, save] {
    save();
    LookForAway();
    if (!sharedLook_->isActive()) LookAtSharedFolder();
  });

  // On screen, the other machines' stretches are looked at every half minute, and at once when
  // the window comes back.
  sharedLook_ = new QTimer(this);
  connect(sharedLook_, &QTimer::timeout, this, [this] { LookAtSharedFolder(); });
  QTimer::singleShot(0, this, [this] { LookAtSharedFolder(); });

  // Another process held the data folder at start-up (tallywright-ctl at work on it, say): the
  // claim is tried again until this copy owns it.
  claimAgain_ = new QTimer(this);
  connect(claimAgain_, &QTimer::timeout, this, [this] {
    if (tracker_->OwnsFolder() || unloading_) return claimAgain_->stop();
    if (!QApplication::activeModalWidget() && tracker_->TryClaim()) {
      claimAgain_->stop();
      emit BecameOwner();
    }
  });
  awayPoll_ = new QTimer(this);
  awayPoll_->setSingleShot(true);
  connect(awayPoll_, &QTimer::timeout, this, [this] { LookForAway(); });
  PaceTimers();
}

void frmMain::PaceTimers() {
  if (!clock_ || !awayPoll_) return;  // still being built
  const bool onScreen = isVisible() && !isMinimized();
  if (onScreen && !clock_->isActive()) {
    RefreshClockPanels();
    clock_->start(1000);
  } else if (!onScreen && clock_->isActive()) {
    clock_->stop();
  }
  if (onScreen && !sharedLook_->isActive()) {
    sharedLook_->start(30 * 1000);
    QTimer::singleShot(0, this, [this] { LookAtSharedFolder(); });
  } else if (!onScreen && sharedLook_->isActive()) {
    sharedLook_->stop();
  }
  const bool running = IsRunning(*this);
  // The running stretch's last-seen moment, about once a minute.
  if (running != lastSeen_->isActive()) {
    if (running) {
      // A sleep from before the stretch is taken now, so that the first look does not count it;
      // the look after it learns the idle time.
      tracker_->awayWatch().Poll(platform().clock->UnixNow(), std::nullopt, 0);
      lastSeen_->start(60 * 1000);
      awayPoll_->start(0);
    } else {
      lastSeen_->stop();
      awayPoll_->stop();
    }
  }
}

bool frmMain::event(QEvent* event) {
  const bool handled = QMainWindow::event(event);
  if (event->type() == QEvent::Show || event->type() == QEvent::Hide) PaceTimers();
  return handled;
}

ElidedPanel::ElidedPanel(QWidget* parent) : QLabel(parent) {
  setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
}

void ElidedPanel::SetFullText(const QString& text) {
  full_ = text;
  setToolTip(text);
  setText(fontMetrics().elidedText(full_, Qt::ElideRight, contentsRect().width()));
}

void ElidedPanel::resizeEvent(QResizeEvent* event) {
  QLabel::resizeEvent(event);
  setText(fontMetrics().elidedText(full_, Qt::ElideRight, contentsRect().width()));
}

void frmMain::LookAtSharedFolder() {
  if (unloading_) return;
  // A data folder deleted and made again at its path is another folder: it is claimed anew.
  if (!QApplication::activeModalWidget()) tracker_->FollowDataFolder();
  const std::string text = OtherMachinesStatus();
  elsewherePanel_->SetFullText(FromBytes(text));
  elsewherePanel_->setVisible(!text.empty());
  if (!QApplication::activeModalWidget()) CheckSharedFolder(*this);
}

void frmMain::WatchAbsences(std::unique_ptr<AwayWatch> watch) {
  tracker_->WatchAbsences(std::move(watch));
  // Told of the person's return (input after time away, an unlock, a wake): the question comes then.
  tracker_->awayWatch().OnMayBeBack([this] { LookForAway(); });
}

void frmMain::LookForAway() {
  tracker_->LookForAway();
  // The next look: where the idle time says it can tell something before the minute's look does.
  const std::optional<std::int64_t> next =
      tracker_->awayWatch().NextLook(platform().clock->UnixNow(), IdleMinutes() * 60);
  if (next && lastSeen_->isActive() && *next * 1000 < lastSeen_->remainingTime())
    awayPoll_->start(static_cast<int>(*next * 1000));
  else
    awayPoll_->stop();
}

void frmMain::BuildMenus() {
  QMenuBar* bar = menuBar();
  mnuOptions_ = bar->addMenu(tr("&Option"));
  mnuOptions_->setObjectName("mnuOptions");
  mnuOptionsStatusBar_ = MakeItem(mnuOptions_, "mnuOptionsStatusBar", tr("Status &Bar"));
  mnuOptionsStatusBar_->setCheckable(true);
  mnuOptionsStatusBar_->setChecked(true);
  QAction* center = MakeItem(mnuOptions_, "mnuOptionsCenterApp", tr("&Center App"));
  QAction* clear = MakeItem(mnuOptions_, "mnuOptionClearScreen", tr("Clear &Screen"));
  QAction* preferences = MakeItem(mnuOptions_, "mnuOptionsPreferences", tr("&Preferences..."));
  mnuOptions_->addSeparator()->setObjectName("mnuViewBar0");
  QAction* exitItem = MakeItem(mnuOptions_, "mnuOptionsExit", tr("E&xit"));

  QMenu* report = bar->addMenu(tr("&Report"));
  report->setObjectName("mnuReport");
  QAction* viewReport = MakeItem(report, "mnuReportViewReport", tr("&View Report"));
  QAction* clearReport = MakeItem(report, "mnuReportClearReport", tr("&Clear Report"));
  report->addSeparator()->setObjectName("mnuViewsep3");
  QAction* restoreReport = MakeItem(report, "mnuReportRestoreReport", tr("&Restore Report"));
  report->addSeparator()->setObjectName("mnuReportBar1");
  QAction* summary = MakeItem(report, "mnuReportSummary", tr("&Summary..."));
  connect(summary, &QAction::triggered, this, [this] { frmSummary::Open(*this, this); });
  QAction* import = MakeItem(report, "mnuReportImport", tr("&Import..."));
  connect(import, &QAction::triggered, this, [this] { frmImport::Open(*this, this); });
  QAction* timeline = MakeItem(report, "mnuReportTimeline", tr("&Timeline..."));
  connect(timeline, &QAction::triggered, this, [this] { frmTimeline::Open(*this, this); });
  QAction* rates = MakeItem(report, "mnuReportRates", tr("R&ates..."));
  connect(rates, &QAction::triggered, this, [this] { frmProjectSettings::ShowModal(this, ChosenProject(*this), ProjectEntries(*this)); });
  connect(viewReport, &QAction::triggered, this, [this] { Setup::ShowReport(*this, ReportWindows(), Setup::DisplayDate); });
  connect(clearReport, &QAction::triggered, this, [] { ClearReport(); });
  connect(restoreReport, &QAction::triggered, this, [] { RestoreReport(); });

  QMenu* help = bar->addMenu(tr("&Help"));
  help->setObjectName("mnuHelp");
  QAction* contents = MakeItem(help, "mnuHelpContents", tr("&Contents"));
  QAction* search = MakeItem(help, "mnuHelpSearchForHelpOn", tr("&Search For Help On..."));
  help->addSeparator()->setObjectName("mnuHelpBar0");
  QAction* about = MakeItem(help, "mnuHelpAbout", tr("&About "));
  connect(contents, &QAction::triggered, this, [this] {
    ShowHelp(ToBytes(windowTitle()), HelpFileSetting(), HelpPage::Contents);
  });
  connect(search, &QAction::triggered, this, [this] {
    ShowHelp(ToBytes(windowTitle()), HelpFileSetting(), HelpPage::Search);
  });
  connect(about, &QAction::triggered, this, [] { frmAbout::ShowAbout(); });

  // The check mark is set by hand, after the bar is shown or hidden.
  connect(mnuOptionsStatusBar_, &QAction::triggered, this, [this] {
    const bool shown = !sbStatusBar_->isHidden();
    if (shown) {
      sbStatusBar_->hide();
      mnuOptionsStatusBar_->setChecked(false);
    } else {
      sbStatusBar_->show();
      mnuOptionsStatusBar_->setChecked(true);
    }
  });
  connect(center, &QAction::triggered, this, [this] {
    CenterApp(*this, platform().system->ScreenWidthTwips(), platform().system->ScreenHeightTwips());
  });
  connect(clear, &QAction::triggered, this, [this] { tracker_->ClearScreen(); });
  connect(preferences, &QAction::triggered, this, [this] {
    const std::string reminders = platform().shell->BalloonsThrough();
    frmPreferences::ShowModal(tracker_->awayWatch().Describe() + " Reminders through: " +
                              (reminders.empty() ? "nothing on this desktop shows them" : reminders) + ".",
                              this);
  });
  connect(exitItem, &QAction::triggered, this, [this] {
    close();
    platform().system->EndProcess(0);
  });
}

void frmMain::RefreshClockPanels() {
  const DateTime now = platform().clock->Now();
  const QString date = FromBytes(platform().dateFormat->FormatDate(now));
  const QString time = FromBytes(platform().dateFormat->FormatShortTime(now));
  if (datePanel_->text() != date) datePanel_->setText(date);
  if (timePanel_->text() != time) timePanel_->setText(time);
  // Crash protection that failed is said until a save succeeds.
  const QString problem = FromBytes(RunningSaveProblem());
  if (problem != savePanel_->toolTip()) {
    savePanel_->SetFullText(problem);
    savePanel_->setVisible(!problem.isEmpty());
  }
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
  if ((watched == txtStartProject_ || watched == txtEndProject_) && event->type() == QEvent::ToolTip)
    RefreshTimeBoxTips();
  if (watched == cboProjects_ && event->type() == QEvent::FocusOut) {
    // The remembered project is the box's position when it loses the focus.
    Setup::RememberProject(*this);
  }
  return QMainWindow::eventFilter(watched, event);
}

// The boxes are read and written in the report's own form, whatever the locale says: their tips
// name it as it stands when they show.
void frmMain::RefreshTimeBoxTips() {
  txtStartProject_->setToolTip(FromBytes(TimeBoxTip(ToBytes(tr("Start Time")))));
  txtStartProject_->setAccessibleDescription(txtStartProject_->toolTip());
  txtEndProject_->setToolTip(FromBytes(TimeBoxTip(ToBytes(tr("End Time")))));
  txtEndProject_->setAccessibleDescription(txtEndProject_->toolTip());
}

void frmMain::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() == QEvent::WindowStateChange) {
    MainFormResize(*this);
    PaceTimers();
  }
}

QRect frmMain::Outer() const { return outer_->Outer(); }
void frmMain::SetOuter(const QRect& outer) { outer_->SetOuter(outer); }

void frmMain::Shutdown(std::optional<std::int64_t> leftAt) {
  unloading_ = true;
  MainFormUnload(*this, LoadedForms(), Setup::NotifyIconRecord, leftAt);
}

void frmMain::closeEvent(QCloseEvent* event) {
  if (!unloading_) {
    Shutdown();
    // The shutdown ends the process itself; where it left early (no report to back up), the
    // program ends here, as closing the main window cannot be refused.
    QCoreApplication::quit();
  }
  event->accept();
}

void frmMain::EndNow() {
  if (unloading_) return;
  // A logout or shutdown while the person is away leaves the time away to be asked about.
  Shutdown(LeftAt());
  // Also where the shutdown left early: the process ends here, at once, whatever modal window
  // was waiting when the request came.
  platform().system->EndProcess(0);
}

void frmMain::Unload() { close(); }

void EndProgramNow() {
  if (frmMain* main = frmMain::Loaded())
    main->EndNow();
  else
    platform().system->EndProcess(0);
}

void SaveRunningNow() {
  if (frmMain* main = frmMain::Loaded()) SaveRunning(*main, main->LeftAt());
  WaitForRunningFile();
}

frmMain::~frmMain() { tracker_->Unsubscribe(subscription_); }

// --- the tracker shown -----------------------------------------------------------------------------

void frmMain::ShowTracker(unsigned parts) {
  const TrackerModel& t = *tracker_;
  const bool was = std::exchange(showing_, true);
  if (parts & TrackerModel::kStart) {
    const QString text = FromBytes(t.StartText());
    if (txtStartProject_->text() != text) txtStartProject_->setText(text);
  }
  if (parts & TrackerModel::kEnd) {
    const QString text = FromBytes(t.EndText());
    if (txtEndProject_->text() != text) txtEndProject_->setText(text);
  }
  if ((parts & TrackerModel::kComment) && ToBytes(txtComments_->toPlainText()) != t.Comments())
    txtComments_->setPlainText(FromBytes(t.Comments()));
  if (parts & TrackerModel::kElapsed) lblTimeCalc_->setText(FromBytes(t.TimeCalc()));
  if (parts & TrackerModel::kProjectList) {
    QStringList items;
    items.reserve(static_cast<qsizetype>(t.ProjectList().size()));
    for (const std::string& name : t.ProjectList()) items.append(FromBytes(name));
    cboProjects_->clear();
    cboProjects_->addItems(items);
    parts |= TrackerModel::kProject;
  }
  if (parts & TrackerModel::kProject) {
    // A typed name leaves the list's position alone, so the cursor stays where the person types.
    if (t.ProjectIndex() >= 0 && cboProjects_->currentIndex() != t.ProjectIndex())
      cboProjects_->setCurrentIndex(t.ProjectIndex());
    else if (t.ProjectIndex() < 0 && t.ProjectText().empty() && cboProjects_->currentIndex() >= 0)
      cboProjects_->setCurrentIndex(-1);
    const QString text = FromBytes(t.ProjectText());
    if (cboProjects_->currentText() != text) cboProjects_->setEditText(text);
  }
  if (parts & TrackerModel::kStatus) statusPanel_->setText(FromBytes(t.StatusText()));
  showing_ = was;
  if (parts & (TrackerModel::kStart | TrackerModel::kEnd | TrackerModel::kComment | TrackerModel::kProject))
    emit TrackingChanged();
  if ((parts & TrackerModel::kOwner) && claimAgain_) {
    if (t.OwnsFolder())
      claimAgain_->stop();
    else if (!claimAgain_->isActive())
      claimAgain_->start(2000);
  }
}

// --- MainView ----------------------------------------------------------------------------------

double frmMain::Left() const { return PixelsToTwips(Outer().x()); }
double frmMain::Top() const { return PixelsToTwips(Outer().y()); }
double frmMain::Width() const { return PixelsToTwips(Outer().width()); }
double frmMain::Height() const { return PixelsToTwips(Outer().height()); }
void frmMain::SetLeft(double twips) { SetOuter(Outer().translated(TwipsToPixels(twips) - Outer().x(), 0)); }
void frmMain::SetTop(double twips) { SetOuter(Outer().translated(0, TwipsToPixels(twips) - Outer().y())); }

void frmMain::SetWidth(double twips) {
  QRect outer = Outer();
  outer.setWidth(TwipsToPixels(twips));
  SetOuter(outer);
}

void frmMain::SetHeight(double twips) {
  QRect outer = Outer();
  outer.setHeight(TwipsToPixels(twips));
  SetOuter(outer);
}
bool frmMain::IsMinimized() const { return isMinimized(); }

// --- TrayWindow --------------------------------------------------------------------------------

void frmMain::SetNormalState() {
  setWindowState(windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized));
}

void frmMain::SetVisible(bool visible) { setVisible(visible); }
void frmMain::PopupOptionMenu() { mnuOptions_->popup(QCursor::pos()); }
void frmMain::BringToFront() {
  raise();
  activateWindow();
}

void frmMain::ComeForward() {
  if (!isVisible() || isMinimized())
    RestoreWindow(*this);
  else
    BringToFront();
}

}  // namespace tw
