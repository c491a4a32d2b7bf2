#include "app/frm_preferences.h"

#include <QLineEdit>

#include "app/preferences.h"
#include "desktop/qt_text.h"
#include "tracking/away.h"
#include "widgets/centring.h"
#include "widgets/controls.h"
#include "widgets/program_icon.h"
#include "widgets/twips.h"

namespace tw {
namespace {

constexpr double kClientWidth = 5400;
constexpr double kClientHeight = 2700;

QLineEdit* MakeNumberBox(QWidget* parent, const char* name, QLabel* label, double top, int value) {
  auto* box = new QLineEdit(QString::number(value), parent);
  box->setObjectName(name);
  box->setMaxLength(8);
  label->setBuddy(box);
  PlaceTwips(box, 4200, top, 1080, 285);
  return box;
}

}  // namespace

frmPreferences::frmPreferences(const std::string& sourceLine) {
  setObjectName("frmPreferences");
  setWindowTitle("Preferences");
  setWindowIcon(ProgramIcon());
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                 Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  setFixedSize(TwipsToPixels(kClientWidth), TwipsToPixels(kClientHeight));
  PaintLightYellow(this);

  QLabel* idle = MakeLabel(this, "lblIdleMinutes",
                           "&Minutes without input that count as time away (0: off):");
  idle->setWordWrap(true);
  PlaceTwips(idle, 120, 240, 3960, 435);
  txtIdleMinutes_ = MakeNumberBox(this, "txtIdleMinutes", idle, 240, IdleMinutes());
  QLabel* remind = MakeLabel(this, "lblRemindHours",
                             "&Hours a stretch runs before a reminder (0: off):");
  remind->setWordWrap(true);
  PlaceTwips(remind, 120, 840, 3960, 435);
  txtRemindHours_ = MakeNumberBox(this, "txtRemindHours", remind, 840, RemindHours());
  QLabel* source = MakeLabel(this, "lblIdleSource", FromBytes(sourceLine));
  source->setWordWrap(true);
  PlaceTwips(source, 120, 1440, 5160, 495);

  QPushButton* ok = MakeButton(this, "cmdOK", "OK");
  ok->setDefault(true);
  PlaceTwips(ok, 2760, 2160, 1215, 375);
  QPushButton* cancel = MakeButton(this, "cmdCancel", "Cancel");
  PlaceTwips(cancel, 4065, 2160, 1215, 375);
  connect(ok, &QPushButton::clicked, this, [this] { accept(); });
  connect(cancel, &QPushButton::clicked, this, [this] { reject(); });
  QWidget::setTabOrder(txtIdleMinutes_, txtRemindHours_);
  QWidget::setTabOrder(txtRemindHours_, ok);
  QWidget::setTabOrder(ok, cancel);

  FitCaptions(this);
  CenterOnScreen(this, kClientWidth, kClientHeight);
  Register();
  txtIdleMinutes_->setFocus();
  txtIdleMinutes_->selectAll();
}

void frmPreferences::ShowModal(const std::string& sourceLine) {
  auto* window = new frmPreferences(sourceLine);
  window->exec();
  window->Unload();
}

void frmPreferences::Unload() {
  if (Loaded() != this) return;
  Deregister();
  hide();
  deleteLater();
}

void frmPreferences::accept() {
  const int wrong = SavePreferences(ToBytes(txtIdleMinutes_->text()), ToBytes(txtRemindHours_->text()));
  if (wrong < 0) return QDialog::accept();
  QLineEdit* box = wrong == 0 ? txtIdleMinutes_ : txtRemindHours_;
  box->setFocus();
  box->selectAll();
}

}  // namespace tw
