#include "summaries/frm_summary.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QHeaderView>
#include <QLocale>
#include <QTimer>
#include <QTreeWidget>
#include <sstream>

#include "platform/platform.h"
#include "desktop/qt_locale.h"
#include "desktop/qt_text.h"
#include "store/folder_reports.h"
#include "state/program_state.h"
#include "summaries/export.h"
#include "viewer/frm_report.h"
#include "summaries/summary_chart.h"
#include "summaries/summary_text.h"
#include "widgets/centring.h"
#include "widgets/controls.h"
#include "widgets/twips.h"

namespace tw {
namespace {

// The window's design, in twips.
constexpr double kClientWidth = 11400, kClientHeight = 7080;
constexpr double kListsWidth = 5400, kTop = 960, kListHeight = 2700, kBottom = 6600;

constexpr const char* kPresetNames[] = {
    QT_TRANSLATE_NOOP("tw::frmSummary", "Today"),      QT_TRANSLATE_NOOP("tw::frmSummary", "This Week"),
    QT_TRANSLATE_NOOP("tw::frmSummary", "Last Week"),  QT_TRANSLATE_NOOP("tw::frmSummary", "This Month"),
    QT_TRANSLATE_NOOP("tw::frmSummary", "Last Month"), QT_TRANSLATE_NOOP("tw::frmSummary", "This Year"),
    QT_TRANSLATE_NOOP("tw::frmSummary", "Custom")};
constexpr const char* kRoundingNames[] = {
    QT_TRANSLATE_NOOP("tw::frmSummary", "None"),       QT_TRANSLATE_NOOP("tw::frmSummary", "1 minute"),
    QT_TRANSLATE_NOOP("tw::frmSummary", "5 minutes"),  QT_TRANSLATE_NOOP("tw::frmSummary", "6 minutes"),
    QT_TRANSLATE_NOOP("tw::frmSummary", "10 minutes"), QT_TRANSLATE_NOOP("tw::frmSummary", "15 minutes"),
    QT_TRANSLATE_NOOP("tw::frmSummary", "30 minutes")};
constexpr const char* kRoundingSetting = "SummaryRounding";

// Dates are shown in the user's form; the report is read in its own (report/report_form.h).
const DateFormat& Format() { return *platform().dateFormat; }

QDate QDateOf(std::int64_t day) {
  const CivilDate d = CivilFromDay(day);
  return QDate(d.year, d.month, d.day);
}

std::int64_t DayOf(const QDate& date) { return DayFromCivil({date.year(), date.month(), date.day()}); }

// A table whose first column takes the room and whose numbers stand right.
QTreeWidget* MakeTable(QWidget* parent, const char* name, const QStringList& headers) {
  QTreeWidget* list = MakeList(parent, name, headers);
  // A plain line of its own: the style's sunken frame loses its right and bottom lines under
  // some display scalings (125 %, 150 %).
  list->setFrameStyle(QFrame::Box | QFrame::Plain);
  QPalette palette = list->palette();
  palette.setColor(QPalette::WindowText, parent->palette().color(QPalette::Window).darker(140));
  list->setPalette(palette);
  list->header()->setSectionResizeMode(0, QHeaderView::Stretch);
  for (int i = 1; i < headers.size(); ++i) {
    list->header()->setSectionResizeMode(i, QHeaderView::ResizeToContents);
    list->headerItem()->setTextAlignment(i, Qt::AlignRight | Qt::AlignVCenter);
  }
  return list;
}

QTreeWidgetItem* MakeRow(const std::vector<std::string>& cells) {
  auto* item = new QTreeWidgetItem;
  for (size_t i = 0; i < cells.size(); ++i) {
    item->setText(static_cast<int>(i), FromBytes(cells[i]));
    if (i > 0) item->setTextAlignment(static_cast<int>(i), Qt::AlignRight | Qt::AlignVCenter);
  }
  return item;
}

}  // namespace

frmSummary::frmSummary(MainView& main, QWidget* parent) : QDialog(parent), main_(main) {
  setObjectName("frmSummary");
  setWindowTitle(tr("Summary"));
  setModal(false);
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  PaintLightYellow(this);
  firstWeekday_ = FirstWeekdayOf(QLocale());
  Build();
  Register();
}

void frmSummary::Build() {
  setFixedSize(TwipsToPixels(kClientWidth), TwipsToPixels(kClientHeight));
  auto label = [&](const char* name, const QString& caption, double left, double top) {
    QLabel* l = MakeLabel(this, name, caption);
    PlaceTwips(l, left, top + 45, 300, 255);
    SizeToText(l);
    return l;
  };
  auto combo = [&](const char* name, const auto& items, double left, double top, double width) {
    auto* box = new QComboBox(this);
    box->setObjectName(name);
    for (const char* item : items) box->addItem(tr(item));
    PlaceTwips(box, left, top, width, 315);
    return box;
  };
  auto dateBox = [&](const char* name, double left) {
    auto* box = new QDateEdit(this);
    box->setObjectName(name);
    box->setCalendarPopup(true);
    std::string pattern = Format().data().shortDate;
    if (pattern.find("yyyy") == std::string::npos)
      if (const size_t y = pattern.find("yy"); y != std::string::npos) pattern.replace(y, 2, "yyyy");
    box->setDisplayFormat(FromBytes(pattern));
    box->setDateRange(QDateOf(kReadableDays.first), QDateOf(kReadableDays.last));
    PlaceTwips(box, left, 120, 1500, 315);
    return box;
  };

  // Each box is named by the label before it.
  QLabel* period = label("lblPeriod", tr("Period:"), 120, 120);
  cboPeriod_ = combo("cboPeriod", kPresetNames, 780, 120, 1440);
  period->setBuddy(cboPeriod_);
  QLabel* from = label("lblFrom", tr("From:"), 2340, 120);
  dtpFrom_ = dateBox("dtpFrom", 2880);
  from->setBuddy(dtpFrom_);
  QLabel* to = label("lblTo", tr("To:"), 4500, 120);
  dtpTo_ = dateBox("dtpTo", 4860);
  to->setBuddy(dtpTo_);
  cmdPrevious_ = MakeButton(this, "cmdPrevious", tr("&Previous"), tr("Show the period before this one"));
  PlaceTwips(cmdPrevious_, 6480, 90, 1035, 375);
  cmdNext_ = MakeButton(this, "cmdNext", tr("&Next"), tr("Show the period after this one"));
  PlaceTwips(cmdNext_, 7560, 90, 1035, 375);
  QLabel* roundingLabel = label("lblRounding", tr("Rounding:"), 8760, 120);
  cboRounding_ = combo("cboRounding", kRoundingNames, 9720, 120, 1560);
  roundingLabel->setBuddy(cboRounding_);
  cboRounding_->setToolTip(tr("Round each stretch to the nearest multiple, halves up, before adding"));

  lblTotal_ = MakeLabel(this, "lblTotal", "");
  PlaceTwips(lblTotal_, 120, 600, kClientWidth - 240, 255);

  lstProjects_ = MakeTable(this, "lstProjects", {tr("Project"), tr("Total"), tr("Hours"), tr("Share"), tr("Stretches")});
  lstProjects_->setAccessibleName(tr("Totals per project"));
  PlaceTwips(lstProjects_, 120, kTop, kListsWidth, kListHeight);
  lstDays_ = MakeTable(this, "lstDays", {tr("Day"), tr("Total"), tr("Hours"), tr("Stretches")});
  lstDays_->setToolTip(tr("Double-click a day to open its daily report"));
  lstDays_->setAccessibleName(tr("Totals per day"));
  lstDays_->setAccessibleDescription(tr("Enter or a double click opens the day's report"));
  PlaceTwips(lstDays_, 120, kTop + kListHeight + 120, kListsWidth, kListHeight);

  chart_ = new SummaryChart(this);
  chart_->setObjectName("chtPeriod");
  chart_->setToolTip(tr("Double-click a day's bar to open its daily report"));
  // A picture of the two tables: a screen reader is sent to them, its text equivalent.
  chart_->setAccessibleName(tr("Chart of the period"));
  chart_->setAccessibleDescription(tr("The same totals as the tables Totals per project and Totals per day"));
  PlaceTwips(chart_, kListsWidth + 240, kTop, kClientWidth - kListsWidth - 360, 2 * kListHeight + 120);

  QLabel* exportLabel = label("lblExport", tr("Export:"), 120, kBottom);
  std::vector<const char*> exportNames;
  for (const ExportForm& form : ExportForms()) exportNames.push_back(form.name);
  cboExport_ = combo("cboExport", exportNames, 780, kBottom + 30, 2160);
  exportLabel->setBuddy(cboExport_);
  cmdCopy_ = MakeButton(this, "cmdCopy", tr("C&opy"), tr("Copy the period to the clipboard in the chosen form"));
  PlaceTwips(cmdCopy_, 3060, kBottom, 1095, 375);
  cmdExport_ = MakeButton(this, "cmdExport", tr("&Export..."), tr("Save the period to a file in the chosen form"));
  PlaceTwips(cmdExport_, 4260, kBottom, 1095, 375);
  cmdClose_ = MakeButton(this, "cmdClose", tr("&Close"), "");
  PlaceTwips(cmdClose_, kClientWidth - 1215, kBottom, 1095, 375);

  // Captions longer in another language push the controls after them along, and the window grows.
  FitCaptions(this);

  const int rounding = WholeSetting(kRoundingSetting, 0, 60);
  for (size_t i = 0; i < std::size(kRoundings); ++i)
    if (kRoundings[i] == rounding) cboRounding_->setCurrentIndex(static_cast<int>(i));

  connect(cboPeriod_, &QComboBox::activated, this, [this](int index) { ChoosePreset(index); });
  connect(dtpFrom_, &QDateEdit::dateChanged, this, [this] { DatesChanged(); });
  connect(dtpTo_, &QDateEdit::dateChanged, this, [this] { DatesChanged(); });
  connect(cmdPrevious_, &QPushButton::clicked, this, [this] { Step(-1); });
  connect(cmdNext_, &QPushButton::clicked, this, [this] { Step(1); });
  connect(cboRounding_, &QComboBox::activated, this, [this](int index) {
    platform().settings->SaveSetting(kProductName, kSettingsSection, kRoundingSetting,
                                     std::to_string(kRoundings[index]));
    Refresh();
  });
  connect(lstDays_, &QTreeWidget::itemDoubleClicked, this,
          [this](QTreeWidgetItem* item) { OpenDay(period_.first + lstDays_->indexOfTopLevelItem(item)); });
  chart_->onBarDoubleClicked = [this](std::size_t bar) {
    if (chart_->data().barsAreDays) OpenDay(period_.first + static_cast<std::int64_t>(bar));
  };
  connect(cmdCopy_, &QPushButton::clicked, this, [this] { Copy(); });
  connect(cmdExport_, &QPushButton::clicked, this, [this] { Export(); });
  connect(cmdClose_, &QPushButton::clicked, this, [this] { close(); });

  // Whoever changes the report (this program, an import, another copy of it), the window follows.
  watcher_ = new QFileSystemWatcher(this);
  connect(watcher_, &QFileSystemWatcher::fileChanged, this, [this] { ReportMayHaveChanged(); });
  connect(watcher_, &QFileSystemWatcher::directoryChanged, this, [this] { ReportMayHaveChanged(); });
}

frmSummary* frmSummary::Open(MainView& main, QWidget* parent) {
  frmSummary* window = Loaded();
  if (!window) {
    window = new frmSummary(main, parent);
    window->ChoosePreset(static_cast<int>(Preset::ThisWeek));
    CenterOnScreen(window);
  }
  window->show();
  window->raise();
  window->activateWindow();
  return window;
}

std::int64_t frmSummary::Today() const { return platform().clock->Now().day; }

void frmSummary::ShowPeriod(const Period& period, PeriodKind kind) {
  period_ = period;
  kind_ = kind;
  const auto preset = PresetNaming(period, Today(), firstWeekday_);
  cboPeriod_->setCurrentIndex(preset ? static_cast<int>(*preset) : static_cast<int>(std::size(kPresets)));
  const QSignalBlocker blockFrom(dtpFrom_), blockTo(dtpTo_);
  dtpFrom_->setDate(QDateOf(period.first));
  dtpTo_->setDate(QDateOf(period.last));
  Refresh();
}

void frmSummary::ChoosePreset(int index) {
  if (index < 0 || index >= static_cast<int>(std::size(kPresets))) return;  // Custom: the dates decide
  const PresetPeriod chosen = PresetOf(kPresets[index], Today(), firstWeekday_);
  ShowPeriod(chosen.period, chosen.kind);
}

void frmSummary::DatesChanged() {
  Period period{DayOf(dtpFrom_->date()), DayOf(dtpTo_->date())};
  // A From after To moves To along, and a To before From moves From.
  if (period.first > period.last) {
    if (sender() == dtpFrom_) period.last = period.first;
    else period.first = period.last;
  }
  ShowPeriod(period, PeriodKind::Custom);
}

void frmSummary::Step(int steps) {
  const Period next = Stepped(period_, kind_, steps);
  if (WithinReadableYears(next)) ShowPeriod(next, kind_);
}

void frmSummary::Refresh() {
  const std::string folder = platform().system->DataFolder();
  const int rounding = kRoundings[std::max(0, cboRounding_->currentIndex())];
  readStamp_ = ReportsStamp(folder);  // taken first: a change while reading is read again
  shown_ = ReadShownSummary(*platform().files, DataFolderReports(), period_, rounding);
  FillTables();
  chart_->SetData(ChartOf(shown_.summary, Format()));
  WatchReport();
}

void frmSummary::FillTables() {
  const DateFormat& format = Format();
  const Summary& s = shown_.summary;
  lblTotal_->setText(FromBytes(SummarySentence(shown_, format)));
  QList<QTreeWidgetItem*> rows;
  for (const ProjectTotal& p : s.projects) rows.append(MakeRow(ProjectCells(p, s.totalSeconds, format)));
  lstProjects_->clear();
  lstProjects_->addTopLevelItems(rows);
  rows.clear();
  for (const DayTotal& d : s.days) rows.append(MakeRow(DayCells(d, format)));
  lstDays_->clear();
  lstDays_->addTopLevelItems(rows);
  // A list whose columns fit their contents repaints only its current row when its rows are
  // replaced: the rest would go on showing the old ones.
  lstProjects_->viewport()->update();
  lstDays_->viewport()->update();
}

void frmSummary::WatchReport() {
  // The folder, for a report put in place or removed, and each report it holds (in a folder
  // shared by several machines, every machine's), for appends.
  const std::string folder = platform().system->DataFolder();
  QStringList wanted = {QString::fromStdString(folder)};
  for (const std::string& report : ReportPaths(folder)) wanted.append(QString::fromStdString(report));
  if (watcher_->directories() + watcher_->files() == wanted) return;
  if (!watcher_->directories().isEmpty()) watcher_->removePaths(watcher_->directories());
  if (!watcher_->files().isEmpty()) watcher_->removePaths(watcher_->files());
  watcher_->addPaths(wanted);
}

void frmSummary::ReportMayHaveChanged() {
  // One read for a burst of changes; the folder's other files change it too, the report not.
  if (refreshQueued_) return;
  refreshQueued_ = true;
  QTimer::singleShot(0, this, [this] {
    refreshQueued_ = false;
    if (ReportsStamp(platform().system->DataFolder()) != readStamp_) Refresh();
    else WatchReport();
  });
}

// The daily report at that day, as the report window's own day buttons show one.
void frmSummary::OpenDay(std::int64_t day) {
  Setup::DisplayDate = DateTime{day, 0};
  Setup::ShowReport(main_, ReportWindows(), Setup::DisplayDate);
}

std::string frmSummary::ExportText() {
  const ExportForm& form = ExportForms()[std::max(0, cboExport_->currentIndex())];
  // A form that lists every stretch reads the report again for them.
  std::vector<SummaryEntry> entries;
  ShownSummary shown = shown_;
  if (form.entries)
    shown = ReadShownSummary(*platform().files, DataFolderReports(), period_, shown_.summary.roundMinutes,
                             [&](const SummaryEntry& e) { entries.push_back(e); });
  if (shown.failed) {
    platform().dialogs->MsgBox(shown.problem, MsgStyle::OkOnly + MsgStyle::Exclamation, kProductName);
    return "";
  }
  std::ostringstream out;
  form.write(shown.summary, entries, out);
  return out.str();
}

void frmSummary::Copy() {
  const std::string text = ExportText();
  if (!text.empty()) QApplication::clipboard()->setText(FromBytes(text));
}

void frmSummary::Export() {
  const ExportForm& form = ExportForms()[std::max(0, cboExport_->currentIndex())];
  const QString name = QString("summary %1 to %2.%3")
                           .arg(QString::fromStdString(IsoDate(period_.first)),
                                QString::fromStdString(IsoDate(period_.last)), form.extension);
  const QString suggested = QDir::home().filePath(name);
  const QString target = askSavePath ? askSavePath(this, suggested, form.filter)
                                     : QFileDialog::getSaveFileName(this, tr("Export Summary"), suggested, tr(form.filter));
  if (target.isEmpty()) return;
  const std::string path = ToBytes(target);
  const std::string text = ExportText();
  if (text.empty()) return;
  try {
    platform().files->Replace(path, path + ".tmp", WithCrLf(text));
  } catch (const RunError& e) {
    platform().dialogs->MsgBox(ToBytes(tr("The summary could not be saved in %1: %2").arg(FromBytes(path), FromBytes(e.description()))),
                               MsgStyle::OkOnly + MsgStyle::Exclamation, kProductName);
  }
}

void frmSummary::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  // Back in front after the report changed (a stretch ended, an entry edited): read it again.
  if (event->type() == QEvent::ActivationChange && isActiveWindow() &&
      ReportsStamp(platform().system->DataFolder()) != readStamp_)
    Refresh();
}

void frmSummary::closeEvent(QCloseEvent* event) {
  Deregister();
  QDialog::closeEvent(event);
}

void frmSummary::Unload() { close(); }

}  // namespace tw
