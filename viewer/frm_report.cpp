#include "viewer/frm_report.h"

#include <QEvent>
#include <QFont>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPolygonF>
#include <QPushButton>
#include <QTreeWidget>
#include <algorithm>

#include "errors/guard.h"
#include "platform/platform.h"
#include "desktop/qt_text.h"
#include "report/report_form.h"
#include "state/program_state.h"
#include "viewer/frm_report_edit.h"
#include "viewer/report_columns.h"
#include "viewer/undo_actions.h"
#include "widgets/centring.h"
#include "widgets/controls.h"
#include "widgets/twips.h"
#include "desktop/qt_translations.h"

namespace tw {
namespace {

constexpr double kOuterWidth = 10000;
constexpr double kClientHeight = 2535;
constexpr double kListTop = 360;
constexpr int kMachineColumnIndex = static_cast<int>(kReportColumns.size());
constexpr int kCommentsColumnIndex = kMachineColumnIndex - 1;

// The picture of a day button: an arrow, its shaft and head, pointing right turned by `degrees`.
QIcon ArrowIcon(int degrees) {
  constexpr int kSize = 20;
  QPixmap picture(kSize, kSize);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.translate(kSize / 2.0, kSize / 2.0);
  painter.rotate(degrees);
  const QPolygonF arrow({{-8, -2.5}, {1, -2.5}, {1, -7}, {8.5, 0}, {1, 7}, {1, 2.5}, {-8, 2.5}});
  painter.setPen(QPen(QColor(0, 0, 96), 1));
  painter.setBrush(QColor(0, 64, 160));
  painter.drawPolygon(arrow);
  painter.end();
  return QIcon(picture);
}

QTreeWidgetItem* MakeItem(const ReportCells& cells) {
  auto* item = new QTreeWidgetItem;
  for (size_t i = 0; i < cells.size(); ++i) item->setText(static_cast<int>(i), FromBytes(cells[i]));
  return item;
}

// The windows the report routines work with.
class QtReportScreens : public ReportScreens {
 public:
  ReportWindow* LoadedReport() override { return frmReport::Loaded(); }
  EntryEditor* LoadedEditor() override { return frmReportEdit::Loaded(); }
  ReportWindow* NewReport(MainView& main) override {
    return new frmReport(main, dynamic_cast<QWidget*>(&main));
  }
  void ShowModal(ReportWindow* window) override { static_cast<frmReport*>(window)->exec(); }
  void Destroy(ReportWindow* window) override { delete static_cast<frmReport*>(window); }
};

}  // namespace

frmReport::frmReport(MainView& main, QWidget* parent) : QDialog(parent), main_(main) {
  setObjectName("frmReport");
  // A fixed single border: no minimize or maximize button, no resizing.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  PaintLightYellow(this);

  cmdDayBefore_ = MakeButton(this, "cmdDayBefore", "", tr("View Previous Day"));
  cmdDayBefore_->setAccessibleName(tr("Previous Day"));
  cmdDayBefore_->setIcon(ArrowIcon(180));
  PlaceTwips(cmdDayBefore_, 0, 0, 1095, 375);
  cmdToday_ = MakeButton(this, "cmdToday", "", tr("View Today"));
  cmdToday_->setAccessibleName(tr("Today"));
  cmdToday_->setIcon(ArrowIcon(90));
  PlaceTwips(cmdToday_, 1080, 0, 1095, 375);
  cmdNextDay_ = MakeButton(this, "cmdNextDay", "", tr("View Next Day"));
  cmdNextDay_->setAccessibleName(tr("Next Day"));
  cmdNextDay_->setIcon(ArrowIcon(0));
  PlaceTwips(cmdNextDay_, 2160, 0, 1095, 375);
  // Opens the chosen entry in the editor, as a double click or Enter on its row does: the way to it
  // for the keyboard's and a screen reader's users.
  cmdEdit_ = MakeButton(this, "cmdEdit", tr("&Edit Entry..."), tr("Edit the chosen entry"));
  PlaceTwips(cmdEdit_, 3360, 0, 1395, 375);
  cmdClose_ = MakeButton(this, "cmdClose", tr("&Close"), "");

  QStringList headers;
  for (const ReportColumn& c : kReportColumns) headers << QTr("Report", c.header);
  headers << QTr("Report", kMachineColumn.header);
  list_ = MakeList(this, "ListView", headers);
  list_->setItemsExpandable(false);
  list_->setSortingEnabled(false);
  list_->header()->setSectionsClickable(false);
  list_->header()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  for (size_t i = 0; i < kReportColumns.size(); ++i)
    list_->header()->resizeSection(static_cast<int>(i), TwipsToPixels(kReportColumns[i].widthTwips));
  list_->setColumnHidden(kMachineColumnIndex, true);
  QFont font("Arial");
  font.setPointSizeF(8.25);
  list_->setFont(font);
  list_->viewport()->installEventFilter(this);
  list_->installEventFilter(this);
  list_->setAccessibleName(tr("Entries of the day"));
  list_->setAccessibleDescription(tr("Enter or a double click opens an entry in the editor"));

  connect(cmdDayBefore_, &QPushButton::clicked, this, [this] { StepDay(-1); });
  connect(cmdNextDay_, &QPushButton::clicked, this, [this] { StepDay(1); });
  connect(cmdToday_, &QPushButton::clicked, this, [this] { ShowToday(); });
  connect(cmdClose_, &QPushButton::clicked, this, [this] { close(); });
  connect(cmdEdit_, &QPushButton::clicked, this, [this] { EditCurrent(); });
  for (QWidget* w : std::initializer_list<QWidget*>{cmdDayBefore_, cmdToday_, cmdNextDay_, cmdEdit_, list_, cmdClose_})
    w->setFocusPolicy(Qt::StrongFocus);
  QWidget::setTabOrder(cmdDayBefore_, cmdToday_);
  QWidget::setTabOrder(cmdToday_, cmdNextDay_);
  QWidget::setTabOrder(cmdNextDay_, cmdEdit_);
  QWidget::setTabOrder(cmdEdit_, cmdClose_);
  QWidget::setTabOrder(cmdClose_, list_);

  // Undo and Redo of the record's changes (Ctrl+Z, Ctrl+Shift+Z), also on the list's context menu:
  // the window keeps its designed look, with no menu bar.
  undo_ = new UndoActions(this, [this] { Setup::ShowReport(main_, ReportWindows(), Setup::DisplayDate); });
  list_->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(list_, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
    undo_->Refresh();
    QMenu menu(this);
    menu.addAction(undo_->undo());
    menu.addAction(undo_->redo());
    menu.exec(list_->viewport()->mapToGlobal(at));
  });

  Register();
}

void frmReport::Load(const DateTime& day) {
  Platform& p = platform();
  Guard step("frmReport/Load");
  const int width = TwipsToPixels(kOuterWidth);
  const int height = TwipsToPixels(kClientHeight);
  if (!step([&] { setFixedSize(width, height); })) return;
  if (!step([&] { PlaceTwips(cmdClose_, kOuterWidth - 1195, 0, 1095, 375); })) return;
  if (!step([&] {
        setWindowTitle(FromBytes(ReportCaption(*p.dateFormat, day)));
      }))
    return;
  // In the middle of the screen, every time the window is filled: a window the user moved comes
  // back to the centre.
  if (!step([&] { CenterOnScreen(this); })) return;
  // The list ends at the window's bottom edge, so that its last rows and its scroll bar can be
  // reached.
  step([&] { PlaceTwips(list_, 0, kListTop, 9900, kClientHeight - kListTop); });
  // Captions longer in another language push the buttons after them along.
  step([&] { FitCaptions(this); });
}

void frmReport::Fill(DayReport report) {
  report_ = std::move(report);
  list_->clear();
  QList<QTreeWidgetItem*> items;
  items.reserve(static_cast<qsizetype>(report_.rows.size()) + 1);
  for (const DayRow& row : report_.rows) {
    items.append(MakeItem(RowCells(row)));
    // A screen reader reads the row as a sentence, not five bare cells.
    items.back()->setData(0, Qt::AccessibleTextRole,
                          FromBytes(SpokenRow(row, row.origin ? *row.origin->format : ReportDateFormat())));
    items.back()->setText(kMachineColumnIndex, FromBytes(MachineCell(row)));
    // A comment or a machine too long for its column is read whole under the pointer.
    for (int column : {kCommentsColumnIndex, kMachineColumnIndex})
      items.back()->setToolTip(column, items.back()->text(column));
  }
  // Which machine recorded a stretch matters only where several machines record.
  list_->setColumnHidden(kMachineColumnIndex, report_.machines < 2);
  if (report_.HasTotal()) {
    const std::string total = TotalText(report_, ReportDateFormat());
    QTreeWidgetItem* item = MakeItem(TotalCells(total));
    item->setText(0, QTr("Report", kTotalLabel));
    item->setData(0, Qt::AccessibleTextRole,
                  tr("Total time, %1").arg(FromBytes(SpokenDuration(report_.totalSeconds))));
    QFont bold = list_->font();
    bold.setBold(true);
    for (int i = 0; i < item->columnCount(); ++i) item->setFont(i, bold);
    items.append(item);
  }
  list_->addTopLevelItems(items);
  if (!report_.rows.empty()) list_->setCurrentItem(list_->topLevelItem(0), 0, QItemSelectionModel::NoUpdate);
  cmdEdit_->setEnabled(!report_.rows.empty());
  FitDateColumns();
  if (undo_) undo_->Refresh();  // a change saved, or made elsewhere, is what Undo now takes back
}

void frmReport::FitDateColumns() {
  // A four-digit year and the seconds may need more than the designed width of a start or end, and
  // a caption in another language more than the designed width of its column.
  constexpr int kProject = 0, kStart = 1, kEnd = 2, kTime = 3, kComments = 4;
  QHeaderView* header = list_->header();
  int taken = 0;
  for (int column : {kProject, kStart, kEnd, kTime}) {
    const int width = std::max({TwipsToPixels(kReportColumns[column].widthTwips),
                                static_cast<const QAbstractItemView*>(list_)->sizeHintForColumn(column),
                                header->sectionSizeHint(column)});
    taken += width - TwipsToPixels(kReportColumns[column].widthTwips);
    header->resizeSection(column, width);
  }
  if (!list_->isColumnHidden(kMachineColumnIndex)) {
    const int width = std::max({TwipsToPixels(kMachineColumn.widthTwips),
                                static_cast<const QAbstractItemView*>(list_)->sizeHintForColumn(kMachineColumnIndex),
                                header->sectionSizeHint(kMachineColumnIndex)});
    taken += width;
    header->resizeSection(kMachineColumnIndex, width);
  }
  header->resizeSection(kComments, std::max(TwipsToPixels(kReportColumns[kComments].widthTwips) - taken,
                                            header->sectionSizeHint(kComments)));
}

const DayRow* frmReport::RowAt(int position) const {
  if (position < 1 || static_cast<size_t>(position) > report_.rows.size()) return nullptr;
  return &report_.rows[static_cast<size_t>(position) - 1];
}

void frmReport::AtClose(std::function<void()> action) {
  if (!action) return;
  if (closed_) {
    action();
    return;
  }
  atClose_.push_back(std::move(action));
}

void frmReport::done(int result) {
  if (!closed_) {
    closed_ = true;
    Deregister();
    QDialog::done(result);
    for (auto& action : std::exchange(atClose_, {})) action();
    return;
  }
  QDialog::done(result);
}

void frmReport::Unload() { done(QDialog::Rejected); }

void frmReport::EditCurrent() {
  const int position = list_->indexOfTopLevelItem(list_->currentItem()) + 1;
  if (RowAt(position)) OpenEditor(position);
}

bool frmReport::eventFilter(QObject* watched, QEvent* event) {
  if (watched == list_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      EditCurrent();
      return true;
    }
  }
  if (watched == list_->viewport() && event->type() == QEvent::MouseButtonDblClick) {
    const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
    // Below the rows there is nothing to open, and the total row is no entry.
    if (QTreeWidgetItem* item = list_->itemAt(at)) {
      const int position = list_->indexOfTopLevelItem(item) + 1;
      if (RowAt(position)) OpenEditor(position);
    }
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

void frmReport::StepDay(int days) {
  Setup::DisplayDate.day += days;
  Setup::ShowReport(main_, ReportWindows(), Setup::DisplayDate);
}

void frmReport::ShowToday() {
  Setup::DisplayDate = platform().clock->Now();
  Setup::ShowReport(main_, ReportWindows(), Setup::DisplayDate);
}

void frmReport::OpenEditor(int position) {
  frmReportEdit editor(this);
  const RecordFields f = RowAt(position)->fields();
  editor.Fill(EntryTexts{std::string(f.project), std::string(f.start), std::string(f.end),
                         std::string(f.comment)});
  Setup::EditRow = position;
  editor.exec();
}

ReportScreens& ReportWindows() {
  static QtReportScreens screens;
  return screens;
}

}  // namespace tw
