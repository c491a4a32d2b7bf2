// The main window's load and unload sequences.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>

#include "shell/lifecycle.h"
#include "tests/support/fakes.h"

namespace tw {
namespace {

class FakeForm : public LoadedForm {
 public:
  FakeForm(Forms& forms, test::EventLog& log, std::string name) : forms_(forms), log_(log), name_(std::move(name)) {
    forms_.Add(this);
  }
  void Unload() override {
    log_.push_back("unload:" + name_);
    forms_.Remove(this);
  }

 private:
  Forms& forms_;
  test::EventLog& log_;
  std::string name_;
};

class LifecycleTest : public test::PlatformTest {
 protected:
  LifecycleTest() {
    FakeForm* main = new FakeForm(forms, log, "main");
    owned.emplace_back(main);
    form.left = 1500;
    form.top = 1200;
    form.width = 4770;
    form.height = 3660;
  }
  void Unload() {
    try {
      MainFormUnload(form, forms, record);
    } catch (const test::ProcessEnded&) {
    }
  }
  Forms forms;
  std::vector<std::unique_ptr<FakeForm>> owned;
  test::FakeMainView form;
  IconRecord record{"the icon start-up added"};
};

// With no settings at all: MainWindowTest's designed place.
TEST_F(LifecycleTest, LoadTakesEachSettingOrItsDefault) {
  // A stored place off the screen is applied as it is; a value that is not a number is absent.
  settings.values = {{"MainLeft", "-30000"}, {"MainTop", "12.5"}, {"MainWidth", "wide"}, {"MainHeight", ""}};
  MainFormLoad(form);
  EXPECT_EQ(std::vector<double>({form.left, form.top, form.width, form.height}),
            std::vector<double>({-30000, 12.5, 4770, 3660}));
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(LifecycleTest, ShutdownRecordsTheRunningStretchFirstAndBacksUpLast) {
  owned.emplace_back(new FakeForm(forms, log, "about"));
  owned.emplace_back(new FakeForm(forms, log, "editor"));
  form.SetStartText("12/7/2026 8:00:00 PM");
  form.SetProjectText("Alpha");
  LogFileSteps();
  Unload();
  // The date form, the record, the windows (newest first), geometry, icon, backup, end.
  const auto at = [&](const char* event) { return std::find(log.begin(), log.end(), event) - log.begin(); };
  const char* const order[] = {"rename:projrpt.fmt", "sync:projrpt.pro",   "unload:editor", "unload:about",
                               "save:MainHeight",    "icon:remove",        "rename:projrpt.bak", "end:0"};
  for (size_t i = 0; i + 1 < std::size(order); ++i) EXPECT_LT(at(order[i]), at(order[i + 1])) << order[i];
  EXPECT_EQ(log.back(), "end:0");
  const std::string line = "Alpha,12/7/2026 8:00:00 PM,12/7/2026 9:01:23 PM,\r\n";
  EXPECT_EQ(folder.Read("projrpt.pro"), line);
  EXPECT_EQ(folder.Read("projrpt.bak"), line);
  EXPECT_EQ(settings.values["MainLeft"], "1500");
  EXPECT_EQ(shell.icons.at(0), record);
  EXPECT_EQ(forms.Count(), 1);
  EXPECT_TRUE(form.EndText().empty());
}

TEST_F(LifecycleTest, NothingRunningMinimizedAndNoReport) {
  form.SetStartText("12/7/2026 8:00:00 PM");
  form.SetEndText("later");  // not empty: the stretch is not running
  form.minimized = true;
  folder.Write("projrpt.bak", "previous");
  Unload();
  // No record, no geometry, no backup change, no message: the routine ends quietly.
  EXPECT_EQ(log, (test::EventLog{"icon:remove"}));
  EXPECT_FALSE(folder.Exists("projrpt.pro"));
  EXPECT_EQ(folder.Read("projrpt.bak"), "previous");
}


}  // namespace
}  // namespace tw
