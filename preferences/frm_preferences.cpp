#include "preferences/frm_preferences.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QLineEdit>
#include <algorithm>
#include <cstdlib>

#include "desktop/qt_text.h"
#include "platform/platform.h"
#include "platform/shared_folder.h"
#include "platform/system.h"
#include "preferences/data_preferences.h"
#include "preferences/frm_work_target.h"
#include "preferences/preferences.h"
#include "tracking/away.h"
#include "widgets/centring.h"
#include "widgets/controls.h"
#include "widgets/program_icon.h"
#include "widgets/twips.h"

namespace tw {
namespace {

constexpr double kClientWidth = 5400;
// The line that says where idleness, sleeps and reminders are learnt of and shown takes three lines.
constexpr double kBelowSource = 240;
// The working-time target's group, between the data folder and the buttons.
constexpr double kWorkTop = 3300 + kBelowSource, kWork = WorkTargetGroup::kHeight + 120;
constexpr double kClientHeight = 3960 + kBelowSource + kWork;

QLineEdit* MakeNumberBox(QWidget* parent, const char* name, QLabel* label, double top, int value) {
  auto* box = new QLineEdit(QString::number(value), parent);
  box->setObjectName(name);
  box->setMaxLength(8);
  label->setBuddy(box);
  PlaceTwips(box, 4200, top, 1080, 285);
  return box;
}

}  // namespace

frmPreferences::frmPreferences(const std::string& sourceLine, MainView* main) : main_(main) {
  setObjectName("frmPreferences");
  setWindowTitle(tr("Preferences"));
  setWindowIcon(ProgramIcon());
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                 Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  setFixedSize(TwipsToPixels(kClientWidth), TwipsToPixels(kClientHeight));
  PaintLightYellow(this);

  QLabel* idle = MakeLabel(this, "lblIdleMinutes",
                           tr("&Minutes without input that count as time away (0: off):"));
  idle->setWordWrap(true);
  PlaceTwips(idle, 120, 240, 3960, 435);
  txtIdleMinutes_ = MakeNumberBox(this, "txtIdleMinutes", idle, 240, IdleMinutes());
  QLabel* remind = MakeLabel(this, "lblRemindHours",
                             tr("&Hours a stretch runs before a reminder (0: off):"));
  remind->setWordWrap(true);
  PlaceTwips(remind, 120, 840, 3960, 435);
  txtRemindHours_ = MakeNumberBox(this, "txtRemindHours", remind, 840, RemindHours());
  QLabel* source = MakeLabel(this, "lblIdleSource", FromBytes(sourceLine));
  source->setWordWrap(true);
  PlaceTwips(source, 120, 1440, 5160, 495 + kBelowSource);

  const DataChoice data = CurrentDataChoice();
  QLabel* folder = MakeLabel(this, "lblDataFolder", tr("&Data folder:"));
  PlaceTwips(folder, 120, 2040 + kBelowSource, 1200, 255);
  txtDataFolder_ = new QLineEdit(FromBytes(data.folder), this);
  txtDataFolder_->setObjectName("txtDataFolder");
  folder->setBuddy(txtDataFolder_);
  PlaceTwips(txtDataFolder_, 1380, 2010 + kBelowSource, 2640, 285);
  QPushButton* choose = MakeButton(this, "cmdChooseFolder", tr("&Choose..."), tr("Choose the data folder"));
  PlaceTwips(choose, 4140, 1980 + kBelowSource, 1140, 345);
  chkShared_ = new QCheckBox(tr("This folder is &shared with other machines"), this);
  chkShared_->setObjectName("chkShared");
  PaintLightYellow(chkShared_);
  chkShared_->setChecked(data.shared);
  PlaceTwips(chkShared_, 120, 2430 + kBelowSource, 5160, 345);
  QLabel* machine = MakeLabel(this, "lblMachineName", tr("This machine's &name there:"));
  PlaceTwips(machine, 120, 2880 + kBelowSource, 2400, 255);
  txtMachineName_ = new QLineEdit(FromBytes(data.device), this);
  txtMachineName_->setObjectName("txtMachineName");
  txtMachineName_->setMaxLength(static_cast<int>(kDeviceNameMax));
  machine->setBuddy(txtMachineName_);
  PlaceTwips(txtMachineName_, 2640, 2850 + kBelowSource, 2640, 285);
  connect(choose, &QPushButton::clicked, this, [this] {
    const QString chosen = QFileDialog::getExistingDirectory(this, tr("Data Folder"), txtDataFolder_->text());
    if (chosen.isEmpty()) return;
    txtDataFolder_->setText(chosen);
  });
  // At every keystroke, not when the box is left: OK may come first.
  connect(txtDataFolder_, &QLineEdit::textChanged, this, [this] { FolderChanged(); });
  connect(chkShared_, &QCheckBox::toggled, this, [this] { NameBoxChanged(); });

  QPushButton* ok = MakeButton(this, "cmdOK", tr("OK"));
  ok->setDefault(true);
  PlaceTwips(ok, 2760, 3420 + kBelowSource + kWork, 1215, 375);
  QPushButton* cancel = MakeButton(this, "cmdCancel", tr("Cancel"));
  PlaceTwips(cancel, 4065, 3420 + kBelowSource + kWork, 1215, 375);
  connect(ok, &QPushButton::clicked, this, [this] { accept(); });
  connect(cancel, &QPushButton::clicked, this, [this] { reject(); });
  QWidget::setTabOrder(txtIdleMinutes_, txtRemindHours_);
  QWidget::setTabOrder(txtRemindHours_, txtDataFolder_);
  QWidget::setTabOrder(txtDataFolder_, choose);
  QWidget::setTabOrder(choose, chkShared_);
  QWidget::setTabOrder(chkShared_, txtMachineName_);
  work_ = new WorkTargetGroup(this, kWorkTop, kClientWidth);
  QWidget::setTabOrder(txtMachineName_, work_->First());
  QWidget::setTabOrder(work_->Last(), ok);
  QWidget::setTabOrder(ok, cancel);
  FolderChanged();

  FitCaptions(this);
  CenterOnScreen(this, kClientWidth, kClientHeight);
  Register();
  txtIdleMinutes_->setFocus();
  txtIdleMinutes_->selectAll();
}

void frmPreferences::ShowModal(const std::string& sourceLine, MainView* main) {
  auto* window = new frmPreferences(sourceLine, main);
  window->exec();
  window->Unload();
}

void frmPreferences::Unload() {
  if (Loaded() != this) return;
  Deregister();
  hide();
  deleteLater();
}

void frmPreferences::FolderChanged() {
  const auto folder = ChosenDataFolder(ToBytes(txtDataFolder_->text()), std::getenv("HOME"));
  const bool shared = folder && IsSharedFolder(*folder);
  // Ticked for a shared folder only; another folder is shared only when the user ticks the box.
  chkShared_->setChecked(shared);
  chkShared_->setEnabled(!shared);
  NameBoxChanged();
}

void frmPreferences::NameBoxChanged() {
  const auto folder = ChosenDataFolder(ToBytes(txtDataFolder_->text()), std::getenv("HOME"));
  const bool shared = folder && IsSharedFolder(*folder);
  // The name of this machine's files in the folder it uses now stays theirs.
  const std::string current = platform().system->DataFolder();
  const std::vector<std::string> present = shared && *folder == current ? DevicesInFolder(current) : std::vector<std::string>{};
  const bool named = DeviceNameSettled() &&
                     std::any_of(present.begin(), present.end(), [](const std::string& d) { return SameDeviceName(d, ThisDevice()); });
  txtMachineName_->setEnabled(chkShared_->isChecked());
  txtMachineName_->setReadOnly(named);
  txtMachineName_->setToolTip(named ? tr("This machine keeps its records in the shared folder under this name, "
                                         "which other machines' edits name, so it cannot change.")
                                    : QString());
}

void frmPreferences::accept() {
  // The target is read first, so that a wrong one leaves every setting as it was.
  if (!work_->Check()) return;
  const int wrong = SavePreferences(ToBytes(txtIdleMinutes_->text()), ToBytes(txtRemindHours_->text()));
  if (wrong >= 0) {
    QLineEdit* box = wrong == 0 ? txtIdleMinutes_ : txtRemindHours_;
    box->setFocus();
    box->selectAll();
    return;
  }
  if (!work_->Save()) return;
  const DataChoice choice{ToBytes(txtDataFolder_->text().trimmed()), chkShared_->isChecked(),
                          ToBytes(txtMachineName_->text().trimmed())};
  const int box = main_ ? SaveDataChoice(*main_, choice) : -1;
  if (box == -1) return QDialog::accept();
  if (box == -2) return;
  QLineEdit* edit = box == 0 ? txtDataFolder_ : txtMachineName_;
  edit->setFocus();
  edit->selectAll();
}

}  // namespace tw
