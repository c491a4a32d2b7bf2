// What the timeline shows of a period, and day totals that are the report command's to the second.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <random>
#include <regex>
#include <sstream>

#include "platform/shared_folder.h"
#include "report/report_files.h"
#include "store/day_report.h"
#include "tests/sharing/sharing.h"
#include "tests/support/fakes.h"
#include "timeline/timeline.h"

namespace tw {
namespace {

DateTime T(int h, int m, int day = 7) { return MakeDateTime({2026, 12, day}, h, m, 0); }
const std::int64_t kDay = DayFromCivil({2026, 12, 7});

class TimelineTest : public test::PlatformTest {
 protected:
  Timeline Read(const Period& period, const std::optional<RunningStretchView>& running = std::nullopt) {
    const RecordStore store(files, test::Reports(folder.path(), format));
    return ReadTimeline(store, "desk", period, running, MomentOf(T(21, 1)) + 23);
  }
};

TEST_F(TimelineTest, ADayShowsItsStretchesTheRunningOneAndWhatReachesIn) {
  folder.Write(kReportFile,
               "Night,12/6/2026 11:00:00 PM,12/7/2026 1:00:00 AM,late\r\n"
               "Alpha,12/7/2026 9:00:00 AM,12/7/2026 10:30:00 AM,layout, menus\r\n"
               "Beta,12/7/2026 10:00:00 AM,12/7/2026 11:00:00 AM,\r\n"
               "Gamma,12/7/2026 1:00:00 PM,later,\r\n"
               "Late,12/7/2026 11:30:00 PM,12/8/2026 12:30:00 AM,\r\n"
               "Next,12/8/2026 9:00:00 AM,12/8/2026 9:30:00 AM,\r\n");
  const Timeline t = Read(Period{kDay, kDay}, RunningStretchView{"Delta", "draft", T(19, 0)});
  EXPECT_EQ(t.problem, "");
  std::vector<std::string> projects;
  for (const Block& b : t.blocks) projects.push_back(b.project);
  EXPECT_EQ(projects, (std::vector<std::string>{"Night", "Alpha", "Beta", "Gamma", "Delta", "Late"}));
  // The day's total is its own stretches' (the day before's and the running one aside).
  EXPECT_EQ(t.dayTotals, (std::vector<std::int64_t>{5400 + 3600 + 3600}));
  EXPECT_EQ(t.TotalOf(kDay + 1), 0);
  // Alpha and Beta overlap, side by side; the running stretch runs to now.
  EXPECT_EQ(t.blocks[1].lane.lanes, 2);
  EXPECT_EQ(t.blocks[2].lane.lane, 1);
  EXPECT_TRUE(t.blocks[2].lane.overlaps);
  EXPECT_FALSE(t.blocks[0].lane.overlaps);
  EXPECT_TRUE(t.blocks[4].running);
  EXPECT_FALSE(t.blocks[4].stored);
  EXPECT_EQ(t.blocks[4].to - t.blocks[4].from, 2 * 3600 + 60 + 23);
  EXPECT_EQ(t.blocks[3].from, t.blocks[3].to);  // no end: a moment
  EXPECT_EQ(t.colours.size(), 6u);

  const DateFormat& user = format;
  std::vector<std::string> names;
  for (const TimelineItem& item : ItemsOf(t)) names.push_back(ItemName(t, item, user));
  EXPECT_EQ(names, (std::vector<std::string>{
                       "Night, Sunday 11:00 PM to Monday 1:00 AM, late",
                       "Free, 1:00 AM to 9:00 AM",
                       "Alpha, 9:00 AM to 10:30 AM, layout, menus, overlaps another stretch",
                       "Beta, 10:00 AM to 11:00 AM, overlaps another stretch",
                       "Free, 11:00 AM to 1:00 PM",
                       "Gamma, 1:00 PM, no end",
                       "Free, 1:00 PM to 7:00 PM",
                       "Delta, 7:00 PM to now, draft, running",
                       "Free, 9:01 PM to 11:30 PM",
                       "Late, Monday 11:30 PM to Tuesday 12:30 AM",
                   }));
  EXPECT_EQ(BlockTip(t.blocks[1], user), "Alpha\n9:00 AM to 10:30 AM (01:30:00)\nlayout, menus\nOverlaps another stretch");
  EXPECT_EQ(BlockTip(t.blocks[4], user), "Delta\n7:00 PM to now (02:01:23, running)\ndraft");

  // An empty day is one gap, to midnight; a folder with no report says so and shows nothing.
  const Timeline empty = Read(Period{kDay + 3, kDay + 3});
  ASSERT_EQ(ItemsOf(empty).size(), 1u);
  EXPECT_EQ(ItemName(empty, ItemsOf(empty)[0], user), "Free, 12:00 AM to midnight");
  std::filesystem::remove(folder.File(kReportFile));
  const Timeline none = Read(Period{kDay, kDay});
  EXPECT_NE(none.problem, "");
  EXPECT_TRUE(none.blocks.empty());
}

TEST_F(TimelineTest, ASharedFolderMarksOtherMachinesStretches) {
  settings.values[kDeviceNameKey] = "desk";
  test::MakeShared(folder.path(), "desk");
  const std::string beta = "Beta,12/7/2026 11:00:00 AM,12/7/2026 1:45:00 PM,";
  const std::uint64_t at = test::AppendLine(folder.path(), "laptop", beta);
  test::AppendLine(folder.path(), "desk", "Alpha,12/7/2026 9:00:00 AM,12/7/2026 10:30:00 AM,");
  test::Amend(folder.path(), "desk", "laptop", at, beta, "Beta,12/7/2026 11:00:00 AM,12/7/2026 12:00:00 PM,");
  const Timeline t = Read(Period{kDay, kDay});
  ASSERT_EQ(t.blocks.size(), 2u);
  EXPECT_TRUE(t.shared);
  EXPECT_FALSE(t.blocks[0].otherMachine);
  EXPECT_TRUE(t.blocks[1].otherMachine);
  EXPECT_EQ(t.dayTotals[0], 5400 + 3600);
  EXPECT_EQ(ItemName(t, ItemsOf(t)[3], format), "Beta, 11:00 AM to 12:00 PM, on laptop");
  EXPECT_EQ(BlockTip(t.blocks[1], format), "Beta\n11:00 AM to 12:00 PM (01:00:00)\nRecorded on laptop, edited on desk");
}

TEST(TimelineLooksTest, EveryChartColourCarriesReadableText) {
  std::vector<std::string> names;
  for (int i = 0; i < 20; ++i) names.push_back("Project " + std::to_string(i));
  const std::vector<Rgb> colours = ColoursOf(names);  // twenty names take all twenty colours
  for (const Rgb& c : colours) {
    const Rgb text = TextColourOn(c);
    EXPECT_GE(Contrast(text, c), 4.5) << c.red << "," << c.green << "," << c.blue;
    EXPECT_GE(Contrast(text, c), Contrast(text == Rgb{0, 0, 0} ? Rgb{255, 255, 255} : Rgb{0, 0, 0}, c));
  }
  EXPECT_DOUBLE_EQ(Contrast({0, 0, 0}, {255, 255, 255}), 21);
  EXPECT_DOUBLE_EQ(Contrast({90, 90, 90}, {90, 90, 90}), 1);
}

// --- the totals against tallywright-report ------------------------------------------------------

std::int64_t SecondsOf(const std::string& duration) {
  const std::smatch m = [&] {
    std::smatch found;
    std::regex_match(duration, found, std::regex(R"((\d+):(\d\d):(\d\d))"));
    return found;
  }();
  return m.empty() ? -1 : std::stoll(m[1]) * 3600 + std::stoll(m[2]) * 60 + std::stoll(m[3]);
}

TEST_F(TimelineTest, TheTotalsAreTheReportCommandsOnGeneratedWeeks) {
  const test::BerlinTime zone;
  settings.values[kDeviceNameKey] = "desk";
  test::MakeShared(folder.path(), "desk");
  std::filesystem::copy_file(TALLYWRIGHT_REPORT, folder.File("tallywright-report"));
  std::filesystem::create_directories(folder.File("config"));
  const std::string run = "cd / && XDG_CONFIG_HOME=" + folder.File("config") +
                          " LC_ALL=en_US.UTF-8 LANG=en_US.UTF-8 " + folder.File("tallywright-report");

  std::mt19937 random(7);
  const auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
  // Two weeks across the clocks going back on 25 October; stretches of any length at any second.
  struct Made {
    std::string device, line;
    std::uint64_t at;
  };
  std::vector<Made> made;
  const std::int64_t first = DayFromCivil({2026, 10, 18});
  for (std::int64_t day = first - 1; day < first + 14; ++day)
    for (const char* device : {"desk", "laptop"})
      for (int i = pick(0, 4); i > 0; --i) {
        const DateTime start{day, pick(0, 86399)};
        const std::int64_t from = MomentOf(start), to = from + pick(60, 5 * 3600);
        const std::string line = "P" + std::to_string(pick(1, 5)) + "," + format.FormatGeneral(start) + "," +
                                 format.FormatGeneral(LocalOf(to)) + ",c" + std::to_string(made.size());
        made.push_back({device, line, test::AppendLine(folder.path(), device, line)});
      }
  // Some of them edited or deleted on the other machine, and one of them twice.
  for (std::size_t i = 3; i < made.size(); i += 5) {
    const Made& m = made[i];
    const std::string by = m.device == "desk" ? "laptop" : "desk";
    const RecordFields f = *SplitRecord(m.line);
    const DateTime start = *format.Parse(f.start);
    const std::optional<std::string> replacement =
        i % 3 == 0 ? std::nullopt
                   : std::optional(std::string(f.project) + "," + std::string(f.start) + "," +
                                   format.FormatGeneral(LocalOf(MomentOf(start) + pick(60, 3 * 3600))) + ",edited");
    test::Amend(folder.path(), by, m.device, m.at, m.line, replacement,
                "2026-11-0" + std::to_string(1 + i % 9) + "T10:00:00Z");
  }

  const auto status = [](int raw) { return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1; };
  for (std::int64_t weekFirst : {first, first + 7}) {
    const Period week{weekFirst, weekFirst + 6};
    const Timeline t = Read(week);
    ASSERT_EQ(t.problem, "");
    std::int64_t sum = 0;
    for (std::int64_t day = week.first; day <= week.last; ++day) {
      const std::string iso = IsoDate(day);
      ASSERT_EQ(status(std::system((run + " --date " + iso + " --csv >" + folder.File("out")).c_str())), 0) << iso;
      // Each row's length, and the total row where there is one.
      std::int64_t rows = 0, total = -1;
      std::istringstream out(folder.Read("out"));
      std::string line;
      std::getline(out, line);  // the header
      while (std::getline(out, line)) {
        const RecordFields f = *SplitRecord(line);
        if (f.project == kTotalLabel) total = SecondsOf(std::string(f.comment.substr(0, f.comment.find(','))));
        else rows += SecondsOf(std::string(f.comment.substr(0, f.comment.find(','))));
      }
      EXPECT_EQ(t.TotalOf(day), rows) << iso;
      if (total >= 0) {
        EXPECT_EQ(t.TotalOf(day), total) << iso;
      }
      sum += t.TotalOf(day);
    }
    EXPECT_EQ(t.totalSeconds, sum);
    EXPECT_GT(t.totalSeconds, 0);
  }
}

}  // namespace
}  // namespace tw
