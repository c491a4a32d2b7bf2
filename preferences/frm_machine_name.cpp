#include "preferences/frm_machine_name.h"

#include <QLineEdit>

#include "desktop/qt_text.h"
#include "platform/platform.h"
#include "platform/shared_folder.h"
#include "store/machine_claim.h"
#include "widgets/centring.h"
#include "widgets/controls.h"
#include "widgets/program_icon.h"
#include "widgets/twips.h"

namespace tw {
namespace {

constexpr double kClientWidth = 5400;
constexpr double kClientHeight = 2220;

}  // namespace

frmMachineName::frmMachineName(const std::string& folder) : folder_(folder) {
  setObjectName("frmMachineName");
  setWindowTitle(tr("This Machine"));
  setWindowIcon(ProgramIcon());
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                 Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  setFixedSize(TwipsToPixels(kClientWidth), TwipsToPixels(kClientHeight));
  PaintLightYellow(this);

  QLabel* about = MakeLabel(this, "lblShared",
                            tr("The data folder %1 is shared with other machines. Each machine keeps its "
                               "records there under a name of its own.")
                                .arg(FromBytes(folder)));
  about->setWordWrap(true);
  PlaceTwips(about, 120, 120, 5160, 855);
  QLabel* label = MakeLabel(this, "lblName", tr("This machine's &name:"));
  PlaceTwips(label, 120, 1140, 2400, 255);
  // Never a name another machine uses there, such as the host's name on two hosts named alike.
  txtName_ = new QLineEdit(FromBytes(FreeDeviceName(folder, ThisDevice())), this);
  txtName_->setObjectName("txtName");
  txtName_->setMaxLength(static_cast<int>(kDeviceNameMax));
  label->setBuddy(txtName_);
  PlaceTwips(txtName_, 2640, 1110, 2640, 285);
  QPushButton* ok = MakeButton(this, "cmdOK", tr("OK"));
  ok->setDefault(true);
  PlaceTwips(ok, 4065, 1680, 1215, 375);
  connect(ok, &QPushButton::clicked, this, [this] { accept(); });

  FitCaptions(this);
  CenterOnScreen(this, kClientWidth, kClientHeight);
  txtName_->setFocus();
  txtName_->selectAll();
}

void frmMachineName::Ask(const std::string& folder) {
  frmMachineName window(folder);
  window.exec();
}

void frmMachineName::accept() {
  Platform& p = platform();
  const std::string name = ToBytes(txtName_->text().trimmed());
  if (const auto refusal = MachineNameRefusal(folder_, name, "")) {
    p.dialogs->MsgBox(*refusal, MsgStyle::OkOnly + MsgStyle::Exclamation, kProductName);
    txtName_->setFocus();
    txtName_->selectAll();
    return;
  }
  try {
    p.settings->SaveSetting(kProductName, kSettingsSection, kDeviceNameKey, name);
    // Claimed at once, so that no machine joining later takes it.
    ReadyToWrite(*p.files, DataFolder{folder_, true, name});
  } catch (const RunError&) {
    // Not kept: the host's name serves for this run, and the next start asks again.
  }
  QDialog::accept();
}

}  // namespace tw
