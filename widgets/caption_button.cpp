#include "widgets/caption_button.h"

#include <QStyleOptionButton>
#include <QStylePainter>

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

}  // namespace tw
