// The main of window tests: a QApplication drawing offscreen, in the program's style, with the fake
// system's scaling that of its screen.
#include <gtest/gtest.h>

#include <QApplication>
#include <QScreen>

#include "tests/support/fakes.h"
#include "widgets/app_style.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
  QApplication app(argc, argv);
  tw::ApplyProgramStyle(app);
  tw::test::screenTwipsPerPixel = 1440.0 / QGuiApplication::primaryScreen()->logicalDotsPerInchX();
  return RUN_ALL_TESTS();
}
