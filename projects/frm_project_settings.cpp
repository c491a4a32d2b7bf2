#include "projects/frm_project_settings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QLocale>
#include <QTableWidget>
#include <algorithm>

#include "dates/iso_date.h"
#include "desktop/qt_text.h"
#include "platform/platform.h"
#include "widgets/centring.h"
#include "widgets/controls.h"
#include "widgets/program_icon.h"
#include "widgets/twips.h"

namespace tw {
namespace {

constexpr double kClientWidth = 5400, kClientHeight = 5520;

std::string Separator() { return ToBytes(QString(QLocale().decimalPoint())); }
DecimalMark Mark() { return QLocale().decimalPoint() == QChar(',') ? DecimalMark::Comma : DecimalMark::Point; }

QLineEdit* MakeBox(QWidget* parent, const char* name, double left, double top, double width) {
  auto* box = new QLineEdit(parent);
  box->setObjectName(name);
  box->setMaxLength(16);
  PlaceTwips(box, left, top, width, 285);
  return box;
}

}  // namespace

frmProjectSettings::frmProjectSettings(QWidget* parent, const std::string& project,
                                       const std::vector<std::string>& projects)
    : QDialog(parent) {
  setObjectName("frmProjectSettings");
  setWindowTitle(tr("Project Settings"));
  setWindowIcon(ProgramIcon());
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  setFixedSize(TwipsToPixels(kClientWidth), TwipsToPixels(kClientHeight));
  PaintLightYellow(this);
  try {
    RatesFolder read = ReadRates(*platform().files, platform().system->DataFolder());
    rates_ = std::move(read.book);
  } catch (const RunError& e) {
    platform().dialogs->MsgBox(ToBytes(tr("The rates could not be read: %1. What you save is added to them.")
                                       .arg(FromBytes(e.description()))),
                               MsgStyle::OkOnly + MsgStyle::Exclamation, kProductName);
  }

  QLabel* name = MakeLabel(this, "lblProject", tr("&Project:"));
  PlaceTwips(name, 120, 165, 1000, 255);
  cboProject_ = new QComboBox(this);
  cboProject_->setObjectName("cboProject");
  cboProject_->setEditable(true);
  cboProject_->setInsertPolicy(QComboBox::NoInsert);
  name->setBuddy(cboProject_);
  PlaceTwips(cboProject_, 1200, 120, kClientWidth - 1320, 315);
  std::vector<std::string> names = projects;
  for (const std::string& named : rates_.Projects())
    if (std::find(names.begin(), names.end(), named) == names.end()) names.push_back(named);
  for (const std::string& n : names) cboProject_->addItem(FromBytes(n));

  chkBillable_ = new QCheckBox(tr("&Billable: its work is charged for"), this);
  chkBillable_->setObjectName("chkBillable");
  PaintLightYellow(chkBillable_);
  PlaceTwips(chkBillable_, 120, 540, kClientWidth - 240, 315);

  QLabel* ratesLabel = MakeLabel(this, "lblRates", tr("Hourly &rates, each from the day it takes effect:"));
  PlaceTwips(ratesLabel, 120, 960, kClientWidth - 240, 255);
  tblRates_ = new QTableWidget(0, 2, this);
  tblRates_->setObjectName("tblRates");
  tblRates_->setHorizontalHeaderLabels({tr("From (YYYY-MM-DD)"), tr("Per hour")});
  tblRates_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  tblRates_->verticalHeader()->hide();
  tblRates_->setSelectionBehavior(QAbstractItemView::SelectRows);
  ratesLabel->setBuddy(tblRates_);
  PlaceTwips(tblRates_, 120, 1260, 3720, 1560);
  QPushButton* add = MakeButton(this, "cmdAddRate", tr("&Add Rate"), tr("A new rate from today"));
  PlaceTwips(add, 3960, 1260, 1320, 375);
  QPushButton* remove = MakeButton(this, "cmdRemoveRate", tr("Re&move Rate"), tr("Take the chosen rate back"));
  PlaceTwips(remove, 3960, 1740, 1320, 375);

  QLabel* budget = MakeLabel(this, "lblBudget", tr("Budget (empty: none):"));
  PlaceTwips(budget, 120, 3000, 2400, 255);
  QLabel* hours = MakeLabel(this, "lblBudgetHours", tr("Hours"));
  PlaceTwips(hours, 2040, 3000, 1500, 255);
  QLabel* amount = MakeLabel(this, "lblBudgetAmount", tr("Amount"));
  PlaceTwips(amount, 3720, 3000, 1500, 255);
  QLabel* total = MakeLabel(this, "lblBudgetTotal", tr("In &all:"));
  PlaceTwips(total, 240, 3345, 1700, 255);
  txtTotalHours_ = MakeBox(this, "txtTotalHours", 2040, 3300, 1560);
  txtTotalAmount_ = MakeBox(this, "txtTotalAmount", 3720, 3300, 1560);
  total->setBuddy(txtTotalHours_);
  QLabel* month = MakeLabel(this, "lblBudgetMonth", tr("Each mon&th:"));
  PlaceTwips(month, 240, 3765, 1700, 255);
  txtMonthHours_ = MakeBox(this, "txtMonthHours", 2040, 3720, 1560);
  txtMonthAmount_ = MakeBox(this, "txtMonthAmount", 3720, 3720, 1560);
  month->setBuddy(txtMonthHours_);

  QLabel* currency = MakeLabel(this, "lblCurrency", tr("&Currency of every project:"));
  PlaceTwips(currency, 120, 4305, 3000, 255);
  txtCurrency_ = MakeBox(this, "txtCurrency", 3720, 4260, 1560);
  txtCurrency_->setMaxLength(8);
  txtCurrency_->setToolTip(tr("A code like EUR, or a short text of up to 8 characters"));
  currency->setBuddy(txtCurrency_);

  QPushButton* ok = MakeButton(this, "cmdOK", tr("OK"));
  ok->setDefault(true);
  PlaceTwips(ok, 2760, 4920, 1215, 375);
  QPushButton* cancel = MakeButton(this, "cmdCancel", tr("Cancel"));
  PlaceTwips(cancel, 4065, 4920, 1215, 375);

  connect(cboProject_, &QComboBox::activated, this, [this] { ProjectChosen(); });
  connect(cboProject_->lineEdit(), &QLineEdit::editingFinished, this, [this] { ProjectChosen(); });
  connect(add, &QPushButton::clicked, this, [this] { AddRate(); });
  connect(remove, &QPushButton::clicked, this, [this] {
    if (tblRates_->currentRow() >= 0) tblRates_->removeRow(tblRates_->currentRow());
  });
  connect(ok, &QPushButton::clicked, this, [this] { accept(); });
  connect(cancel, &QPushButton::clicked, this, [this] { reject(); });

  const std::string first = !project.empty() ? project : names.empty() ? "" : names.front();
  cboProject_->setEditText(FromBytes(first));
  Load(first);
  FitCaptions(this);
  CenterOnScreen(this, kClientWidth, kClientHeight);
  Register();
}

void frmProjectSettings::ShowModal(QWidget* parent, const std::string& project, const std::vector<std::string>& projects) {
  auto* window = new frmProjectSettings(parent, project, projects);
  window->exec();
  window->Unload();
}

void frmProjectSettings::Unload() {
  if (Loaded() != this) return;
  Deregister();
  hide();
  deleteLater();
}

void frmProjectSettings::Load(const std::string& project) {
  loaded_ = FormOf(rates_, project, Separator());
  chkBillable_->setChecked(loaded_.billable);
  tblRates_->setRowCount(0);
  for (const TermsForm::Rate& rate : loaded_.rates) {
    const int row = tblRates_->rowCount();
    tblRates_->insertRow(row);
    tblRates_->setItem(row, 0, new QTableWidgetItem(FromBytes(rate.day)));
    tblRates_->setItem(row, 1, new QTableWidgetItem(FromBytes(rate.amount)));
  }
  txtTotalHours_->setText(FromBytes(loaded_.totalHours));
  txtTotalAmount_->setText(FromBytes(loaded_.totalAmount));
  txtMonthHours_->setText(FromBytes(loaded_.monthHours));
  txtMonthAmount_->setText(FromBytes(loaded_.monthAmount));
  txtCurrency_->setText(FromBytes(loaded_.currency));
  loaded_ = Form();  // as the boxes give it back
}

TermsForm frmProjectSettings::Form() const {
  TermsForm form;
  form.project = ToBytes(cboProject_->currentText().trimmed());
  form.billable = chkBillable_->isChecked();
  for (int row = 0; row < tblRates_->rowCount(); ++row) {
    const auto text = [&](int column) { return tblRates_->item(row, column) ? ToBytes(tblRates_->item(row, column)->text()) : ""; };
    form.rates.push_back({text(0), text(1)});
  }
  form.totalHours = ToBytes(txtTotalHours_->text());
  form.totalAmount = ToBytes(txtTotalAmount_->text());
  form.monthHours = ToBytes(txtMonthHours_->text());
  form.monthAmount = ToBytes(txtMonthAmount_->text());
  form.currency = ToBytes(txtCurrency_->text());
  return form;
}

// Another project chosen: what was changed for the one before is saved first, when the user wants.
void frmProjectSettings::ProjectChosen() {
  const std::string project = ToBytes(cboProject_->currentText().trimmed());
  if (project == loaded_.project) return;
  TermsForm before = Form();
  before.project = loaded_.project;
  if (before != loaded_) {
    const int answer = platform().dialogs->MsgBox(ToBytes(tr("Save the changes to %1's settings?").arg(FromBytes(loaded_.project))),
                                                  MsgStyle::YesNoCancel + MsgStyle::Question, kProductName);
    if (answer == MsgResult::Cancel) {
      cboProject_->setEditText(FromBytes(loaded_.project));
      return;
    }
    if (answer == MsgResult::Yes) {
      const TermsForm chosen = Form();
      cboProject_->setEditText(FromBytes(loaded_.project));
      if (!Save()) return;
      cboProject_->setEditText(FromBytes(chosen.project));
    }
  }
  Load(project);
}

void frmProjectSettings::AddRate() {
  const int row = tblRates_->rowCount();
  tblRates_->insertRow(row);
  tblRates_->setItem(row, 0, new QTableWidgetItem(FromBytes(IsoDate(platform().clock->Now().day))));
  tblRates_->setItem(row, 1, new QTableWidgetItem(""));
  tblRates_->setCurrentCell(row, 1);
  tblRates_->editItem(tblRates_->item(row, 1));
}

bool frmProjectSettings::Save() {
  const TermsForm form = Form();
  const TermsChanges changes = ChangesOf(rates_, form, Mark());
  if (!changes.problem.empty()) {
    platform().dialogs->MsgBox(changes.problem, MsgStyle::OkOnly + MsgStyle::Exclamation, kProductName);
    QWidget* boxes[] = {nullptr, cboProject_, tblRates_, txtTotalHours_, txtTotalAmount_, txtMonthHours_, txtMonthAmount_, txtCurrency_};
    if (QWidget* box = boxes[static_cast<int>(changes.field)]) box->setFocus();
    if (changes.field == TermsField::Rate) tblRates_->setCurrentCell(static_cast<int>(changes.rate), 1);
    return false;
  }
  if (changes.entries.empty()) return true;
  try {
    SetRates(*platform().files, platform().system->DataFolder(), changes.entries, platform().clock->UnixNow());
    rates_ = ReadRates(*platform().files, platform().system->DataFolder()).book;
  } catch (const RunError& e) {
    platform().dialogs->MsgBox(ToBytes(tr("The settings could not be saved: %1.").arg(FromBytes(e.description()))),
                               MsgStyle::OkOnly + MsgStyle::Exclamation, kProductName);
    return false;
  }
  loaded_ = form;
  return true;
}

void frmProjectSettings::accept() {
  if (Save()) QDialog::accept();
}

}  // namespace tw
