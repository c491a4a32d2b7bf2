#include "widgets/controls.h"

#include <QComboBox>
#include <QHeaderView>
#include <QStyleOptionComboBox>
#include <QStyleOptionButton>
#include <algorithm>
#include <map>
#include <vector>

#include "widgets/caption_button.h"
#include "widgets/twips.h"

namespace tw {
namespace {

// The rectangle a caption takes when drawn within width, as the control draws it.
QRect CaptionRect(const QWidget* control, int width, int flags, const QString& text) {
  return control->fontMetrics().boundingRect(QRect(0, 0, width, 1 << 20), flags, text);
}

// A list box of the program's own texts (the data's, like project names, come later) as wide as
// the longest, so that the chosen one shows whole.
void FitChoices(QComboBox* box) {
  int widest = 0;
  for (int i = 0; i < box->count(); ++i) widest = std::max(widest, box->fontMetrics().horizontalAdvance(box->itemText(i)));
  QStyleOptionComboBox option;
  option.initFrom(box);
  const int room = box->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, box).width();
  if (widest > room) box->resize(box->width() + widest - room, box->height());
}

void FitCaption(QWidget* control) {
  if (auto* box = qobject_cast<QComboBox*>(control); box && !box->isEditable()) {
    FitChoices(box);
    return;
  }
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
  DarkInk(palette, QPalette::Text);
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

namespace {

// Where a control shows something: a label only where its text stands, which may be less than its
// rectangle; any other control everywhere.
QRect Occupied(const QWidget* w) {
  const auto* label = qobject_cast<const QLabel*>(w);
  if (!label || !label->pixmap().isNull() || label->text().isEmpty()) return w->geometry();
  const int flags = static_cast<int>(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
  return w->fontMetrics().boundingRect(w->contentsRect(), flags, label->text()).translated(w->pos()) & w->geometry();
}

struct Placed {
  QWidget* control;
  QRect designed;  // before its caption was fitted
};

// Moves the controls of one parent that a grown caption now runs into: along x, each column of
// controls (those designed with the same left edge) as far right as the controls before it, which
// it shares rows with, reach now, keeping their designed gap; then along y the same with rows.
// Controls that only touch (two pixels) are left where they are, so a window whose captions fit
// keeps its design.
void MakeRoom(std::vector<Placed>& placed, bool alongX) {
  const auto start = [alongX](const QRect& r) { return alongX ? r.left() : r.top(); };
  const auto end = [alongX](const QRect& r) { return alongX ? r.right() : r.bottom(); };
  const auto across = [alongX](const QRect& a, const QRect& b) {
    return alongX ? std::min(a.bottom(), b.bottom()) - std::max(a.top(), b.top()) > 2
                  : std::min(a.right(), b.right()) - std::max(a.left(), b.left()) > 2;
  };
  std::vector<int> lines;
  for (const Placed& p : placed) lines.push_back(start(p.designed));
  std::sort(lines.begin(), lines.end());
  lines.erase(std::unique(lines.begin(), lines.end()), lines.end());
  for (int line : lines) {
    int shift = 0;
    for (const Placed& b : placed) {
      if (start(b.designed) != line) continue;
      for (const Placed& a : placed) {
        if (start(a.designed) >= line) continue;
        const QRect now = Occupied(a.control), mine = Occupied(b.control);
        if (!across(now, mine) || end(now) - start(mine) + 1 <= 2) continue;
        const int gap = std::max(0, start(b.designed) - end(a.designed) - 1);
        shift = std::max(shift, end(now) + 1 + gap - start(mine));
      }
    }
    if (shift == 0) continue;
    for (Placed& b : placed)
      if (start(b.designed) == line) b.control->move(b.control->pos() + (alongX ? QPoint(shift, 0) : QPoint(0, shift)));
  }
}

// Grows parent, and the window it lies in, to hold its controls where they grew past the design.
void HoldControls(QWidget* parent, const std::vector<Placed>& placed) {
  QRect designed, now;
  for (const Placed& p : placed) {
    designed |= p.designed;
    now |= p.control->geometry();
  }
  if (now.right() <= designed.right() && now.bottom() <= designed.bottom()) return;
  // The margins of the design's left and top edges on the right and at the bottom too: a window's
  // client area may not have its size yet.
  const QSize wanted = parent->size().expandedTo(
      QSize(now.right() + 1 + std::max(0, designed.left()), now.bottom() + 1 + std::max(0, designed.top())));
  if (wanted == parent->size()) return;
  const QSize more = wanted - parent->size();
  for (QWidget* w = parent; w; w = w->isWindow() ? nullptr : w->parentWidget()) {
    const QSize size = w == parent ? wanted : w->size() + more;
    if (w->minimumSize() == w->maximumSize() && !w->minimumSize().isEmpty()) {
      w->setFixedSize(size);
    } else {
      w->setMinimumSize(w->minimumSize().expandedTo(w == parent ? wanted : QSize()));
      w->resize(size.expandedTo(w->size()));
    }
  }
}

}  // namespace

void FitCaptions(QWidget* window) {
  std::map<QWidget*, std::vector<Placed>> byParent;
  for (QWidget* control : window->findChildren<QWidget*>()) {
    // The program's own controls, placed by hand: not the parts of Qt's controls, nor what a
    // layout sizes.
    QWidget* parent = control->parentWidget();
    if (control->isWindow() || control->objectName().isEmpty() ||
        control->objectName().startsWith("qt_") || (parent != nullptr && parent->layout() != nullptr))
      continue;
    if (!control->isHidden()) byParent[parent].push_back({control, control->geometry()});
    FitCaption(control);
  }
  // In a language whose captions are longer, the controls after a grown one make room for it, and
  // the window grows to hold them.
  for (auto& [parent, placed] : byParent) {
    MakeRoom(placed, true);
    MakeRoom(placed, false);
    if (parent) HoldControls(parent, placed);
  }
}

}  // namespace tw
