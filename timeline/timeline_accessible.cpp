#include "timeline/timeline_accessible.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <QWidget>
#include <QWindow>
#include <map>
#include <vector>

#include "desktop/qt_text.h"
#include "platform/platform.h"
#include "platform/translate.h"
#include "timeline/timeline_view.h"
#include "desktop/qt_translations.h"

namespace tw {
namespace {

constexpr const char* kDeleteAction = "Delete";
constexpr const char* kKeysHelp = TW_TEXT(
    "TimelineAccessible",
    "Up and Down go from item to item, Left and Right to the same time of the next or last day, Tab from stretch "
    "to stretch. Enter edits a stretch or adds one in free time, Insert adds, Delete deletes. Alt+Up and Alt+Down "
    "move the start, Alt+Shift+Up and Alt+Shift+Down the end, Alt+Left and Alt+Right the whole stretch, "
    "Alt+Page Up and Alt+Page Down by a day; Enter saves such a change, Escape leaves it.");

// The registered objects of each view's items, by index.
std::map<const TimelineView*, std::vector<QAccessible::Id>>& Registered() {
  static std::map<const TimelineView*, std::vector<QAccessible::Id>> ids;
  return ids;
}

}  // namespace

class TimelineItemAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
 public:
  TimelineItemAccessible(TimelineView* view, int index) : view_(view), index_(index) {}

  bool isValid() const override { return view_ && index_ < static_cast<int>(view_->items().size()); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return view_ ? view_->window()->windowHandle() : nullptr; }
  QAccessibleInterface* parent() const override { return view_ ? QAccessible::queryAccessibleInterface(view_) : nullptr; }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessible::Role role() const override { return QAccessible::ListItem; }
  int index() const { return index_; }

  QString text(QAccessible::Text t) const override {
    if (!isValid()) return {};
    const TimelineItem& item = view_->items()[static_cast<std::size_t>(index_)];
    switch (t) {
      case QAccessible::Name:
        return view_->ItemText(index_);
      case QAccessible::Description:
        return item.kind == TimelineItem::Stretch
                   ? FromBytes(BlockTip(view_->timeline().blocks[item.block], *platform().dateFormat))
                   : QTr("TimelineAccessible", "Free time: Enter or Insert adds a stretch here");
      case QAccessible::Help:
        return QTr("TimelineAccessible", kKeysHelp);
      default:
        return {};
    }
  }
  void setText(QAccessible::Text, const QString&) override {}

  QRect rect() const override {
    if (!isValid()) return {};
    const QRect r = view_->ItemRect(index_);
    return QRect(view_->viewport()->mapToGlobal(r.topLeft()), r.size());
  }

  QAccessible::State state() const override {
    QAccessible::State s;
    if (!isValid()) {
      s.invalid = true;
      return s;
    }
    s.focusable = true;
    s.selectable = true;
    const bool chosen = view_->Selected() == index_;
    s.selected = chosen;
    s.focused = chosen && view_->hasFocus();
    s.active = chosen;
    const QRect r = view_->ItemRect(index_);
    s.offscreen = !r.intersects(view_->viewport()->rect());
    return s;
  }

  void* interface_cast(QAccessible::InterfaceType type) override {
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
  }

  QStringList actionNames() const override {
    if (!isValid()) return {};
    const TimelineItem& item = view_->items()[static_cast<std::size_t>(index_)];
    QStringList names{setFocusAction(), pressAction()};
    if (item.kind == TimelineItem::Stretch && !view_->timeline().blocks[item.block].running) names << kDeleteAction;
    names << showMenuAction();
    return names;
  }
  QString localizedActionDescription(const QString& name) const override {
    const bool stretch = isValid() && view_->items()[static_cast<std::size_t>(index_)].kind == TimelineItem::Stretch;
    if (name == pressAction())
      return stretch ? QTr("TimelineAccessible", "Edit the stretch") : QTr("TimelineAccessible", "Add a stretch in this free time");
    if (name == kDeleteAction) return QTr("TimelineAccessible", "Delete the stretch");
    if (name == setFocusAction()) return QTr("TimelineAccessible", "Select it");
    if (name == showMenuAction()) return QTr("TimelineAccessible", "Show its menu");
    return {};
  }
  QStringList keyBindingsForAction(const QString& name) const override {
    if (name == pressAction()) return {"Return"};
    if (name == kDeleteAction) return {"Delete"};
    if (name == showMenuAction()) return {"Menu"};
    return {};
  }
  void doAction(const QString& name) override {
    if (!isValid()) return;
    const TimelineItem item = view_->items()[static_cast<std::size_t>(index_)];
    view_->setFocus(Qt::OtherFocusReason);
    view_->Select(index_);
    if (name == pressAction()) {
      if (item.kind == TimelineItem::Stretch) {
        if (view_->onEdit) view_->onEdit(view_->timeline().blocks[item.block]);
      } else {
        view_->AddInSelection();
      }
    } else if (name == kDeleteAction && item.kind == TimelineItem::Stretch) {
      if (view_->onDelete) view_->onDelete(view_->timeline().blocks[item.block]);
    } else if (name == showMenuAction()) {
      view_->OpenMenu(view_->viewport()->mapToGlobal(view_->ItemRect(index_).center()), std::nullopt);
    }
  }

 private:
  QPointer<TimelineView> view_;
  int index_;
};

namespace {

// The object of item `index` of a view, made once and kept until the items change.
QAccessibleInterface* ItemInterface(TimelineView* view, int index) {
  if (index < 0 || index >= static_cast<int>(view->items().size())) return nullptr;
  std::vector<QAccessible::Id>& ids = Registered()[view];
  if (ids.size() < view->items().size()) ids.resize(view->items().size(), 0);
  QAccessible::Id& id = ids[static_cast<std::size_t>(index)];
  if (id == 0) id = QAccessible::registerAccessibleInterface(new TimelineItemAccessible(view, index));
  return QAccessible::accessibleInterface(id);
}

}  // namespace

class TimelineAccessible : public QAccessibleWidget {
 public:
  explicit TimelineAccessible(TimelineView* view) : QAccessibleWidget(view, QAccessible::List) {}
  TimelineView* view() const { return static_cast<TimelineView*>(widget()); }

  int childCount() const override { return static_cast<int>(view()->items().size()); }
  QAccessibleInterface* child(int index) const override { return ItemInterface(view(), index); }
  int indexOfChild(const QAccessibleInterface* child) const override {
    const auto* item = dynamic_cast<const TimelineItemAccessible*>(child);
    return item && item->isValid() ? item->index() : -1;
  }
  QAccessibleInterface* focusChild() const override {
    return view()->hasFocus() && view()->Selected() >= 0 ? child(view()->Selected()) : nullptr;
  }
  QAccessibleInterface* childAt(int x, int y) const override {
    const int index = view()->ItemAt(view()->viewport()->mapFromGlobal(QPoint(x, y)));
    return index >= 0 ? child(index) : nullptr;
  }
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Help) return QTr("TimelineAccessible", kKeysHelp);
    return QAccessibleWidget::text(t);
  }
};

void InstallTimelineAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory([](const QString& className, QObject* object) -> QAccessibleInterface* {
      if (className == "tw::TimelineView" && object && object->isWidgetType())
        return new TimelineAccessible(static_cast<TimelineView*>(object));
      return nullptr;
    });
    return true;
  }();
  (void)installed;
}

void TimelineItemsChanged(TimelineView* view, bool announce) {
  const auto found = Registered().find(view);
  if (found == Registered().end()) return;
  for (QAccessible::Id id : found->second)
    if (id != 0) QAccessible::deleteAccessibleInterface(id);
  Registered().erase(found);
  if (announce && QAccessible::isActive()) {
    QAccessibleEvent reorder(view, QAccessible::ObjectReorder);
    QAccessible::updateAccessibility(&reorder);
  }
}

void TimelineFocusMoved(TimelineView* view, int index, QAccessible::Event event) {
  if (!QAccessible::isActive() || index < 0 || !view->hasFocus()) return;
  QAccessibleEvent moved(view, event);
  moved.setChild(index);
  QAccessible::updateAccessibility(&moved);
  QAccessibleEvent selection(view, QAccessible::Selection);
  selection.setChild(index);
  QAccessible::updateAccessibility(&selection);
}

}  // namespace tw
