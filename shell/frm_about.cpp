#include "shell/frm_about.h"

#include <QCloseEvent>
#include <QPainter>

#include "shell/about.h"
#include "shell/sysinfo.h"
#include "widgets/app_style.h"
#include "widgets/centring.h"
#include "widgets/controls.h"
#include "widgets/program_icon.h"
#include "widgets/twips.h"
#include "desktop/qt_translations.h"
#include "desktop/qt_text.h"

namespace tw {

frmAbout::frmAbout() {
  setObjectName("frmAbout");
  setModal(false);
  setWindowIcon(ProgramIcon());
  PaintLightYellow(this);
  setFixedSize(TwipsToPixels(5730), TwipsToPixels(3555));

  auto* icon = new QLabel(this);
  icon->setObjectName("picIcon");
  icon->setPixmap(ProgramPicture());
  icon->setAlignment(Qt::AlignCenter);
  PaintLightYellow(icon);
  PlaceTwips(icon, 240, 240, 480, 480);

  lblTitle_ = MakeLabel(this, "lblTitle", "");
  lblTitle_->setFont(DisplayFont(20.25, false));
  PlaceTwips(lblTitle_, 1050, 240, 3885, 480);
  lblVersion_ = MakeLabel(this, "lblVersion", "");
  PlaceTwips(lblVersion_, 1050, 780, 3885, 225);
  QLabel* description = MakeLabel(this, "lblDescription", QTr("About", kDescription));
  description->setWordWrap(true);
  PlaceTwips(description, 1050, 1125, 3885, 1170);
  QLabel* disclaimer = MakeLabel(this, "lblDisclaimer", QTr("About", kDisclaimer));
  disclaimer->setWordWrap(true);
  PlaceTwips(disclaimer, 255, 2625, 3870, 825);

  // OK is both the default and the cancel button: Enter and Escape press it.
  QPushButton* ok = MakeButton(this, "cmdOK", tr("OK"));
  ok->setAutoDefault(true);
  ok->setDefault(true);
  PlaceTwips(ok, 4245, 2625, 1260, 345);
  QPushButton* sysInfo = MakeButton(this, "cmdSysInfo", tr("&System Info..."));
  sysInfo->setAutoDefault(true);
  PlaceTwips(sysInfo, 4260, 3075, 1245, 345);
  connect(ok, &QPushButton::clicked, this, [this] { Unload(); });
  connect(sysInfo, &QPushButton::clicked, this, [] { StartSysInfo(); });

  Register();
  Load();
  FitCaptions(this);
  ok->setFocus();
}

void frmAbout::Load() {
  setWindowTitle(tr("About %1").arg(kProductName));
  lblVersion_->setText(FromBytes(VersionText()));
  lblTitle_->setText(kProductName);
  CenterOnScreen(this);
}

frmAbout* frmAbout::ShowAbout() {
  frmAbout* about = Loaded() ? Loaded() : new frmAbout;
  about->show();
  about->raise();
  about->activateWindow();
  return about;
}

void frmAbout::Unload() {
  if (Loaded() != this) return;
  Deregister();
  hide();
  deleteLater();
}

void frmAbout::paintEvent(QPaintEvent* event) {
  QDialog::paintEvent(event);
  // The etched line: a gray line with a white one just below it, each a pixel high at any scaling
  // (at its designed twips the white line would cover the gray one).
  QPainter painter(this);
  const int y = TwipsToPixels(2445);
  painter.fillRect(QRect(QPoint(TwipsToPixels(90), y), QPoint(TwipsToPixels(5654), y)), QColor(128, 128, 128));
  painter.fillRect(QRect(QPoint(TwipsToPixels(105), y + 1), QPoint(TwipsToPixels(5654), y + 1)), Qt::white);
}

void frmAbout::closeEvent(QCloseEvent* event) {
  event->accept();
  Unload();
}

void frmAbout::reject() { Unload(); }

}  // namespace tw
