#include "widgets/controls.h"

#include <QHeaderView>
#include <QStyleOptionButton>
#include <algorithm>

#include "widgets/caption_button.h"
#include "widgets/twips.h"

namespace tw {
namespace {

// The rectangle a caption takes when drawn within width, as the control draws it.
QRect CaptionRect(const QWidget* control, int width, int flags, const QString& text) {
  return control->fontMetrics().boundingRect(QRect(0, 0, width, 1 << 20), flags, text);
}

void FitCaption(QWidget* control) {
  QString text;
  int flags = Qt::TextShowMnemonic;
  int inset = 0;
  const auto* label = qobject_cast<const QLabel*>(control);
  const auto* button = qobject_cast<const QPushButton*>(control);
  if (label != nullptr && label->pixmap().isNull()) {
    text = label->text();
    if (label->wordWrap()) flags |= Qt::TextWordWrap;
    inset = label->margin();
  } else if (button != nullptr) {
    text = button->text();
    flags |= Qt::TextWordWrap;
    QStyleOptionButton option;
    option.initFrom(button);
    inset = control->style()->pixelMetric(QStyle::PM_ButtonMargin, &option, control) / 2 + 1;
  }
  if (text.isEmpty()) return;
  const QRect room = control->contentsRect().adjusted(inset, inset, -inset, -inset);
  QRect needed = CaptionRect(control, room.width(), flags, text);
  if (button != nullptr && needed.height() > room.height()) {
    // A button too low for its caption wrapped takes it on one line.
    needed = CaptionRect(control, room.width(), flags & ~Qt::TextWordWrap, text);
  }
  const int wider = std::max(0, needed.width() - room.width());
  if (wider > 0 && (flags & Qt::TextWordWrap)) {
    needed = CaptionRect(control, room.width() + wider, flags, text);
  }
  const int taller = std::max(0, needed.height() - room.height());
  if (wider == 0 && taller == 0) return;
  QRect place = control->geometry();
  if (label != nullptr && (label->alignment() & Qt::AlignRight)) {
    place.setLeft(place.left() - wider);
  } else {
    place.setWidth(place.width() + wider);
  }
  place.setHeight(place.height() + taller);
  control->setGeometry(place);
}

}  // namespace

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& caption) {
  auto* label = new QLabel(caption, parent);
  label->setObjectName(name);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  PaintLightYellow(label);
  return label;
}

QTreeWidget* MakeList(QWidget* parent, const char* name, const QStringList& headers) {
  auto* list = new QTreeWidget(parent);
  list->setObjectName(name);
  list->setColumnCount(static_cast<int>(headers.size()));
  list->setHeaderLabels(headers);
  list->setRootIsDecorated(false);
  list->setUniformRowHeights(true);
  list->setEditTriggers(QAbstractItemView::NoEditTriggers);
  list->setSelectionBehavior(QAbstractItemView::SelectRows);
  list->header()->setSectionsMovable(false);
  list->header()->setStretchLastSection(false);
  QPalette palette = list->palette();
  palette.setColor(QPalette::Base, LightYellow());
  list->setPalette(palette);
  return list;
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

void FitCaptions(QWidget* window) {
  for (QWidget* control : window->findChildren<QWidget*>()) {
    // The program's own controls, placed by hand: not the parts of Qt's controls, nor what a
    // layout sizes.
    const QWidget* parent = control->parentWidget();
    if (control->isWindow() || control->objectName().isEmpty() ||
        control->objectName().startsWith("qt_") || (parent != nullptr && parent->layout() != nullptr))
      continue;
    FitCaption(control);
  }
}

}  // namespace tw
