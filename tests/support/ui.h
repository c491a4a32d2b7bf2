#pragma once
// Driving real windows in tests: controls found by name, clicks, typing, the focus order, and acting
// on a modal window while the call that shows it waits.
#include <gtest/gtest.h>

#include <QString>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

namespace tw::test {

// The named child of window; the test fails when there is none.
template <class W = QWidget>
W* Child(const QWidget& window, const char* name) {
  W* w = window.findChild<W*>(name);
  EXPECT_NE(w, nullptr) << name;
  return w;
}

void Click(const QWidget& window, const char* name);
// Types text into the named text box in place of what it holds; "\n" is the Enter key.
void Retype(const QWidget& window, const char* name, const QString& text);
// The names of the controls the focus visits from the focused one, count of them, by Tab.
std::vector<std::string> TabOrder(int count);
// Runs `show`, which waits in a modal window; `act` runs once that window is up. False when the
// window never came up.
bool WhileShown(const std::function<void()>& show, const std::function<void()>& act);

}  // namespace tw::test
