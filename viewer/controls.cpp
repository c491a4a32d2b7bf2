#include "viewer/controls.h"

#include <QPainter>
#include <QPixmap>
#include <QPolygonF>
#include <QTransform>

#include "app/caption_button.h"
#include "app/twips.h"

namespace tw {

QPushButton* MakeReportButton(QWidget* parent, const char* name, const char* caption,
                              const char* tip) {
  auto* button = new CaptionButton(QString::fromUtf8(caption), parent);
  button->setObjectName(name);
  button->setToolTip(QString::fromUtf8(tip));
  button->setAutoDefault(false);
  button->setDefault(false);
  PaintLightYellow(button);
  return button;
}

QLabel* MakeReportLabel(QWidget* parent, const char* name, const char* caption) {
  auto* label = new QLabel(QString::fromUtf8(caption), parent);
  label->setObjectName(name);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  PaintLightYellow(label);
  return label;
}

QIcon ArrowIcon(ArrowDirection direction) {
  // An arrow pointing right, turned as asked: a shaft and a head.
  constexpr int kSize = 20;
  QPixmap picture(kSize, kSize);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.translate(kSize / 2.0, kSize / 2.0);
  painter.rotate(direction == ArrowDirection::Left ? 180 : direction == ArrowDirection::Down ? 90 : 0);
  const QPolygonF arrow({{-8, -2.5}, {1, -2.5}, {1, -7}, {8.5, 0}, {1, 7}, {1, 2.5}, {-8, 2.5}});
  painter.setPen(QPen(QColor(0, 0, 96), 1));
  painter.setBrush(QColor(0, 64, 160));
  painter.drawPolygon(arrow);
  painter.end();
  return QIcon(picture);
}

}  // namespace tw
