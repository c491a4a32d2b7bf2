#include "timeline/timeline.h"

#include <algorithm>
#include <cmath>
#include <set>

#include "dates/local_instants.h"
#include "platform/platform.h"
#include "platform/translate.h"

namespace tw {

Timeline ReadTimeline(const RecordStore& store, const std::string& thisMachine, const Period& period,
                      const std::optional<RunningStretchView>& running, std::int64_t unixNow) {
  std::vector<StoredStretch> stretches;
  std::string problem;
  try {
    stretches = store.Stretches(StoredPeriodOf(period));
  } catch (const RunError& e) {
    problem = e.description();
  }
  Timeline t = TimelineOf(stretches, store.reports().shared, thisMachine, period, running, unixNow);
  t.problem = problem;
  return t;
}

Timeline TimelineOf(const std::vector<StoredStretch>& stretches, bool shared, const std::string& thisMachine,
                    const Period& period, const std::optional<RunningStretchView>& running, std::int64_t unixNow) {
  Timeline t;
  t.period = period;
  t.shared = shared;
  t.dayTotals.assign(static_cast<std::size_t>(std::max<std::int64_t>(period.Days(), 0)), 0);
  const std::int64_t viewFrom = MomentOf({period.first, 0}), viewTo = MomentOf({period.last + 1, 0});
  LocalInstants instants;  // the many records' times, read the quick way
  for (const StoredStretch& s : stretches) {
    Block b;
    const RecordFields f = s.fields();
    b.project = std::string(f.project);
    b.comment = std::string(f.comment);
    b.start = s.start;
    b.end = s.end;
    b.seconds = s.seconds;
    const std::int64_t start = instants.Of(s.start);
    const std::int64_t end = s.end ? instants.Of(*s.end) : start;
    b.from = std::min(start, end);
    b.to = std::max(start, end);
    // A record typed the wrong way round is drawn the right way round.
    b.fromLocal = end < start ? *s.end : s.start;
    b.toLocal = end < start ? s.start : s.end.value_or(s.start);
    b.device = s.device;
    b.otherMachine = t.shared && s.device != thisMachine;
    b.amendedOn = s.amendedOn;
    // The day before is read only for what reaches into the period.
    const bool counted = period.Holds(s.start.day);
    if (!counted && !(b.to > viewFrom && b.from < viewTo)) continue;
    if (counted && b.seconds) {
      t.dayTotals[static_cast<std::size_t>(s.start.day - period.first)] += *b.seconds;
      t.totalSeconds += *b.seconds;
    }
    b.stored = s;
    t.blocks.push_back(std::move(b));
  }
  if (running) {
    Block b;
    b.project = running->project;
    b.comment = running->comment;
    b.start = running->start;
    b.from = MomentOf(running->start);
    b.to = std::max(b.from, unixNow);
    b.fromLocal = running->start;
    b.toLocal = LocalOf(b.to);
    b.running = true;
    b.device = t.shared ? thisMachine : "";
    if (b.to > viewFrom && b.from < viewTo) {
      const auto at = std::upper_bound(t.blocks.begin(), t.blocks.end(), b.from,
                                       [](std::int64_t from, const Block& x) { return from < x.from; });
      t.blocks.insert(at, std::move(b));
    }
  }
  std::vector<Span> spans;
  for (const Block& b : t.blocks) spans.push_back({b.from, b.to});
  const std::vector<Lane> lanes = LanesOf(spans);
  for (std::size_t i = 0; i < t.blocks.size(); ++i) t.blocks[i].lane = lanes[i];

  std::set<std::string> names;
  for (const Block& b : t.blocks) names.insert(b.project);
  const std::vector<std::string> projects(names.begin(), names.end());
  const std::vector<Rgb> colours = ColoursOf(projects);
  for (std::size_t i = 0; i < projects.size(); ++i) t.colours[projects[i]] = colours[i];
  return t;
}

std::vector<TimelineItem> ItemsOf(const Timeline& timeline) {
  std::vector<TimelineItem> items;
  for (std::int64_t day = timeline.period.first; day <= timeline.period.last; ++day) {
    const DayColumn c = ColumnOf(day);
    std::int64_t free = c.begins;  // the day is free from here on, as far as the blocks so far go
    for (std::size_t i = 0; i < timeline.blocks.size(); ++i) {
      const Block& b = timeline.blocks[i];
      const bool in = b.from == b.to ? b.from >= c.begins && b.from < c.ends : b.from < c.ends && b.to > c.begins;
      if (!in) continue;
      if (b.from - free >= 60) items.push_back({TimelineItem::Gap, 0, free, b.from, day});
      free = std::max(free, b.to);
      // A stretch over several days is one item, in the first column it shows in.
      if (b.from >= c.begins || day == timeline.period.first) items.push_back({TimelineItem::Stretch, i, b.from, b.to, day});
    }
    if (c.ends - free >= 60) items.push_back({TimelineItem::Gap, 0, free, c.ends, day});
  }
  return items;
}

namespace {

std::string ShortTime(const DateFormat& user, const DateTime& at) { return user.FormatShortTime(at); }

}  // namespace

std::string SpanText(const DateFormat& user, std::int64_t from, std::int64_t to, bool weekday) {
  return SpanText(user, LocalOf(from), LocalOf(to), weekday);
}

std::string SpanText(const DateFormat& user, const DateTime& a, const DateTime& b, bool weekday) {
  const bool midnight = b.day == a.day + 1 && b.seconds == 0;
  const bool twoDays = b.day != a.day && !midnight;
  const std::string start = (weekday || twoDays ? user.WeekdayName(a) + " " : "") + ShortTime(user, a);
  if (midnight) return Arg(Tr("Timeline", "%1 to midnight"), {start});
  return Arg(Tr("Timeline", "%1 to %2"), {start, (twoDays ? user.WeekdayName(b) + " " : "") + ShortTime(user, b)});
}

std::string TimesText(const Block& b, const DateFormat& user) {
  if (b.running) return Arg(Tr("Timeline", "%1 to now"), {ShortTime(user, b.start)});
  if (!b.end) return Arg(Tr("Timeline", "%1, no end"), {ShortTime(user, b.start)});
  return SpanText(user, b.fromLocal, b.toLocal, false);
}

std::string ItemName(const Timeline& timeline, const TimelineItem& item, const DateFormat& user) {
  if (item.kind == TimelineItem::Gap) return Arg(Tr("Timeline", "Free, %1"), {SpanText(user, item.from, item.to, false)});
  const Block& b = timeline.blocks[item.block];
  std::string name = b.project + ", " + TimesText(b, user);
  if (!b.comment.empty()) name += ", " + b.comment;
  if (b.running) name += Tr("Timeline", ", running");
  if (b.otherMachine) name += Arg(Tr("Timeline", ", on %1"), {b.device});
  if (b.lane.overlaps) name += Tr("Timeline", ", overlaps another stretch");
  return name;
}

std::string BlockTip(const Block& b, const DateFormat& user) {
  std::string tip = b.project + "\n" + TimesText(b, user);
  if (b.running) tip += Arg(Tr("Timeline", " (%1, running)"), {user.FormatDuration(b.to - b.from)});
  else if (b.seconds) tip += " (" + user.FormatDuration(*b.seconds) + ")";
  if (!b.comment.empty()) tip += "\n" + b.comment;
  if (!b.device.empty()) {
    tip += "\n" + Arg(Tr("Timeline", "Recorded on %1"), {b.device});
    if (!b.amendedOn.empty()) tip += Arg(Tr("Timeline", ", edited on %1"), {b.amendedOn});
  }
  if (b.lane.overlaps) tip += "\n" + Tr("Timeline", "Overlaps another stretch");
  return tip;
}

int SnapMinutes() {
  const int value = WholeSetting(kSnapSetting, 1, 60);
  return std::find(std::begin(kSnapSteps), std::end(kSnapSteps), value) != std::end(kSnapSteps) ? value : 1;
}

namespace {

// The relative luminance of a colour of the sRGB screen, as contrast is measured for reading.
double Luminance(const Rgb& c) {
  const auto linear = [](int v) {
    const double x = v / 255.0;
    return x <= 0.04045 ? x / 12.92 : std::pow((x + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(c.red) + 0.7152 * linear(c.green) + 0.0722 * linear(c.blue);
}

}  // namespace

double Contrast(const Rgb& a, const Rgb& b) {
  const double x = Luminance(a) + 0.05, y = Luminance(b) + 0.05;
  return x > y ? x / y : y / x;
}

Rgb TextColourOn(const Rgb& background) {
  const Rgb black{0, 0, 0}, white{255, 255, 255};
  return Contrast(black, background) >= Contrast(white, background) ? black : white;
}

}  // namespace tw
