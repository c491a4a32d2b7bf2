#include "shell/frm_splash.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFrame>
#include <QWindow>

#include "shell/about.h"
#include "widgets/app_style.h"
#include "widgets/centring.h"
#include "widgets/controls.h"
#include "widgets/program_icon.h"
#include "widgets/twips.h"
#include "desktop/qt_translations.h"
#include "desktop/qt_text.h"

namespace tw {

frmSplash::frmSplash() {
  setObjectName("frmSplash");
  setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
  setWindowTitle(kProductName);
  setWindowIcon(ProgramIcon());
  PaintLightYellow(this);
  setFixedSize(TwipsToPixels(7455), TwipsToPixels(4710));

  auto* frame = new QFrame(this);
  frame->setObjectName("fraMainFrame");
  frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
  PaintLightYellow(frame);
  PlaceTwips(frame, 120, 120, 7260, 4455);

  auto* logo = new QLabel(frame);
  logo->setObjectName("imgLogo");
  logo->setPixmap(ProgramPicture());
  logo->setScaledContents(true);
  PlaceTwips(logo, 480, 720, 1860, 1740);

  struct Text {
    const char* name;
    QString text;
    int left, top, width, height;
    QFont font;
    bool right, sized;
  };
  const QFont plain = font();
  const Text texts[] = {
      {"lblCompanyProduct", kMakerName, 2505, 765, 4200, 435, SansFont(18, true), false, true},
      {"lblProductName", "", 2640, 1200, 3885, 840, DisplayFont(36, true), false, true},
      {"lblPlatform", tr("95/98/NT Platform"), 4515, 2400, 2490, 360, SansFont(13.5, true), true, true},
      {"lblVersion", "", 6075, 2760, 930, 300, SansFont(12, true), true, true},
      {"lblCopyright", QTr("About", kCopyright), 4680, 3120, 2535, 735, plain, false, false},
      {"lblWarning", tr("Track your projects and keep your projects on track."), 300, 3720, 6855, 195,
       plain, false, false},
      {"lblCompany", kCompanyName, 4350, 4080, 2775, 255, plain, false, false},
  };
  for (const Text& t : texts) {
    QLabel* label = MakeLabel(frame, t.name, t.text);
    label->setFont(t.font);
    if (t.right) label->setAlignment(Qt::AlignRight | Qt::AlignTop);
    if (!t.sized) label->setWordWrap(true);
    PlaceTwips(label, t.left, t.top, t.width, t.height);
    if (t.sized) SizeToText(label);
  }
  lblProductName_ = frame->findChild<QLabel*>("lblProductName");
  lblVersion_ = frame->findChild<QLabel*>("lblVersion");

  CenterOnScreen(this);
  Register();
  Load();
  FitCaptions(this);
}

void frmSplash::Load() {
  lblVersion_->setText(FromBytes(VersionText()));
  SizeToText(lblVersion_);
  lblProductName_->setText(kProductName);
  SizeToText(lblProductName_);
}

void frmSplash::RepaintNow() {
  QElapsedTimer waited;
  waited.start();
  while (!(windowHandle() && windowHandle()->isExposed()) && waited.elapsed() < 1000)
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 20);
  repaint();
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void frmSplash::Unload() {
  Deregister();
  hide();
  deleteLater();
}

}  // namespace tw
