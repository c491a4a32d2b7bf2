#include "widgets/controls.h"

#include "widgets/caption_button.h"
#include "widgets/twips.h"

namespace tw {

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& caption) {
  auto* label = new QLabel(caption, parent);
  label->setObjectName(name);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  PaintLightYellow(label);
  return label;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption, const QString& tip) {
  auto* button = new CaptionButton(caption, parent);
  button->setObjectName(name);
  button->setToolTip(tip);
  button->setAutoDefault(false);
  button->setDefault(false);
  PaintLightYellow(button);
  return button;
}

void SizeToText(QLabel* label) {
  const QSize size = label->sizeHint();
  QRect place = label->geometry();
  if (label->alignment() & Qt::AlignRight) {
    place.setLeft(place.right() + 1 - size.width());
  } else {
    place.setWidth(size.width());
  }
  place.setHeight(size.height());
  label->setGeometry(place);
}

}  // namespace tw
