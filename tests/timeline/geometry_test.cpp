// The timeline's geometry on Berlin's days, clocks forward on 29 March 2026 and back on 25 October.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "tests/support/fakes.h"
#include "timeline/geometry.h"

namespace tw {
namespace {

std::int64_t D(int m, int d) { return DayFromCivil({2026, m, d}); }
std::int64_t At(int m, int d, int h, int min, int s = 0) { return MomentOf(MakeDateTime({2026, m, d}, h, min, s)); }
std::string Clock(std::int64_t moment) {
  const DateTime t = LocalOf(moment);
  char text[32];
  std::snprintf(text, sizeof text, "%d %02d:%02d:%02d", CivilFromDay(t.day).day, t.seconds / 3600, t.seconds / 60 % 60,
                t.seconds % 60);
  return text;
}

// 10 pixels an hour, columns 100 wide with 10 between, the first at x 50, 0:00 at y 20.
TimelinePlan Plan(std::int64_t firstDay, int days) {
  TimelinePlan plan = PlanOf(firstDay, days);
  plan.left = 50;
  plan.top = 20;
  plan.columnWidth = 100;
  plan.gap = 10;
  plan.hourHeight = 10;
  return plan;
}

TEST(TimelineGeometryTest, ADayIsAColumnOfItsRealHours) {
  const test::BerlinTime zone;
  struct Case {
    std::int64_t day;
    std::int64_t seconds;
    std::vector<int> firstHours;  // the hours its first four lines show
    std::size_t lines;
  };
  const Case cases[] = {
      {D(6, 15), 86400, {0, 1, 2, 3}, 24},
      {D(3, 29), 82800, {0, 1, 3, 4}, 23},  // 2:00 never comes
      {D(10, 25), 90000, {0, 1, 2, 2}, 25},  // 2:00 comes twice
  };
  for (const Case& c : cases) {
    const DayColumn column = ColumnOf(c.day);
    EXPECT_EQ(column.Seconds(), c.seconds) << c.day;
    EXPECT_EQ(column.ends, ColumnOf(c.day + 1).begins);
    const std::vector<HourMark> marks = HourMarks(column);
    ASSERT_EQ(marks.size(), c.lines);
    for (std::size_t i = 0; i < c.firstHours.size(); ++i) EXPECT_EQ(marks[i].hour, c.firstHours[i]) << c.day << " " << i;
    EXPECT_EQ(marks.back().hour, 23);
  }
  // The week of the change back is one hour taller than a week without one.
  EXPECT_DOUBLE_EQ(Plan(D(10, 19), 7).Bottom(), 20 + 250);
  EXPECT_DOUBLE_EQ(Plan(D(6, 15), 7).Bottom(), 20 + 240);
}

TEST(TimelineGeometryTest, AStretchIsABoxInEachColumnItCovers) {
  const test::BerlinTime zone;
  struct Case {
    const char* what;
    std::int64_t firstDay;
    std::int64_t from, to;
    int lane, lanes;
    std::vector<Piece> pieces;
    int days = 2;
  };
  const auto P = [](std::size_t column, double x, double y, double w, double h, bool starts, bool ends) {
    return Piece{column, Box{x, y, w, h}, starts, ends};
  };
  const Case cases[] = {
      {"an hour and a half", D(6, 15), At(6, 15, 9, 0), At(6, 15, 10, 30), 0, 1, {P(0, 50, 110, 100, 15, true, true)}},
      {"the second of two lanes", D(6, 15), At(6, 15, 9, 0), At(6, 15, 10, 0), 1, 2, {P(0, 100, 110, 50, 10, true, true)}},
      {"across midnight", D(6, 15), At(6, 15, 23, 0), At(6, 16, 1, 0), 0, 1,
       {P(0, 50, 250, 100, 10, true, false), P(1, 160, 20, 100, 10, false, true)}},
      {"past the last column", D(6, 15), At(6, 15, 23, 0), At(6, 16, 1, 0), 0, 1, {P(0, 50, 250, 100, 10, true, false)}, 1},
      {"after the clocks went forward", D(3, 29), At(3, 29, 4, 0), At(3, 29, 5, 0), 0, 1, {P(0, 50, 50, 100, 10, true, true)}},
      {"after the clocks went back", D(10, 25), At(10, 25, 4, 0), At(10, 25, 5, 0), 0, 1, {P(0, 50, 70, 100, 10, true, true)}},
      {"over the hour that came twice", D(10, 25), At(10, 25, 1, 30), At(10, 25, 3, 30), 0, 1,
       {P(0, 50, 35, 100, 30, true, true)}},
      {"into a 25-hour day", D(10, 24), At(10, 24, 23, 0), At(10, 25, 4, 0), 0, 1,
       {P(0, 50, 250, 100, 10, true, false), P(1, 160, 20, 100, 50, false, true)}},
      {"out of a 23-hour day", D(3, 29), At(3, 29, 23, 0), At(3, 30, 1, 0), 0, 1,
       {P(0, 50, 240, 100, 10, true, false), P(1, 160, 20, 100, 10, false, true)}},
      {"ending at midnight", D(6, 15), At(6, 15, 22, 0), At(6, 16, 0, 0), 0, 1, {P(0, 50, 240, 100, 20, true, true)}},
      {"of no length", D(6, 15), At(6, 15, 9, 0), At(6, 15, 9, 0), 0, 1, {P(0, 50, 110, 100, 0, true, true)}},
      {"on another day", D(6, 15), At(6, 17, 9, 0), At(6, 17, 10, 0), 0, 1, {}},
  };
  for (const Case& c : cases) {
    const std::vector<Piece> pieces = PiecesOf(Plan(c.firstDay, c.days), c.from, c.to, c.lane, c.lanes);
    const std::vector<Piece>& expected = c.pieces;
    const auto text = [](const std::vector<Piece>& all) {
      std::string out;
      for (const Piece& p : all)
        out += std::to_string(p.column) + " " + std::to_string(p.box.x) + "," + std::to_string(p.box.y) + " " +
               std::to_string(p.box.width) + "x" + std::to_string(p.box.height) + " " + (p.startsHere ? "[" : "") + (p.endsHere ? "]" : "") + "; ";
      return out;
    };
    EXPECT_EQ(text(pieces), text(expected)) << c.what;
  }
}

TEST(TimelineGeometryTest, APointIsAMomentOfItsColumnSnappedOnTheLocalClock) {
  const test::BerlinTime zone;
  struct Case {
    const char* what;
    std::int64_t firstDay;
    double x, y;
    int snap;
    const char* moment;  // day of the month and local time
    std::size_t column;
    Beyond beyond;
    std::int64_t realHour = -1;  // where the moment must stand, in real hours after the column's 0:00
  };
  const double y907 = 20 + 9 * 10 + 7.0 / 6;  // 9:07:00
  const double y907h = y907 + 0.05;           // 9:07:18
  const Case cases[] = {
      {"whole minutes", D(6, 15), 60, y907h, 1, "15 09:07:00", 0, Beyond::None},
      {"fifteen minutes", D(6, 15), 60, y907h, 15, "15 09:00:00", 0, Beyond::None},
      {"a half step goes up", D(6, 15), 60, 20 + 9 * 10 + 7.5 / 6, 15, "15 09:15:00", 0, Beyond::None},
      {"the second column", D(6, 15), 170, y907, 1, "16 09:07:00", 1, Beyond::None},
      {"between columns, the left one", D(6, 15), 155, y907, 1, "15 09:07:00", 0, Beyond::None},
      {"before the columns", D(6, 15), 10, y907, 1, "15 09:07:00", 0, Beyond::Before},
      {"after the columns", D(6, 15), 400, y907, 1, "16 09:07:00", 1, Beyond::After},
      {"above 0:00", D(6, 15), 60, 0, 1, "15 00:00:00", 0, Beyond::None},
      {"below the day: the next 0:00", D(6, 15), 60, 500, 15, "16 00:00:00", 0, Beyond::None},
      {"23-hour day: the third hour is 3:00", D(3, 29), 60, 20 + 2.5 * 10, 1, "29 03:30:00", 0, Beyond::None},
      {"25-hour day: the first 2:30", D(10, 25), 60, 20 + 2.5 * 10, 15, "25 02:30:00", 0, Beyond::None, 2},
      {"25-hour day: the second 2:30", D(10, 25), 60, 20 + 3.5 * 10, 15, "25 02:30:00", 0, Beyond::None, 3},
      {"25-hour day: its last hour", D(10, 25), 60, 20 + 24.5 * 10, 1, "25 23:30:00", 0, Beyond::None},
  };
  for (const Case& c : cases) {
    const TimelinePlan plan = Plan(c.firstDay, 2);
    const auto at = MomentAt(plan, c.x, c.y, c.snap);
    ASSERT_TRUE(at) << c.what;
    EXPECT_EQ(Clock(at->moment), c.moment) << c.what;
    EXPECT_EQ(at->column, c.column) << c.what;
    EXPECT_EQ(at->beyond, c.beyond) << c.what;
    if (c.realHour >= 0) {
      EXPECT_EQ(at->moment - plan.columns[0].begins, c.realHour * 3600 + 1800) << c.what;
    }
  }
  EXPECT_FALSE(MomentAt(TimelinePlan{}, 0, 0, 1));
  // A box's top read back is the moment it was drawn from.
  const TimelinePlan plan = Plan(D(10, 24), 2);
  for (std::int64_t moment : {At(10, 24, 13, 45), At(10, 25, 2, 15), At(10, 25, 18, 5)}) {
    const Piece p = PiecesOf(plan, moment, moment + 1800).front();
    EXPECT_EQ(MomentAt(plan, p.box.x + 1, p.box.y, 1)->moment, moment) << Clock(moment);
  }
}

TEST(TimelineGeometryTest, OverlappingStretchesStandSideBySideAndAreMarked) {
  const std::int64_t h = 3600;
  struct Case {
    const char* what;
    std::vector<Span> spans;
    std::vector<Lane> lanes;
  };
  const Case cases[] = {
      {"apart", {{9 * h, 10 * h}, {11 * h, 12 * h}}, {{0, 1, false}, {0, 1, false}}},
      {"touching", {{9 * h, 10 * h}, {10 * h, 11 * h}}, {{0, 1, false}, {0, 1, false}}},
      {"a chain of three, in any order",
       {{10 * h + 1800, 12 * h}, {9 * h, 10 * h}, {9 * h + 1800, 11 * h}},
       {{0, 2, true}, {0, 2, true}, {1, 2, true}}},
      {"two inside a long one", {{9 * h, 12 * h}, {9 * h + 1800, 10 * h}, {10 * h + 1800, 11 * h}},
       {{0, 2, true}, {1, 2, true}, {1, 2, true}}},
      {"three at once", {{9 * h, 10 * h}, {9 * h, 10 * h}, {9 * h + 600, 9 * h + 1200}},
       {{0, 3, true}, {1, 3, true}, {2, 3, true}}},
      {"a group, then one alone", {{9 * h, 10 * h}, {9 * h + 1800, 10 * h + 1800}, {13 * h, 14 * h}},
       {{0, 2, true}, {1, 2, true}, {0, 1, false}}},
      {"of no length, inside another", {{9 * h, 10 * h}, {9 * h + 1800, 9 * h + 1800}}, {{0, 2, true}, {1, 2, true}}},
      {"of no length, where another ends", {{9 * h, 10 * h}, {10 * h, 10 * h}}, {{0, 1, false}, {0, 1, false}}},
  };
  for (const Case& c : cases) {
    const std::vector<Lane> lanes = LanesOf(c.spans);
    const auto text = [](const std::vector<Lane>& all) {
      std::string out;
      for (const Lane& l : all) out += std::to_string(l.lane) + "/" + std::to_string(l.lanes) + (l.overlaps ? "!" : "") + " ";
      return out;
    };
    EXPECT_EQ(text(lanes), text(c.lanes)) << c.what;
  }
}

}  // namespace
}  // namespace tw
