#include "app/app_style.h"

#include <QApplication>
#include <QFont>
#include <QStyleFactory>

namespace tw {

void ApplyProgramStyle(QApplication& app) {
  QApplication::setStyle(QStyleFactory::create("Fusion"));
  // The windows were laid out for MS Sans Serif 8 point; these faces have its metrics.
  QFont::insertSubstitutions("MS Sans Serif", {"Liberation Sans", "Arial", "Nimbus Sans", "DejaVu Sans"});
  QFont font("MS Sans Serif");
  font.setPointSizeF(8.25);
  app.setFont(font);
}

}  // namespace tw
