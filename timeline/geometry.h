#pragma once
// Where the timeline draws things: each day a column of its real hours (23 or 25 where the clocks
// change, so a stretch across the change is as long as it really was), a stretch a box in each
// column it covers, and a pointer's place back to a moment, snapped on the local clock. Real
// moments are seconds since 1970 (UTC); records hold local wall-clock times, turned into moments
// by the zone's rules (dates/local_time.h).
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "dates/date_value.h"

namespace tw {

// A calendar day as the real moments from its 0:00 to the next day's 0:00.
struct DayColumn {
  std::int64_t day = 0;
  std::int64_t begins = 0;
  std::int64_t ends = 0;
  std::int64_t Seconds() const { return ends - begins; }
};
DayColumn ColumnOf(std::int64_t day);

// An hour line of a column: where it stands (seconds into the column) and the local hour it shows.
// A day whose clocks go back shows one hour twice; one whose clocks go forward skips one.
struct HourMark {
  std::int64_t offset = 0;
  int hour = 0;
};
std::vector<HourMark> HourMarks(const DayColumn& column);

struct Box {
  double x = 0, y = 0, width = 0, height = 0;
  double Bottom() const { return y + height; }
  double Right() const { return x + width; }
  bool Holds(double px, double py) const { return px >= x && px < x + width && py >= y && py < y + height; }
};

// The columns side by side from `left`, each `columnWidth` wide with `gap` between them, their 0:00
// at `top`, every real hour `hourHeight` tall.
struct TimelinePlan {
  std::vector<DayColumn> columns;
  double left = 0, top = 0, columnWidth = 100, gap = 0, hourHeight = 40;

  double ColumnX(std::size_t index) const { return left + static_cast<double>(index) * (columnWidth + gap); }
  double YOf(const DayColumn& column, std::int64_t moment) const;
  // Below the tallest column.
  double Bottom() const;
  double Right() const { return columns.empty() ? left : ColumnX(columns.size() - 1) + columnWidth; }
};
TimelinePlan PlanOf(std::int64_t firstDay, int days);

// The part of a stretch of real moments [from, to) in one column, in its lane: lanes of one group
// of overlapping stretches share the column's width side by side.
struct Piece {
  std::size_t column = 0;
  Box box;
  bool startsHere = false;  // the stretch's start is in this column (its top edge can be dragged)
  bool endsHere = false;    // and its end
};
std::vector<Piece> PiecesOf(const TimelinePlan& plan, std::int64_t from, std::int64_t to, int lane = 0,
                            int lanes = 1);

// Which side of the columns a point is on, for a drag that goes past them.
enum class Beyond { None, Before, After };

struct PointedMoment {
  std::int64_t moment = 0;
  std::size_t column = 0;
  Beyond beyond = Beyond::None;
};
// The moment at a point: the column under it (the nearest where it is between or beside them), its
// height read as real time within that day (0:00 to the next 0:00 at most), snapped to a whole
// number of minutes on the local clock. Nothing for a plan without columns.
std::optional<PointedMoment> MomentAt(const TimelinePlan& plan, double x, double y, int snapMinutes);

// A moment put on the nearest whole multiple of `minutes` of the local clock (halves later). The
// zone's offset at the moment itself is kept, so that in an hour the clocks repeat the first and the
// second time are both reachable.
std::int64_t Snapped(std::int64_t moment, int minutes);

// The local wall-clock time of a moment, and back (dates/local_time.h, named for the timeline).
DateTime LocalOf(std::int64_t moment);
std::int64_t MomentOf(const DateTime& local);

// Stretches side by side: every group of stretches that overlap one another (directly or through
// others) shares its lanes; each stretch gets the first lane free at its start. Stretches that only
// touch (one's end the other's start) do not overlap.
struct Span {
  std::int64_t from = 0, to = 0;
};
struct Lane {
  int lane = 0;
  int lanes = 1;          // of its group
  bool overlaps = false;  // with another stretch
};
std::vector<Lane> LanesOf(const std::vector<Span>& spans);

}  // namespace tw
