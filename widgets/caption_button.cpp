#include "widgets/caption_button.h"

#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace tw {

void CaptionButton::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  option.text.clear();
  painter.drawControl(QStyle::CE_PushButtonBevel, option);
  // The style shades the face from near-white; the program's buttons are flat in their colour
  // (a little darker while pressed), inside the style's frame.
  const QColor face = palette().color(QPalette::Button);
  painter.fillRect(rect().adjusted(2, 2, -2, -2), isDown() || isChecked() ? face.darker(110) : face);
  painter.drawControl(QStyle::CE_PushButtonLabel, option);  // the picture, if any
  if (hasFocus()) {
    QStyleOptionFocusRect focus;
    focus.QStyleOption::operator=(option);
    focus.rect = style()->subElementRect(QStyle::SE_PushButtonFocusRect, &option, this);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
  }
  painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                 QPalette::ButtonText));
  const int inset = style()->pixelMetric(QStyle::PM_ButtonMargin, &option, this) / 2 + 1;
  painter.drawText(rect().adjusted(inset, inset, -inset, -inset),
                   Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, text());
}

}  // namespace tw
