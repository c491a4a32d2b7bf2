#include "app/frm_splash.h"

#include "app/twips.h"

namespace tw {

frmSplash::frmSplash() {
  setObjectName("frmSplash");
  setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
  setWindowTitle("Tallywright");
  PaintLightYellow(this);
  resize(TwipsToPixels(7455), TwipsToPixels(4710));
  LoadedForms().Add(this);
}

frmSplash::~frmSplash() { LoadedForms().Remove(this); }

void frmSplash::Unload() {
  LoadedForms().Remove(this);
  hide();
  deleteLater();
}

}  // namespace tw
