#include "widgets/app_style.h"

#include <QApplication>
#include <QStyleFactory>

#include "widgets/program_icon.h"

namespace tw {

void ApplyProgramStyle(QApplication& app) {
  QApplication::setStyle(QStyleFactory::create("Fusion"));
  // The windows were laid out for MS Sans Serif 8 point; these faces have its metrics.
  QFont::insertSubstitutions("MS Sans Serif", {"Liberation Sans", "Arial", "Nimbus Sans", "DejaVu Sans"});
  app.setFont(SansFont(8.25, false));
  // Every window shows the stopwatch, also those without an owner (the project list editor, the
  // message boxes).
  QApplication::setWindowIcon(ProgramIcon());
}

QFont SansFont(double points, bool bold) {
  QFont font("MS Sans Serif");
  font.setPointSizeF(points);
  font.setBold(bold);
  return font;
}

QFont DisplayFont(double points, bool bold) {
  QFont font;
  // A book face with display character where the desktop has one, a serif face otherwise.
  font.setFamilies({"URW Bookman", "Bookman Old Style", "URW Bookman L", "P052", "Liberation Serif",
                    "DejaVu Serif"});
  font.setStyleHint(QFont::Decorative, QFont::PreferQuality);
  font.setPointSizeF(points);
  font.setBold(bold);
  return font;
}

}  // namespace tw
