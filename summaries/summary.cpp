#include "summaries/summary.h"

#include <algorithm>
#include <map>
#include <numeric>
#include <tuple>
#include <unordered_map>

#include "billing/tags.h"
#include "store/record_store.h"
#include "platform/translate.h"

namespace tw {
namespace {

struct NameHash {
  using is_transparent = void;
  std::size_t operator()(std::string_view name) const { return std::hash<std::string_view>{}(name); }
};

void AddTo(DayTotal& day, std::size_t project, std::int64_t seconds) {
  ++day.stretches;
  day.seconds += seconds;
  for (auto& [index, total] : day.byProject)
    if (index == project) {
      total += seconds;
      return;
    }
  day.byProject.emplace_back(project, seconds);
}

// Largest total first, then by name; the days' project indexes follow.
void SortProjects(Summary& summary) {
  std::vector<std::size_t> order(summary.projects.size());
  std::iota(order.begin(), order.end(), 0);
  std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    const ProjectTotal &x = summary.projects[a], &y = summary.projects[b];
    return x.seconds != y.seconds ? x.seconds > y.seconds : x.project < y.project;
  });
  std::vector<std::size_t> place(order.size());
  std::vector<ProjectTotal> sorted;
  sorted.reserve(order.size());
  for (std::size_t i = 0; i < order.size(); ++i) {
    place[order[i]] = i;
    sorted.push_back(std::move(summary.projects[order[i]]));
  }
  summary.projects = std::move(sorted);
  for (DayTotal& day : summary.days)
    for (auto& entry : day.byProject) entry.first = place[entry.first];
}

// Twenty colours told apart at a glance: ten hues, dark and light.
constexpr Rgb kColours[] = {{31, 119, 180},  {255, 127, 14},  {44, 160, 44},   {214, 39, 40},
                            {148, 103, 189}, {140, 86, 75},   {227, 119, 194}, {188, 189, 34},
                            {23, 190, 207},  {57, 59, 121},   {174, 199, 232}, {255, 187, 120},
                            {152, 223, 138}, {255, 152, 150}, {197, 176, 213}, {196, 156, 148},
                            {247, 182, 210}, {219, 219, 141}, {158, 218, 229}, {107, 110, 207}};
constexpr Rgb kOtherColour{127, 127, 127};

}  // namespace

std::vector<Rgb> ColoursOf(const std::vector<std::string>& projects) {
  std::vector<std::size_t> byName(projects.size());
  std::iota(byName.begin(), byName.end(), 0);
  std::sort(byName.begin(), byName.end(), [&](std::size_t a, std::size_t b) { return projects[a] < projects[b]; });
  std::vector<Rgb> colours(projects.size());
  std::vector<bool> taken(std::size(kColours));
  for (std::size_t i : byName) {
    std::uint32_t hash = 2166136261u;  // FNV-1a: the same on every machine and in every run
    for (unsigned char c : projects[i]) hash = (hash ^ c) * 16777619u;
    std::size_t slot = hash % std::size(kColours);
    for (std::size_t tries = 0; taken[slot] && tries < taken.size(); ++tries) slot = (slot + 1) % taken.size();
    taken[slot] = true;
    colours[i] = kColours[slot];
  }
  return colours;
}

bool IsRounding(int minutes) {
  return std::find(std::begin(kRoundings), std::end(kRoundings), minutes) != std::end(kRoundings);
}

std::int64_t Rounded(std::int64_t seconds, int minutes) {
  if (minutes <= 0) return seconds;
  const std::int64_t unit = minutes * 60;
  return (seconds + unit / 2) / unit * unit;
}

Summary EmptySummary(const Period& period, int roundMinutes) {
  Summary summary;
  summary.period = period;
  summary.roundMinutes = roundMinutes;
  summary.days.resize(static_cast<std::size_t>(std::max<std::int64_t>(period.Days(), 0)));
  for (std::size_t i = 0; i < summary.days.size(); ++i)
    summary.days[i].day = period.first + static_cast<std::int64_t>(i);
  return summary;
}

namespace {

// A summary being read: the period's totals, with the projects found so far by name.
class Totals {
 public:
  Totals(Summary& summary) : summary_(summary) {}

  // A stretch of the period of `seconds` (rounded; 0 without an end) on day `day`, one more
  // (count 1) or one less (-1).
  void Count(std::string_view project, std::int64_t day, std::int64_t seconds, int count) {
    auto known = index_.find(project);
    if (known == index_.end()) {
      known = index_.emplace(std::string(project), summary_.projects.size()).first;
      summary_.projects.push_back(ProjectTotal{known->first, 0, 0, {}, true});
    }
    ProjectTotal& total = summary_.projects[known->second];
    total.stretches += count;
    total.seconds += count * seconds;
    DayTotal& d = summary_.days[static_cast<std::size_t>(day - summary_.period.first)];
    if (count > 0) {
      AddTo(d, known->second, seconds);
    } else {
      --d.stretches;
      d.seconds -= seconds;
      for (auto& [i, s] : d.byProject)
        if (i == known->second) s -= seconds;
    }
    summary_.stretches += count;
    summary_.totalSeconds += count * seconds;
  }

 private:
  Summary& summary_;
  std::unordered_map<std::string, std::size_t, NameHash, std::equal_to<>> index_;
};

void Fill(SummaryEntry& entry, const StretchView& s, int round) {
  entry.project.assign(s.fields.project);
  entry.start.assign(s.fields.start);
  entry.end.assign(s.fields.end);
  entry.comment.assign(s.fields.comment);
  entry.device = s.source->device;
  entry.startValue = s.start;
  entry.endValue = s.end;
  entry.seconds = s.seconds ? std::optional(Rounded(*s.seconds, round)) : std::nullopt;
}

// Projects left without a stretch (all amended away) go.
void DropEmptyProjects(Summary& summary) {
  if (std::all_of(summary.projects.begin(), summary.projects.end(), [](const ProjectTotal& p) { return p.stretches > 0; }))
    return;
  std::vector<std::size_t> place(summary.projects.size());
  std::vector<ProjectTotal> kept;
  for (std::size_t i = 0; i < summary.projects.size(); ++i) {
    place[i] = kept.size();
    if (summary.projects[i].stretches > 0) kept.push_back(std::move(summary.projects[i]));
    else place[i] = SIZE_MAX;
  }
  summary.projects = std::move(kept);
  for (DayTotal& day : summary.days) {
    std::vector<std::pair<std::size_t, std::int64_t>> byProject;
    for (const auto& [i, seconds] : day.byProject)
      if (place[i] != SIZE_MAX) byProject.emplace_back(place[i], seconds);
    day.byProject = std::move(byProject);
  }
}

}  // namespace

bool SummaryFilter::Passes(const RatesBook* rates, std::string_view project, std::string_view comment) const {
  if (!projects.empty() && std::find(projects.begin(), projects.end(), project) == projects.end()) return false;
  if (billableOnly && ((rates && !rates->Billable(project)) || MarksDayOff(comment))) return false;
  return HasAllTags(comment, tags);
}

Summary ReadSummary(const Files& files, const std::string& path, const Period& period,
                    const DateFormat& format, int roundMinutes, const EntrySink& entries) {
  return ReadFolderSummary(files, SingleReport(path, format), period, roundMinutes, entries);
}

Summary ReadFolderSummary(const Files& files, const FolderReports& folder, const Period& period,
                          int roundMinutes, const EntrySink& entries) {
  SummaryAsk ask;
  ask.roundMinutes = roundMinutes;
  return ReadFolderSummary(files, folder, period, ask, entries);
}

Summary ReadFolderSummary(const Files& files, const FolderReports& folder, const Period& period,
                          const SummaryAsk& ask, const EntrySink& entries) {
  const int roundMinutes = ask.roundMinutes;
  Summary summary = EmptySummary(period, roundMinutes);
  Totals totals(summary);
  std::optional<AmountTally> amounts;
  if (ask.rates) amounts.emplace(*ask.rates);
  TagTally tags;
  // The reports are read once for the summary's days and every side tally's.
  Period read = period;
  for (const SideTally& side : ask.sides) {
    read.first = std::min(read.first, side.days.first);
    read.last = std::max(read.last, side.days.last);
  }
  // In a shared folder the stretches go out in order of start, once the amendments are applied.
  struct Kept {
    const ReportSource* source;
    std::uint64_t offset;
    SummaryEntry entry;
    bool takenBack = false;
  };
  std::vector<Kept> kept;
  std::map<std::pair<const ReportSource*, std::uint64_t>, std::size_t> keptAt;
  SummaryEntry entry;
  // Counts a stretch (sign 1) or takes it back (-1): whether the summary counts it, and its amount.
  StretchAmount amount;
  const auto count = [&](const StretchView& s, int sign) {
    const std::int64_t seconds = s.seconds.value_or(0);
    const CountedStretch stretch{s.fields.project, s.fields.comment, s.start, seconds, Rounded(seconds, roundMinutes)};
    for (const SideTally& side : ask.sides)
      if (side.days.Holds(s.start.day)) side.add(stretch, sign);
    if (!period.Holds(s.start.day) || !ask.filter.Passes(ask.rates, stretch.project, stretch.comment)) return false;
    totals.Count(stretch.project, s.start.day, stretch.counted, sign);
    amount = amounts ? amounts->Add(stretch, sign) : StretchAmount{};
    if (ask.tags) tags.Add(stretch.comment, stretch.counted, amount, sign);
    return true;
  };
  StretchVisitor visitor;
  visitor.found = [&](const StretchView& s) {
    if (!count(s, 1) || !entries) return;
    Fill(entry, s, roundMinutes);
    entry.amount = amount;
    if (folder.shared) {
      keptAt[{s.source, s.offset}] = kept.size();
      kept.push_back({s.source, s.offset, entry});
    } else
      entries(entry);
  };
  visitor.takenBack = [&](const StretchView& s) {
    if (!count(s, -1)) return;
    if (const auto at = keptAt.find({s.source, s.offset}); at != keptAt.end()) kept[at->second].takenBack = true;
  };
  const RecordStore store(files, folder);  // the stretches kept point into its reports
  summary.skippedLines = store.Visit(read, visitor);
  DropEmptyProjects(summary);
  SortProjects(summary);
  // Without rates every stretch is billable at no rate.
  const auto unpriced = [](std::int64_t stretches, std::int64_t seconds) {
    return MoneyTotals{stretches, seconds, seconds, 0, 0};
  };
  for (ProjectTotal& p : summary.projects) {
    p.money = amounts ? amounts->Project(p.project) : unpriced(p.stretches, p.seconds);
    p.billable = !ask.rates || ask.rates->Billable(p.project);
  }
  for (DayTotal& d : summary.days) d.money = amounts ? amounts->Day(d.day) : unpriced(d.stretches, d.seconds);
  summary.money = amounts ? amounts->Total() : unpriced(summary.stretches, summary.totalSeconds);
  summary.priced = ask.rates != nullptr;
  if (ask.rates) summary.currency = ask.rates->Currency();
  if (ask.tags) summary.tags = tags.Tags();
  if (entries) {
    std::erase_if(kept, [](const Kept& k) { return k.takenBack; });
    std::sort(kept.begin(), kept.end(), [&](const Kept& a, const Kept& b) {
      return std::tie(a.entry.startValue.day, a.entry.startValue.seconds, a.entry.device, a.source->file, a.offset) <
             std::tie(b.entry.startValue.day, b.entry.startValue.seconds, b.entry.device, b.source->file, b.offset);
    });
    for (const Kept& k : kept) entries(k.entry);
  }
  return summary;
}

ChartData ChartOf(const Summary& summary, const DateFormat& format, std::size_t maxSeries) {
  ChartData chart;
  const LocaleData& names = format.data();
  const Period& period = summary.period;
  const CivilDate first = CivilFromDay(period.first), last = CivilFromDay(period.last);
  const int months = (last.year - first.year) * 12 + last.month - first.month + 1;
  // Which bar a day of the period falls in.
  std::function<std::size_t(std::int64_t)> barOf;
  chart.barsAreDays = period.Days() <= 62;
  if (chart.barsAreDays) {
    for (std::int64_t d = period.first; d <= period.last; ++d) {
      const std::string number = std::to_string(CivilFromDay(d).day);
      chart.bars.push_back(period.Days() <= 7 ? names.shortDayNames[Weekday(d)] + " " + number : number);
    }
    barOf = [&](std::int64_t d) { return static_cast<std::size_t>(d - period.first); };
  } else if (months <= 36) {
    for (int m = 0; m < months; ++m) {
      const int month = (first.month - 1 + m) % 12, year = first.year + (first.month - 1 + m) / 12;
      std::string bar = names.shortMonthNames[month];
      if (first.year != last.year) {
        bar += ' ';
        bar += std::to_string(year);
      }
      chart.bars.push_back(std::move(bar));
    }
    barOf = [&](std::int64_t d) {
      const CivilDate c = CivilFromDay(d);
      return static_cast<std::size_t>((c.year - first.year) * 12 + c.month - first.month);
    };
  } else {
    for (int y = first.year; y <= last.year; ++y) chart.bars.push_back(std::to_string(y));
    barOf = [&](std::int64_t d) { return static_cast<std::size_t>(CivilFromDay(d).year - first.year); };
  }

  // The largest projects with time, one series each; the rest share the last.
  std::size_t withTime = 0;
  while (withTime < summary.projects.size() && summary.projects[withTime].seconds > 0) ++withTime;
  const std::size_t own = withTime > maxSeries ? maxSeries - 1 : withTime;
  for (std::size_t i = 0; i < own; ++i) chart.series.push_back(summary.projects[i].project);
  chart.colours = ColoursOf(chart.series);
  if (withTime > own) {
    chart.series.push_back(Tr("Summary", "Other"));
    chart.colours.push_back(kOtherColour);
  }
  chart.hours.assign(chart.series.size(), std::vector<double>(chart.bars.size(), 0.0));
  for (const DayTotal& day : summary.days)
    for (const auto& [project, seconds] : day.byProject)
      if (seconds > 0) chart.hours[std::min(project, own)][barOf(day.day)] += seconds / 3600.0;
  return chart;
}

}  // namespace tw
