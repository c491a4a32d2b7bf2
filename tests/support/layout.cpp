#include "tests/support/layout.h"

#include <QAbstractButton>
#include <QFontMetrics>
#include <QLabel>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTreeWidget>
#include <algorithm>

namespace tw::test {
namespace {

bool IsControl(const QWidget* w) {
  const QString name = w->objectName();
  return !w->isWindow() && !w->isHidden() && !name.isEmpty() && !name.startsWith("qt_");
}

std::string Name(const QWidget* w) { return w->objectName().toStdString(); }

// Room the text needs, laid out as the control draws it.
std::string CaptionProblem(const QWidget* w) {
  QString text;
  int flags = Qt::TextShowMnemonic;
  QRect room = w->contentsRect();
  if (const auto* label = qobject_cast<const QLabel*>(w)) {
    if (label->pixmap().isNull()) text = label->text();
    if (label->wordWrap()) flags |= Qt::TextWordWrap;
    room = room.adjusted(label->margin(), label->margin(), -label->margin(), -label->margin());
  } else if (const auto* button = qobject_cast<const QAbstractButton*>(w)) {
    text = button->text();
    flags |= Qt::TextWordWrap;
    QStyleOptionButton option;
    option.initFrom(button);
    const int inset = w->style()->pixelMetric(QStyle::PM_ButtonMargin, &option, w) / 2 + 1;
    room = room.adjusted(inset, inset, -inset, -inset);
  }
  if (text.isEmpty()) return {};
  const QRect needed = w->fontMetrics().boundingRect(QRect(0, 0, room.width(), 100000), flags, text);
  // A word longer than the line is cut, not wrapped: it shows as a wider rectangle.
  if (needed.width() <= room.width() && needed.height() <= room.height()) return {};
  return Name(w) + ": \"" + text.toStdString() + "\" needs " + std::to_string(needed.width()) + "x" +
         std::to_string(needed.height()) + " px, has " + std::to_string(room.width()) + "x" +
         std::to_string(room.height());
}

// Where a control shows something: a label only where its text or picture stands, which may be
// less than its rectangle; any other control everywhere.
QRect Occupied(const QWidget* w) {
  const auto* label = qobject_cast<const QLabel*>(w);
  if (!label || !label->pixmap().isNull() || label->text().isEmpty()) return w->geometry();
  const int flags = static_cast<int>(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
  const QRect text = w->fontMetrics().boundingRect(w->contentsRect(), flags, label->text());
  return text.translated(w->pos()) & w->geometry();
}

void Check(const QWidget& parent, bool captions, std::vector<std::string>& problems) {
  std::vector<const QWidget*> controls;
  for (const QObject* child : parent.children()) {
    const auto* w = qobject_cast<const QWidget*>(child);
    if (!w || w->isWindow()) continue;
    // A page not shown (a tab behind another) is laid out when it shows.
    if (!w->isHidden()) Check(*w, captions, problems);
    if (IsControl(w)) controls.push_back(w);
  }
  const QRect inside = parent.rect();
  for (size_t i = 0; i < controls.size(); ++i) {
    const QWidget* w = controls[i];
    if (!inside.contains(w->geometry()))
      problems.push_back(Name(w) + ": outside " + Name(&parent));
    for (size_t j = i + 1; j < controls.size(); ++j) {
      const QRect both = Occupied(w) & Occupied(controls[j]);
      if (both.width() > 2 && both.height() > 2)
        problems.push_back(Name(w) + ": overlaps " + Name(controls[j]));
    }
    if (captions) {
      if (std::string caption = CaptionProblem(w); !caption.empty()) problems.push_back(caption);
    }
  }
}

}  // namespace

std::vector<std::string> LayoutProblems(const QWidget& window, bool captions) {
  std::vector<std::string> problems;
  Check(window, captions, problems);
  return problems;
}

std::vector<std::string> CutCells(const QWidget& window) {
  std::vector<std::string> problems;
  for (const QTreeWidget* table : window.findChildren<QTreeWidget*>()) {
    if (!table->isVisible()) continue;
    // A cell's text stands between the item view's margins, one each side.
    const int margins = 2 * (table->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, table) + 1);
    for (int column = 0; column < table->columnCount(); ++column) {
      int needed = 0;
      for (int row = 0; row < table->topLevelItemCount(); ++row) {
        const QTreeWidgetItem* item = table->topLevelItem(row);
        needed = std::max(needed, QFontMetrics(item->font(column)).horizontalAdvance(item->text(column)) + margins);
      }
      if (needed > table->columnWidth(column))
        problems.push_back(Name(table) + ": column \"" + table->headerItem()->text(column).toStdString() + "\" needs " +
                           std::to_string(needed) + " px, has " + std::to_string(table->columnWidth(column)));
    }
  }
  return problems;
}

}  // namespace tw::test
