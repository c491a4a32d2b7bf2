#include "widgets/readable_label.h"

#include <QAccessibleWidget>

namespace tw {
namespace {

constexpr const char* kReadable = "twReadable";

// Qt's own interface of a label gives its text only as the name, which here is the label's caption.
class ReadableLabel : public QAccessibleWidget, public QAccessibleTextInterface {
 public:
  explicit ReadableLabel(QLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

  void* interface_cast(QAccessible::InterfaceType type) override {
    return type == QAccessible::TextInterface ? static_cast<QAccessibleTextInterface*>(this)
                                              : QAccessibleWidget::interface_cast(type);
  }
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Value) return Shown();
    return QAccessibleWidget::text(t);
  }

  // QAccessibleTextInterface: the shown text, read-only, no selection.
  void selection(int, int* start, int* end) const override { *start = *end = 0; }
  int selectionCount() const override { return 0; }
  void addSelection(int, int) override {}
  void removeSelection(int) override {}
  void setSelection(int, int, int) override {}
  int cursorPosition() const override { return 0; }
  void setCursorPosition(int) override {}
  QString text(int start, int end) const override { return Shown().mid(start, end - start); }
  int characterCount() const override { return static_cast<int>(Shown().size()); }
  QRect characterRect(int) const override { return {}; }
  int offsetAtPoint(const QPoint&) const override { return -1; }
  void scrollToSubstring(int, int) override {}
  QString attributes(int, int* start, int* end) const override {
    *start = 0;
    *end = characterCount();
    return {};
  }

 private:
  QString Shown() const { return static_cast<const QLabel*>(widget())->text(); }
};

}  // namespace

void MakeReadable(QLabel* label) {
  static const bool installed = [] {
    QAccessible::installFactory([](const QString&, QObject* object) -> QAccessibleInterface* {
      if (auto* label = qobject_cast<QLabel*>(object); label && label->property(kReadable).toBool())
        return new ReadableLabel(label);
      return nullptr;
    });
    return true;
  }();
  (void)installed;
  label->setProperty(kReadable, true);
}

}  // namespace tw
