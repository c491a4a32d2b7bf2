// The main of window tests: a QApplication drawing offscreen, in the program's style.
#include <gtest/gtest.h>

#include <QApplication>

#include "widgets/app_style.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
  QApplication app(argc, argv);
  tw::ApplyProgramStyle(app);
  return RUN_ALL_TESTS();
}
