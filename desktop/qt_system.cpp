#include "desktop/qt_system.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>

namespace tw {

double QtSystem::TwipsPerPixel() const {
  const QScreen* screen = QGuiApplication::primaryScreen();
  const double dpi = screen ? screen->logicalDotsPerInchX() : 96.0;
  return 1440.0 / (dpi > 0 ? dpi : 96.0);
}

double QtSystem::ScreenWidthTwips() const {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->geometry().width() * TwipsPerPixel() : 0.0;
}

double QtSystem::ScreenHeightTwips() const {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->geometry().height() * TwipsPerPixel() : 0.0;
}

void QtSystem::Beep() { QApplication::beep(); }

void QtSystem::RestorePointer() {
  while (QGuiApplication::overrideCursor() != nullptr) QGuiApplication::restoreOverrideCursor();
}

}  // namespace tw
