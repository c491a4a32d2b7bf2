#include "app/caption_button.h"

#include <QStyleOptionButton>
#include <QStylePainter>

#include "app/twips.h"

namespace tw {

void CaptionButton::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  option.text.clear();
  painter.drawControl(QStyle::CE_PushButton, option);
  painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                 QPalette::ButtonText));
  const int inset = style()->pixelMetric(QStyle::PM_ButtonMargin, &option, this) / 2 + 1;
  painter.drawText(rect().adjusted(inset, inset, -inset, -inset),
                   Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, text());
}

CaptionButton* MakeCaptionButton(QWidget* parent, const char* name, const char* caption,
                                 const char* tip) {
  auto* button = new CaptionButton(QString::fromUtf8(caption), parent);
  button->setObjectName(name);
  button->setToolTip(QString::fromUtf8(tip));
  button->setAutoDefault(false);
  button->setDefault(false);
  PaintLightYellow(button);
  return button;
}

}  // namespace tw
