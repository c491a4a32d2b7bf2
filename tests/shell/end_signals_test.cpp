// SIGTERM, SIGHUP and SIGINT end a child copy of the program the orderly way. (SIGKILL and the next
// start: tests/reliability and tests/tracking/running_test.cpp.)
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <csignal>
#include <cstdio>
#include <filesystem>

#include "desktop/qt_end_signals.h"
#include "shell/frm_main.h"
#include "shell/setup_main.h"
#include "tests/support/fakes.h"
#include "tracking/running.h"
#include "tracking/stretch.h"

namespace tw {
namespace {

class EndSignalsTest : public test::PlatformTest {};

// The child: the program tracking a stretch in the parent's folder until a signal ends it.
TEST_F(EndSignalsTest, DISABLED_Child) {
  std::filesystem::remove_all(folder.path());
  system.folder = std::getenv("TW_CHILD_FOLDER");
  system.endExits = true;
  EndSignals endSignals(EndProgramNow);
  Setup::Main()->tracker().StartProject();  // the saved stretch tells the parent it is running
  QApplication::exec();
  std::_Exit(3);
}

TEST_F(EndSignalsTest, EachEndSignalRunsTheShutdown) {
  ::setenv("TW_CHILD_FOLDER", folder.path().c_str(), 1);
  folder.Write("project.lst", "Alpha\r\nBeta\r\n");
  const std::string record = "Beta,12/7/2026 9:01:23 PM,12/7/2026 9:01:23 PM,\r\n";
  for (int signal : {SIGTERM, SIGHUP, SIGINT}) {
    std::remove(folder.File("projrpt.pro").c_str());
    const pid_t child = ::fork();
    if (child == 0) {
      std::freopen("/dev/null", "w", stdout);
      ::execl("/proc/self/exe", "child", "--gtest_also_run_disabled_tests",
              "--gtest_filter=EndSignalsTest.DISABLED_Child", nullptr);
      ::_exit(99);
    }
    for (int i = 0; i < 5000 && !folder.Exists("projrpt.run"); ++i) ::usleep(1000);
    ::kill(child, signal);
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << signal;
    EXPECT_EQ(folder.Read("projrpt.pro"), record) << signal;
    EXPECT_EQ(folder.Read("projrpt.bak"), record) << signal;
    EXPECT_FALSE(folder.Exists("projrpt.run")) << signal;
  }
}

}  // namespace
}  // namespace tw
