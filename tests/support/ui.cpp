#include "tests/support/ui.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>

namespace tw::test {

void Click(const QWidget& window, const char* name) {
  if (auto* button = Child<QAbstractButton>(window, name)) QTest::mouseClick(button, Qt::LeftButton);
}

void Retype(const QWidget& window, const char* name, const QString& text) {
  QWidget* box = Child(window, name);
  if (!box) return;
  if (auto* line = qobject_cast<QLineEdit*>(box)) line->selectAll();
  if (auto* plain = qobject_cast<QPlainTextEdit*>(box)) plain->selectAll();
  QTest::keyClick(box, Qt::Key_Backspace);
  const QStringList lines = text.split('\n');
  for (qsizetype i = 0; i < lines.size(); ++i) {
    if (i > 0) QTest::keyClick(box, Qt::Key_Return);
    QTest::keyClicks(box, lines[i]);
  }
}

std::vector<std::string> TabOrder(int count) {
  std::vector<std::string> order;
  for (int i = 0; i < count && QApplication::focusWidget(); ++i) {
    order.push_back(QApplication::focusWidget()->objectName().toStdString());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  }
  return order;
}

bool WhileShown(const std::function<void()>& show, const std::function<void()>& act) {
  bool ran = false;
  QTimer::singleShot(0, [&] {
    ran = true;
    act();
  });
  show();
  if (!ran) QTest::qWait(1);
  return ran;
}

}  // namespace tw::test
