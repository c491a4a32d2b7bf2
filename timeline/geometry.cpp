#include "timeline/geometry.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "dates/local_time.h"

namespace tw {

DateTime LocalOf(std::int64_t moment) { return LocalOfInstant(moment); }
std::int64_t MomentOf(const DateTime& local) { return InstantOfLocal(local); }

DayColumn ColumnOf(std::int64_t day) { return DayColumn{day, MomentOf({day, 0}), MomentOf({day + 1, 0})}; }

std::vector<HourMark> HourMarks(const DayColumn& column) {
  std::vector<HourMark> marks;
  for (std::int64_t offset = 0; offset < column.Seconds(); offset += 3600)
    marks.push_back({offset, LocalOf(column.begins + offset).seconds / 3600});
  return marks;
}

double TimelinePlan::YOf(const DayColumn& column, std::int64_t moment) const {
  const std::int64_t at = std::clamp(moment, column.begins, column.ends);
  return top + static_cast<double>(at - column.begins) / 3600.0 * hourHeight;
}

double TimelinePlan::Bottom() const {
  std::int64_t longest = 0;
  for (const DayColumn& c : columns) longest = std::max(longest, c.Seconds());
  return top + static_cast<double>(longest) / 3600.0 * hourHeight;
}

TimelinePlan PlanOf(std::int64_t firstDay, int days) {
  TimelinePlan plan;
  for (int i = 0; i < days; ++i) plan.columns.push_back(ColumnOf(firstDay + i));
  return plan;
}

std::vector<Piece> PiecesOf(const TimelinePlan& plan, std::int64_t from, std::int64_t to, int lane, int lanes) {
  std::vector<Piece> pieces;
  lanes = std::max(lanes, 1);
  const double laneWidth = plan.columnWidth / lanes;
  for (std::size_t i = 0; i < plan.columns.size(); ++i) {
    const DayColumn& c = plan.columns[i];
    // A stretch of no length still stands at its moment.
    const bool in = from == to ? from >= c.begins && from < c.ends : from < c.ends && to > c.begins;
    if (!in) continue;
    Piece p;
    p.column = i;
    p.startsHere = from >= c.begins && from < c.ends;
    p.endsHere = to > c.begins && to <= c.ends;
    const double top = plan.YOf(c, from), bottom = plan.YOf(c, to);
    p.box = Box{plan.ColumnX(i) + lane * laneWidth, top, laneWidth, bottom - top};
    pieces.push_back(p);
  }
  return pieces;
}

std::int64_t Snapped(std::int64_t moment, int minutes) {
  const std::int64_t unit = std::int64_t{std::max(minutes, 1)} * 60;
  const std::int64_t offset = UtcOffsetAt(moment);
  const std::int64_t wall = moment + offset + unit / 2;
  const std::int64_t floored = wall >= 0 ? wall / unit * unit : -((-wall + unit - 1) / unit) * unit;
  return floored - offset;
}

std::optional<PointedMoment> MomentAt(const TimelinePlan& plan, double x, double y, int snapMinutes) {
  if (plan.columns.empty()) return std::nullopt;
  PointedMoment at;
  const double step = plan.columnWidth + plan.gap;
  const double index = std::floor((x - plan.left) / step);
  if (x < plan.left) {
    at.beyond = Beyond::Before;
    at.column = 0;
  } else if (index >= static_cast<double>(plan.columns.size())) {
    at.beyond = Beyond::After;
    at.column = plan.columns.size() - 1;
  } else {
    at.column = static_cast<std::size_t>(index);
  }
  const DayColumn& c = plan.columns[at.column];
  const double hours = plan.hourHeight > 0 ? (y - plan.top) / plan.hourHeight : 0;
  const std::int64_t raw = c.begins + static_cast<std::int64_t>(std::llround(hours * 3600.0));
  at.moment = std::clamp(Snapped(std::clamp(raw, c.begins, c.ends), snapMinutes), c.begins, c.ends);
  return at;
}

std::vector<Lane> LanesOf(const std::vector<Span>& spans) {
  std::vector<Lane> lanes(spans.size());
  std::vector<std::size_t> order(spans.size());
  std::iota(order.begin(), order.end(), 0);
  // A stretch of no length counts as one second, so that it stands beside one it falls within.
  const auto to = [&](std::size_t i) { return std::max(spans[i].to, spans[i].from + 1); };
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    return spans[a].from != spans[b].from ? spans[a].from < spans[b].from : to(a) > to(b);
  });
  std::vector<std::size_t> group;     // the present group's stretches
  std::vector<std::int64_t> laneEnd;  // where each of its lanes is free again
  std::int64_t groupEnd = 0;
  const auto close = [&] {
    for (std::size_t i : group) lanes[i].lanes = static_cast<int>(laneEnd.size());
    group.clear();
    laneEnd.clear();
  };
  for (std::size_t i : order) {
    if (!group.empty() && spans[i].from >= groupEnd) close();
    for (std::size_t j : group)
      if (to(j) > spans[i].from) lanes[i].overlaps = lanes[j].overlaps = true;
    std::size_t lane = 0;
    while (lane < laneEnd.size() && laneEnd[lane] > spans[i].from) ++lane;
    if (lane == laneEnd.size()) laneEnd.push_back(0);
    laneEnd[lane] = to(i);
    lanes[i].lane = static_cast<int>(lane);
    groupEnd = group.empty() ? to(i) : std::max(groupEnd, to(i));
    group.push_back(i);
  }
  close();
  return lanes;
}

}  // namespace tw
