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
#include <QListWidget>
#include <QLocale>
#include <QTimer>
#include <QTreeWidget>
#include <sstream>

#include "billing/rates.h"
#include "billing/tags.h"
#include "billing/work_target.h"
#include "platform/platform.h"
#include "desktop/qt_locale.h"
#include "desktop/qt_text.h"
#include "store/folder_reports.h"
#include "state/program_state.h"
#include "summaries/export.h"
#include "viewer/frm_report.h"
#include "viewer/undo_actions.h"
#include "summaries/summary_chart.h"
#include "summaries/status_figures.h"
#include "summaries/summary_text.h"
#include "widgets/centring.h"
#include "widgets/controls.h"
#include "widgets/twips.h"

namespace tw {
namespace {

// The window's design, in twips: the tables on the left, the chart, the budgets and the filters on
// the right. The tags' table is as wide as the two above it: beside the columns of numbers its
// tags need room to be read whole.
constexpr double kClientWidth = 15000, kClientHeight = 7700;
constexpr double kListsWidth = 6720, kTop = 1620, kListHeight = 1860, kTagsHeight = 1500, kBottom = 7200;
constexpr double kRight = kListsWidth + 240, kLower = kTop + 2 * (kListHeight + 120);
constexpr double kTagsWidth = kListsWidth, kFiltersLeft = 12720;

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

// Dates are shown in the user's form; the report is read in its own (report/report_form.h).
const DateFormat& Format() { return *platform().dateFormat; }
// Hours, shares and amounts are shown with the user's decimal separator.
std::string Separator() { return ToBytes(QString(QLocale().decimalPoint())); }

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
  // Edit > Undo and Redo (Ctrl+Z, Ctrl+Shift+Z) of the record's changes, whichever window made them.
  (new UndoActions(this, [this] { Refresh(); }))->AddMenuBar();
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
  PlaceTwips(lblTotal_, 120, 540, kClientWidth - 240, 255);
  lblMoney_ = MakeLabel(this, "lblMoney", "");
  PlaceTwips(lblMoney_, 120, 810, kClientWidth - 240, 255);
  lblBalance_ = MakeLabel(this, "lblBalance", "");
  lblBalance_->setWordWrap(true);
  lblBalance_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  PlaceTwips(lblBalance_, 120, 1080, kClientWidth - 240, 480);

  const QString amountTip = tr("What is billed; for work not billable alone, in brackets, what it is worth at its rates");
  lstProjects_ = MakeTable(this, "lstProjects", {tr("Project"), tr("Total"), tr("Hours"), tr("Share"), tr("Stretches"), tr("Amount")});
  lstProjects_->headerItem()->setToolTip(5, amountTip);
  lstProjects_->setAccessibleName(tr("Totals per project"));
  PlaceTwips(lstProjects_, 120, kTop, kListsWidth, kListHeight);
  lstDays_ = MakeTable(this, "lstDays", {tr("Day"), tr("Total"), tr("Hours"), tr("Stretches"), tr("Amount")});
  lstDays_->setToolTip(tr("Double-click a day to open its daily report"));
  lstDays_->setAccessibleName(tr("Totals per day"));
  lstDays_->setAccessibleDescription(tr("Enter or a double click opens the day's report"));
  PlaceTwips(lstDays_, 120, kTop + kListHeight + 120, kListsWidth, kListHeight);
  lstTags_ = MakeTable(this, "lstTags", {tr("Tag"), tr("Total"), tr("Hours"), tr("Stretches"), tr("Amount")});
  lstTags_->setToolTip(tr("A stretch counts under each of its tags (#words of its comment)"));
  lstTags_->setAccessibleName(tr("Totals per tag"));
  PlaceTwips(lstTags_, 120, kLower, kTagsWidth, kTagsHeight);

  chart_ = new SummaryChart(this);
  chart_->setObjectName("chtPeriod");
  chart_->setToolTip(tr("Double-click a day's bar to open its daily report"));
  // A picture of the two tables: a screen reader is sent to them, its text equivalent.
  chart_->setAccessibleName(tr("Chart of the period"));
  chart_->setAccessibleDescription(tr("The same totals as the tables Totals per project and Totals per day"));
  PlaceTwips(chart_, kRight, kTop, kClientWidth - kRight - 120, 2 * kListHeight + 120);
  lstBudgets_ = MakeTable(this, "lstBudgets", {tr("Budget"), tr("Used"), tr("Left")});
  lstBudgets_->setToolTip(tr("Each project's budget (Report > Rates... sets them): its whole life, or the month"));
  lstBudgets_->setAccessibleName(tr("Budgets"));
  PlaceTwips(lstBudgets_, kTagsWidth + 240, kLower, kFiltersLeft - kTagsWidth - 360, kTagsHeight);

  QLabel* projectFilter = label("lblProjectFilter", tr("Pro&ject:"), kFiltersLeft, kLower);
  cboProject_ = new QComboBox(this);
  cboProject_->addItem(tr("All projects"));  // the filters' lists are filled with the period; sized now
  projectFilter->setBuddy(cboProject_);
  cboProject_->setObjectName("cboProject");
  cboProject_->setToolTip(tr("Only the stretches of one project"));
  PlaceTwips(cboProject_, kFiltersLeft + 720, kLower, kClientWidth - kFiltersLeft - 840, 315);
  QLabel* tagFilter = label("lblTagFilter", tr("Only ta&gged:"), kFiltersLeft, kLower + 375);
  lstTagFilter_ = new QListWidget(this);
  tagFilter->setBuddy(lstTagFilter_);
  lstTagFilter_->setObjectName("lstTagFilter");
  lstTagFilter_->setToolTip(tr("Only the stretches holding every tag ticked"));
  lstTagFilter_->setAccessibleName(tr("Only tagged"));
  PlaceTwips(lstTagFilter_, kFiltersLeft, kLower + 675, kClientWidth - kFiltersLeft - 120, kTagsHeight - 675);

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

  const int rounding = WholeSetting(kSummaryRoundingKey, 0, 60);
  for (size_t i = 0; i < std::size(kRoundings); ++i)
    if (kRoundings[i] == rounding) cboRounding_->setCurrentIndex(static_cast<int>(i));

  connect(cboPeriod_, &QComboBox::activated, this, [this](int index) { ChoosePreset(index); });
  connect(dtpFrom_, &QDateEdit::dateChanged, this, [this] { DatesChanged(); });
  connect(dtpTo_, &QDateEdit::dateChanged, this, [this] { DatesChanged(); });
  connect(cmdPrevious_, &QPushButton::clicked, this, [this] { Step(-1); });
  connect(cmdNext_, &QPushButton::clicked, this, [this] { Step(1); });
  connect(cboRounding_, &QComboBox::activated, this, [this](int index) {
    platform().settings->SaveSetting(kProductName, kSettingsSection, kSummaryRoundingKey,
                                     std::to_string(kRoundings[index]));
    Refresh();
  });
  connect(lstDays_, &QTreeWidget::itemDoubleClicked, this,
          [this](QTreeWidgetItem* item) { OpenDay(period_.first + lstDays_->indexOfTopLevelItem(item)); });
  chart_->onBarDoubleClicked = [this](std::size_t bar) {
    if (chart_->data().barsAreDays) OpenDay(period_.first + static_cast<std::int64_t>(bar));
  };
  connect(cboProject_, &QComboBox::activated, this, [this] { FiltersChanged(); });
  connect(lstTagFilter_, &QListWidget::itemChanged, this, [this] { FiltersChanged(); });
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

std::string frmSummary::Stamp() const {
  const std::string folder = platform().system->DataFolder();
  std::string stamp = ReportsStamp(folder) + "|" + FilesStamp(RatesPaths(folder));
  for (const char* key : {kWorkTargetKey, kDaysOffKey, kBalanceSinceKey})
    stamp += "|" + platform().settings->GetSetting(kProductName, kSettingsSection, key, "");
  return stamp;
}

void frmSummary::Refresh() {
  const std::string folder = platform().system->DataFolder();
  ask_.roundMinutes = kRoundings[std::max(0, cboRounding_->currentIndex())];
  ask_.today = Today();
  ask_.firstWeekday = firstWeekday_;
  readStamp_ = Stamp();  // taken first: a change while reading is read again
  view_ = ReadSummaryView(*platform().files, DataFolderReports(), folder, platform().settings, period_, ask_);
  FillTables();
  FillFilters();
  chart_->SetData(ChartOf(view_.shown.summary, Format()));
  WatchReport();
}

void frmSummary::FillTables() {
  const DateFormat& format = Format();
  const std::string separator = Separator();
  const Summary& s = view_.shown.summary;
  lblTotal_->setText(FromBytes(SummarySentence(view_.shown, format, separator)));
  lblMoney_->setText(FromBytes(MoneySentence(view_, format, separator)));
  lblBalance_->setText(FromBytes(BalanceSentence(view_, format)));
  const QString amount = s.currency.empty() ? tr("Amount") : tr("Amount (%1)").arg(FromBytes(s.currency));
  const auto fill = [](QTreeWidget* table, const QList<QTreeWidgetItem*>& rows) {
    table->clear();
    table->addTopLevelItems(rows);
    // A list whose columns fit their contents repaints only its current row when its rows are
    // replaced: the rest would go on showing the old ones.
    table->viewport()->update();
  };
  QList<QTreeWidgetItem*> rows;
  for (const ProjectTotal& p : s.projects) rows.append(MakeRow(ProjectCells(p, s.totalSeconds, format, separator)));
  lstProjects_->headerItem()->setText(5, amount);
  fill(lstProjects_, rows);
  rows.clear();
  for (const DayTotal& d : s.days) rows.append(MakeRow(DayCells(d, format, separator)));
  lstDays_->headerItem()->setText(4, amount);
  fill(lstDays_, rows);
  rows.clear();
  for (const TagTotal& t : s.tags) rows.append(MakeRow(TagCells(t, format, separator)));
  lstTags_->headerItem()->setText(4, amount);
  fill(lstTags_, rows);
  rows.clear();
  for (const BudgetRow& b : view_.budgets) rows.append(MakeRow(BudgetCells(b, s.currency, format, separator)));
  fill(lstBudgets_, rows);
}

// The filters' lists: the period's projects and tags, and whatever is chosen even when the period
// holds none of it, so that it can be cleared.
void frmSummary::FillFilters() {
  const QSignalBlocker blockProjects(cboProject_), blockTags(lstTagFilter_);
  std::vector<std::string> projects = view_.allProjects;
  for (const std::string& chosen : ask_.filter.projects)
    if (std::find(projects.begin(), projects.end(), chosen) == projects.end()) projects.push_back(chosen);
  cboProject_->clear();
  cboProject_->addItem(tr("All projects"));
  for (const std::string& project : projects) {
    cboProject_->addItem(FromBytes(project));
    if (!ask_.filter.projects.empty() && ask_.filter.projects.front() == project) cboProject_->setCurrentIndex(cboProject_->count() - 1);
  }
  std::vector<std::string> tags = view_.allTags;
  for (const std::string& ticked : ask_.filter.tags)
    if (std::none_of(tags.begin(), tags.end(), [&](const std::string& t) { return SameTag(t, ticked); })) tags.push_back(ticked);
  lstTagFilter_->clear();
  for (const std::string& tag : tags) {
    auto* item = new QListWidgetItem("#" + FromBytes(tag), lstTagFilter_);
    item->setData(Qt::UserRole, FromBytes(tag));
    const bool ticked = std::any_of(ask_.filter.tags.begin(), ask_.filter.tags.end(),
                                    [&](const std::string& t) { return SameTag(t, tag); });
    item->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
  }
}

void frmSummary::FiltersChanged() {
  ask_.filter.projects.clear();
  if (cboProject_->currentIndex() > 0) ask_.filter.projects.push_back(ToBytes(cboProject_->currentText()));
  ask_.filter.tags.clear();
  for (int i = 0; i < lstTagFilter_->count(); ++i)
    if (lstTagFilter_->item(i)->checkState() == Qt::Checked)
      ask_.filter.tags.push_back(ToBytes(lstTagFilter_->item(i)->data(Qt::UserRole).toString()));
  Refresh();
}

void frmSummary::WatchReport() {
  // The folder, for a report put in place or removed, and each report it holds (in a folder
  // shared by several machines, every machine's), for appends.
  const std::string folder = platform().system->DataFolder();
  QStringList wanted = {QString::fromStdString(folder)};
  for (const std::string& report : ReportPaths(folder)) wanted.append(QString::fromStdString(report));
  for (const std::string& rates : RatesPaths(folder)) wanted.append(QString::fromStdString(rates));
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
    if (Stamp() != readStamp_) Refresh();
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
  ShownSummary shown = view_.shown;
  if (form.entries)
    shown = ReadShownSummary(*platform().files, DataFolderReports(), period_, AskOf(view_, ask_),
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
  if (event->type() == QEvent::ActivationChange && isActiveWindow() && Stamp() != readStamp_) Refresh();
}

void frmSummary::closeEvent(QCloseEvent* event) {
  Deregister();
  QDialog::closeEvent(event);
}

void frmSummary::Unload() { close(); }

}  // namespace tw
