// The main window's place and size are those of its outer rectangle, the window manager's frame
// included, whether it is shown or hidden in the notification area.
#include <gtest/gtest.h>

#include <QAction>
#include <QTest>

#include "app/frm_main.h"
#include "tests/support/fakes.h"
#include "widgets/twips.h"

namespace tw {
namespace {

class WindowFrameTest : public test::PlatformTest {};

TEST_F(WindowFrameTest, TheOuterRectangleIsAsDesignedAndCenterAppPlacesItShownOrHidden) {
  frmMain window;
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  ASSERT_NE(window.frameGeometry(), window.geometry()) << "no frame to measure";
  EXPECT_EQ(window.frameGeometry(), TwipsRect(3615, 2670, 4770, 3660));
  EXPECT_EQ(window.Height(), 3660);

  QAction* center = window.findChild<QAction*>("mnuOptionsCenterApp");
  center->trigger();
  const QRect centred = window.frameGeometry();
  EXPECT_EQ(centred.topLeft(), TwipsRect((19200 - 4770) / 2, (14400 - 3660) / 2, 0, 0).topLeft());
  window.SetLeft(0);
  window.hide();
  center->trigger();
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  EXPECT_EQ(window.frameGeometry(), centred);

  // Maximized anyway, it comes back.
  window.setWindowState(Qt::WindowMaximized);
  EXPECT_TRUE(QTest::qWaitFor([&] { return !window.isMaximized(); }));
  window.hide();
}

}  // namespace
}  // namespace tw
