#pragma once
// Designed places are in twips (1/1440 inch); widgets are placed in pixels. The conversion is made
// here only, at the display's current scaling.
#include <QColor>
#include <QRect>
#include <QWidget>

namespace tw {

int TwipsToPixels(double twips);
double PixelsToTwips(double pixels);
QRect TwipsRect(double left, double top, double width, double height);
// Places a control at its designed rectangle.
void PlaceTwips(QWidget* widget, double left, double top, double width, double height);

// The light yellow of the program's windows, labels and buttons.
inline QColor LightYellow() { return QColor(255, 255, 192); }
// Gives a window, label or button the program's background colour.
void PaintLightYellow(QWidget* widget);
// Black text of a role, active or not, on the program's own light colours: a desktop's dark palette
// would give light text there (disabled text keeps the desktop's grey).
void DarkInk(QPalette& palette, QPalette::ColorRole role);

}  // namespace tw
