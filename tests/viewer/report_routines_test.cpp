// ShowReport and UpdateReport without windows, against stand-ins that log what they are asked.
#include <gtest/gtest.h>

#include <cerrno>
#include <memory>

#include "errors/error.h"
#include "tests/support/fakes.h"
#include "viewer/report_routines.h"

namespace tw {
namespace {

const std::string kAlpha = "Alpha,12/7/2026 9:00:00 AM,12/7/2026 10:30:00 AM,layout";
const std::string kBeta = "Beta,12/7/2026 11:00:00 AM,12/7/2026 1:45:00 PM,";
const std::string kFile = kAlpha + "\r\n\r\nOther,12/8/2026 9:00 AM,12/8/2026 9:30 AM,\r\n" + kBeta + "\r\n";

class FakeReport : public ReportWindow {
 public:
  FakeReport(MainView& main, test::EventLog& log) : main_(main), log_(log) {}
  void Load(const DateTime&) override { log_.push_back("load"); }
  void Fill(DayReport report) override {
    report_ = std::move(report);
    log_.push_back("fill:" + std::to_string(report_.rows.size()));
  }
  const DayRow* RowAt(int p) const override {
    return p >= 1 && p <= static_cast<int>(report_.rows.size()) ? &report_.rows[p - 1] : nullptr;
  }
  MainView& mainView() const override { return main_; }
  void AtClose(std::function<void()> action) override { atClose_.push_back(std::move(action)); }
  void Unload() override {
    log_.push_back("unload");
    Closed();
  }
  void Closed() {
    for (auto& action : std::exchange(atClose_, {})) action();
  }

 private:
  MainView& main_;
  test::EventLog& log_;
  DayReport report_;
  std::vector<std::function<void()>> atClose_;
};

class FakeEditor : public EntryEditor {
 public:
  EntryTexts Entry() const override { return entry; }
  void Unload() override { unloaded = true; }
  EntryTexts entry;
  bool unloaded = false;
};

// Shows a new window "modally": while it is shown, `whileShown` runs, as the user would act.
class FakeScreens : public ReportScreens {
 public:
  explicit FakeScreens(test::EventLog& log) : log_(log) {}
  ReportWindow* LoadedReport() override { return shown; }
  EntryEditor* LoadedEditor() override { return editor.get(); }
  ReportWindow* NewReport(MainView& main) override { return new FakeReport(main, log_); }
  void ShowModal(ReportWindow* window) override {
    shown = static_cast<FakeReport*>(window);
    log_.push_back("modal");
    if (whileShown) std::exchange(whileShown, nullptr)();
    shown->Closed();
    shown = nullptr;
  }
  void Destroy(ReportWindow* window) override { delete window; }

  FakeReport* shown = nullptr;
  std::unique_ptr<FakeEditor> editor;
  std::function<void()> whileShown;

 private:
  test::EventLog& log_;
};

class ReportRoutinesTest : public test::PlatformTest {
 protected:
  ReportRoutinesTest() { folder.Write("projrpt.pro", kFile); }
  // Opens the editor on a row of the window shown and runs UpdateReport.
  void Update(EntryAction action, int row, const std::string& line = "") {
    screens.editor = std::make_unique<FakeEditor>();
    const auto f = *SplitRecord(line);
    screens.editor->entry = {std::string(f.project), std::string(f.start), std::string(f.end),
                             std::string(f.comment)};
    Setup::UpdateReport(action, row, clock.now, screens);
  }
  test::FakeMainView main;
  FakeScreens screens{log};
};

TEST_F(ReportRoutinesTest, ShowReportRefillsTheWindowShowingAndClosesItWithoutAReport) {
  bool after = false;
  const DateTime nextDay{clock.now.day + 1, 0};
  screens.whileShown = [&] {
    // A day button: the same window, filled again
    Setup::ShowReport(main, screens, nextDay, [&] { log.push_back("inner done"); });
    ::unlink(folder.File("projrpt.pro").c_str());
    Setup::ShowReport(main, screens, nextDay);  // the file is gone: the window closes
  };
  Setup::ShowReport(main, screens, clock.now, [&] { after = true; });
  EXPECT_EQ(log, (test::EventLog{"load", "fill:2", "modal", "load", "fill:1", "unload", "inner done"}));
  EXPECT_TRUE(after);
  // No report: no window, no message, and what follows runs at once.
  after = false;
  Setup::ShowReport(main, screens, clock.now, [&] { after = true; });
  EXPECT_TRUE(after);
  EXPECT_TRUE(dialogs.shown.empty());

  folder.Write("projrpt.pro", kFile);
  files.SetHook([](FileStep step, const std::string&) { return step == FileStep::Read ? EIO : 0; });
  log.clear();
  Setup::ShowReport(main, screens, clock.now);
  EXPECT_EQ(log, (test::EventLog{"pointer", "beep", "box:Design-Time Error [57] [Setup/ShowReport]"}));
}

TEST_F(ReportRoutinesTest, UpdateReportChangesOnlyTheRowsLineOrNothing) {
  const std::string changed = kAlpha + " and more\r\n" + kBeta + "\r\n";
  screens.whileShown = [&] {
    folder.Write("projrpt.pro", changed);  // another program changed the line since it was read
    Update(EntryAction::Update, 1, kAlpha + ",x");
    EXPECT_EQ(dialogs.shown.at(0).prompt, kStaleEntryMessage);
    EXPECT_EQ(folder.Read("projrpt.pro"), changed);
    FailStep(FileStep::Rename, 1, ENOSPC);
    Update(EntryAction::Delete, 1, kAlpha);
    EXPECT_EQ(dialogs.shown.back().title, "Design-Time Error [61] [Setup/UpdateReport]");
    EXPECT_EQ(folder.Read("projrpt.pro"), changed);
    files.SetHook(nullptr);
    Update(EntryAction::Update, 2, kBeta + "longer");
    EXPECT_EQ(main.tracker().StatusText(), "Saving Changes...");
    EXPECT_TRUE(screens.editor->unloaded);
  };
  Setup::ShowReport(main, screens, clock.now);
  EXPECT_EQ(main.tracker().StatusText(), "Ready");
  EXPECT_EQ(folder.Read("projrpt.pro"), kAlpha + " and more\r\n" + kBeta + "longer\r\n");
  EXPECT_FALSE(folder.Exists("report.tmp"));
  // Without a report window there is no entry to change.
  Update(EntryAction::Delete, 1, kAlpha);
  EXPECT_EQ(folder.Read("projrpt.pro").size(), changed.size() + 6);
}

}  // namespace
}  // namespace tw
