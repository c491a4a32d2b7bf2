#include "widgets/twips.h"

#include <QPalette>
#include <cmath>

#include "platform/platform.h"

namespace tw {

int TwipsToPixels(double twips) {
  return static_cast<int>(std::lround(twips / platform().system->TwipsPerPixel()));
}

double PixelsToTwips(double pixels) { return pixels * platform().system->TwipsPerPixel(); }

QRect TwipsRect(double left, double top, double width, double height) {
  return QRect(TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height));
}

void PlaceTwips(QWidget* widget, double left, double top, double width, double height) {
  widget->setGeometry(TwipsRect(left, top, width, height));
}

void DarkInk(QPalette& palette, QPalette::ColorRole role) {
  palette.setColor(QPalette::Active, role, Qt::black);
  palette.setColor(QPalette::Inactive, role, Qt::black);
}

void PaintLightYellow(QWidget* widget) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, LightYellow());
  palette.setColor(QPalette::Button, LightYellow());
  DarkInk(palette, QPalette::WindowText);
  DarkInk(palette, QPalette::ButtonText);
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
}

}  // namespace tw
