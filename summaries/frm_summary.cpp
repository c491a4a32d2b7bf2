#include "summaries/frm_summary.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateEdit>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QLocale>
#include <QTreeWidget>
#include <sstream>

#include "errors/guard.h"
#include "platform/platform.h"
#include "desktop/qt_text.h"
#include "report/report_files.h"
#include "report/report_form.h"
#include "state/program_state.h"
#include "summaries/export.h"
#include "viewer/frm_report.h"
#include "summaries/summary_chart.h"
#include "widgets/centring.h"
#include "widgets/controls.h"
#include "widgets/twips.h"

namespace tw {
namespace {

// The window's design, in twips.
constexpr double kClientWidth = 11400, kClientHeight = 7080;
constexpr double kListsWidth = 5400, kTop = 960, kListHeight = 2700, kBottom = 6600;

constexpr const char* kPresetNames[] = {"Today", "This Week", "Last Week", "This Month",
                                        "Last Month", "This Year", "Custom"};
constexpr const char* kRoundingNames[] = {"None",       "1 minute",   "5 minutes", "6 minutes",
                                          "10 minutes", "15 minutes", "30 minutes"};
constexpr const char* kExportNames[] = {"CSV, per project", "CSV, per day", "JSON"};
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

// "42.5%" of the period's total.
std::string ShareText(std::int64_t seconds, std::int64_t total) {
  if (total <= 0) return "";
  const std::int64_t tenths = (seconds * 1000 + total / 2) / total;
  return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10) + "%";
}

}  // namespace

frmSummary::frmSummary(MainView& main, QWidget* parent) : QDialog(parent), main_(main) {
  setObjectName("frmSummary");
  setWindowTitle("Summary");
  setModal(false);
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  PaintLightYellow(this);
  // Qt counts Monday 1 .. Sunday 7.
  firstWeekday_ = QLocale().firstDayOfWeek() % 7;
  Build();
  Register();
}

void frmSummary::Build() {
  setFixedSize(TwipsToPixels(kClientWidth), TwipsToPixels(kClientHeight));
  auto label = [&](const char* name, const char* caption, double left, double top) {
    QLabel* l = MakeLabel(this, name, caption);
    PlaceTwips(l, left, top + 45, 300, 255);
    SizeToText(l);
  };
  auto combo = [&](const char* name, const auto& items, double left, double top, double width) {
    auto* box = new QComboBox(this);
    box->setObjectName(name);
    for (const char* item : items) box->addItem(item);
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
    box->setDateRange(QDate(1900, 1, 1), QDate(2199, 12, 31));
    PlaceTwips(box, left, 120, 1500, 315);
    return box;
  };

  label("lblPeriod", "Period:", 120, 120);
  cboPeriod_ = combo("cboPeriod", kPresetNames, 780, 120, 1440);
  label("lblFrom", "From:", 2340, 120);
  dtpFrom_ = dateBox("dtpFrom", 2880);
  label("lblTo", "To:", 4500, 120);
  dtpTo_ = dateBox("dtpTo", 4860);
  cmdPrevious_ = MakeButton(this, "cmdPrevious", "&Previous", "Show the period before this one");
  PlaceTwips(cmdPrevious_, 6480, 90, 1035, 375);
  cmdNext_ = MakeButton(this, "cmdNext", "&Next", "Show the period after this one");
  PlaceTwips(cmdNext_, 7560, 90, 1035, 375);
  label("lblRounding", "Rounding:", 8760, 120);
  cboRounding_ = combo("cboRounding", kRoundingNames, 9720, 120, 1560);
  cboRounding_->setToolTip("Round each stretch to the nearest multiple, halves up, before adding");

  lblTotal_ = MakeLabel(this, "lblTotal", "");
  PlaceTwips(lblTotal_, 120, 600, kClientWidth - 240, 255);

  lstProjects_ = MakeTable(this, "lstProjects", {"Project", "Total", "Hours", "Share", "Stretches"});
  PlaceTwips(lstProjects_, 120, kTop, kListsWidth, kListHeight);
  lstDays_ = MakeTable(this, "lstDays", {"Day", "Total", "Hours", "Stretches"});
  lstDays_->setToolTip("Double-click a day to open its daily report");
  PlaceTwips(lstDays_, 120, kTop + kListHeight + 120, kListsWidth, kListHeight);

  chart_ = new SummaryChart(this);
  chart_->setObjectName("chtPeriod");
  chart_->setToolTip("Double-click a day's bar to open its daily report");
  PlaceTwips(chart_, kListsWidth + 240, kTop, kClientWidth - kListsWidth - 360, 2 * kListHeight + 120);

  label("lblExport", "Export:", 120, kBottom);
  cboExport_ = combo("cboExport", kExportNames, 780, kBottom + 30, 2160);
  cmdCopy_ = MakeButton(this, "cmdCopy", "C&opy", "Copy the period to the clipboard in the chosen form");
  PlaceTwips(cmdCopy_, 3060, kBottom, 1095, 375);
  cmdExport_ = MakeButton(this, "cmdExport", "&Export...", "Save the period to a file in the chosen form");
  PlaceTwips(cmdExport_, 4260, kBottom, 1095, 375);
  cmdClose_ = MakeButton(this, "cmdClose", "&Close", "");
  PlaceTwips(cmdClose_, kClientWidth - 1215, kBottom, 1095, 375);

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

void frmSummary::Step(int steps) { ShowPeriod(Stepped(period_, kind_, steps), kind_); }

void frmSummary::Refresh() {
  const std::string path = DataFile(kReportFile);
  const int rounding = kRoundings[std::max(0, cboRounding_->currentIndex())];
  Summary summary = EmptySummary(period_, rounding);
  bool missing = false;
  Guard step("frmSummary/Refresh");
  step([&] {
    missing = FileMissing([&] {
      summary = ReadSummary(*platform().files, path, period_, ReportDateFormat(), rounding);
    });
  });
  const QFileInfo file(QString::fromStdString(path));
  readStamp_ = QString::number(file.size()) + "/" + QString::number(file.lastModified().toMSecsSinceEpoch());
  haveReport_ = !missing && !step.failed();
  summary_ = std::move(summary);
  FillTables();
  chart_->SetData(ChartOf(summary_, Format()));
}

void frmSummary::FillTables() {
  const DateFormat& format = Format();
  const Summary& s = summary_;
  std::string total = format.WeekdayName({s.period.first, 0}) + " " + format.FormatDate({s.period.first, 0});
  if (s.period.Days() > 1)
    total += " to " + format.WeekdayName({s.period.last, 0}) + " " + format.FormatDate({s.period.last, 0});
  total += ":  " + format.FormatDuration(s.totalSeconds) + " (" + HoursText(s.totalSeconds) + " hours) in " +
           std::to_string(s.stretches) + (s.stretches == 1 ? " stretch" : " stretches");
  if (!haveReport_) total += ".  There is no report yet.";
  if (s.skippedLines > 0)
    total += ".  " + std::to_string(s.skippedLines) +
             (s.skippedLines == 1 ? " line of the report is not a record and was skipped."
                                  : " lines of the report are not records and were skipped.");
  lblTotal_->setText(FromBytes(total));

  QList<QTreeWidgetItem*> rows;
  for (const ProjectTotal& p : s.projects)
    rows.append(MakeRow({p.project, format.FormatDuration(p.seconds), HoursText(p.seconds),
                         ShareText(p.seconds, s.totalSeconds), std::to_string(p.stretches)}));
  lstProjects_->clear();
  lstProjects_->addTopLevelItems(rows);
  rows.clear();
  for (const DayTotal& d : s.days)
    rows.append(MakeRow({format.data().shortDayNames[Weekday(d.day)] + " " + format.FormatDate({d.day, 0}),
                         format.FormatDuration(d.seconds), HoursText(d.seconds), std::to_string(d.stretches)}));
  lstDays_->clear();
  lstDays_->addTopLevelItems(rows);
}

// The daily report at that day, as the report window's own day buttons show one.
void frmSummary::OpenDay(std::int64_t day) {
  Setup::DisplayDate = DateTime{day, 0};
  Setup::ShowReport(main_, ReportWindows(), Setup::DisplayDate);
}

std::string frmSummary::ExportText() {
  std::ostringstream out;
  const int choice = cboExport_->currentIndex();
  if (choice < 2) {
    WriteTable(summary_, choice == 0 ? SummaryTable::Projects : SummaryTable::Days, true, out);
    return out.str();
  }
  // JSON lists every stretch as well: the report is read again for them.
  std::vector<SummaryEntry> entries;
  Summary summary = summary_;
  Guard step("frmSummary/ExportText");
  step([&] {
    FileMissing([&] {
      summary = ReadSummary(*platform().files, DataFile(kReportFile), period_, ReportDateFormat(),
                            summary_.roundMinutes, [&](const SummaryEntry& e) { entries.push_back(e); });
    });
  });
  WriteJson(summary, entries, out);
  return out.str();
}

void frmSummary::Copy() { QApplication::clipboard()->setText(FromBytes(ExportText())); }

void frmSummary::Export() {
  const bool json = cboExport_->currentIndex() == 2;
  const QString name = QString("summary %1 to %2.%3")
                           .arg(QString::fromStdString(IsoDate(period_.first)),
                                QString::fromStdString(IsoDate(period_.last)), json ? "json" : "csv");
  const QString filter = json ? "JSON files (*.json)" : "CSV files (*.csv)";
  const QString suggested = QDir::home().filePath(name);
  const QString target = askSavePath ? askSavePath(this, suggested, filter)
                                     : QFileDialog::getSaveFileName(this, "Export Summary", suggested, filter);
  if (target.isEmpty()) return;
  const std::string path = ToBytes(target);
  // Files the program writes end their lines with CR LF; the CSV does already.
  std::string text = ExportText();
  if (json)
    for (size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at + 2)) text.insert(at, 1, '\r');
  try {
    platform().files->Replace(path, path + ".tmp", text);
  } catch (const RunError& e) {
    platform().dialogs->MsgBox("The summary could not be saved in " + path + ": " + e.description(),
                               MsgStyle::OkOnly + MsgStyle::Exclamation, kProductName);
  }
}

void frmSummary::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  // Back in front after the report changed (a stretch ended, an entry edited): read it again.
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
    const QFileInfo file(QString::fromStdString(DataFile(kReportFile)));
    const QString stamp = QString::number(file.size()) + "/" + QString::number(file.lastModified().toMSecsSinceEpoch());
    if (stamp != readStamp_) Refresh();
  }
}

void frmSummary::closeEvent(QCloseEvent* event) {
  Deregister();
  QDialog::closeEvent(event);
}

void frmSummary::Unload() { close(); }

}  // namespace tw
