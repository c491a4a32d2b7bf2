#include "summaries/summary.h"

#include <algorithm>
#include <numeric>
#include <tuple>
#include <unordered_map>

#include "dates/local_instants.h"
#include "dates/quick_dates.h"
#include "report/amendment.h"
#include "report/record.h"
#include "viewer/record_lines.h"

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

// Each project's colour, chosen from its name, so that a project keeps its colour from one period
// to the next however the projects rank; where two of one chart choose the same, the one later by
// name takes the next free one.
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

}  // namespace

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
      summary_.projects.push_back(ProjectTotal{known->first, 0, 0});
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

// What the summary reads of a record: nothing when its start is not a date-time.
struct Stretch {
  DateTime start;
  std::optional<DateTime> end;
  std::optional<std::int64_t> seconds;
};
// A stretch whose start has been read; one typed the wrong way round lasts as long as the other way.
Stretch StretchFrom(const DateTime& start, QuickDates& dates, LocalInstants& instants, std::string_view end,
                    int round) {
  Stretch s{start, dates.Parse(end), std::nullopt};
  if (s.end) s.seconds = Rounded(std::abs(instants.Of(s.start) - instants.Of(*s.end)), round);
  return s;
}
std::optional<Stretch> StretchOf(QuickDates& dates, LocalInstants& instants, const RecordFields& fields, int round) {
  const auto start = dates.Parse(fields.start);
  if (!start) return std::nullopt;
  return StretchFrom(*start, dates, instants, fields.end, round);
}

void Fill(SummaryEntry& entry, const RecordFields& fields, const Stretch& stretch) {
  entry.project.assign(fields.project);
  entry.start.assign(fields.start);
  entry.end.assign(fields.end);
  entry.comment.assign(fields.comment);
  entry.startValue = stretch.start;
  entry.endValue = stretch.end;
  entry.seconds = stretch.seconds;
}

// Reads one report front to back, holding one block of it: its stretches of the period go to
// `totals` and to `entries` with where their lines start; lines that are no record are counted,
// or, when `amendments` takes them, handed to it.
void ScanReport(Files::Reader& reader, const Period& period, const DateFormat& format, int roundMinutes,
                Summary& summary, Totals& totals, LocalInstants& instants,
                const std::function<void(const SummaryEntry&, std::uint64_t)>& entries,
                const AmendmentSink& amendments) {
  QuickDates dates(format);
  SummaryEntry entry;
  ForEachRegion(reader, [&](std::string_view region, std::uint64_t base) {
    ForEachCommaLine(region, [&](const CommaLine& line) {
      const std::string_view text = line.text;
      if (text.empty()) return;
      // As the day report reads a line: three commas, a start that is a date-time, and a length
      // when the end is one too.
      if (line.commas.count < 3) {
        if (amendments && IsAmendmentLine(text))
          amendments(text, base + static_cast<std::uint64_t>(text.data() - region.data()));
        else
          ++summary.skippedLines;
        return;
      }
      const RecordFields fields = FieldsAt(text, line.commas.at[0], line.commas.at[1], line.commas.at[2]);
      const auto start = dates.Parse(fields.start);
      if (!start) {
        ++summary.skippedLines;
        return;
      }
      if (!period.Holds(start->day)) return;
      const Stretch stretch = StretchFrom(*start, dates, instants, fields.end, roundMinutes);
      totals.Count(fields.project, start->day, stretch.seconds.value_or(0), 1);
      if (entries) {
        Fill(entry, fields, stretch);
        entries(entry, base + static_cast<std::uint64_t>(text.data() - region.data()));
      }
    });
  });
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

Summary ReadSummary(const Files& files, const std::string& path, const Period& period,
                    const DateFormat& format, int roundMinutes, const EntrySink& entries) {
  Summary summary = EmptySummary(period, roundMinutes);
  Totals totals(summary);
  Files::Reader reader = files.OpenRead(path);
  std::function<void(const SummaryEntry&, std::uint64_t)> sink;
  if (entries) sink = [&](const SummaryEntry& e, std::uint64_t) { entries(e); };
  LocalInstants instants;
  ScanReport(reader, period, format, roundMinutes, summary, totals, instants, sink, {});
  SortProjects(summary);
  return summary;
}

Summary ReadFolderSummary(const Files& files, const FolderReports& folder, const Period& period,
                          int roundMinutes, const EntrySink& entries) {
  if (!folder.shared)
    return ReadSummary(files, folder.reports.front().path, period, *folder.reports.front().format, roundMinutes,
                       entries);
  Summary summary = EmptySummary(period, roundMinutes);
  Totals totals(summary);
  Amendments amendments;
  // Each stretch of the period where it stands: (report, offset).
  struct Kept {
    std::size_t source;
    std::uint64_t offset;
    SummaryEntry entry;
  };
  std::vector<Kept> kept;
  LocalInstants instants;  // one zone for every machine's report: the day's offsets read once
  bool any = false;
  for (std::size_t i = 0; i < folder.reports.size(); ++i) {
    const ReportSource& r = folder.reports[i];
    std::function<void(const SummaryEntry&, std::uint64_t)> sink;
    if (entries) sink = [&](const SummaryEntry& e, std::uint64_t offset) { kept.push_back({i, offset, e}); };
    any |= !FileMissing([&] {
      Files::Reader reader = folder.Open(files, r);
      ScanReport(reader, period, *r.format, roundMinutes, summary, totals, instants, sink,
                 [&](std::string_view line, std::uint64_t offset) {
                   if (auto a = ParseAmendment(line)) amendments.Add(std::move(*a), r.device, offset);
                 });
    });
  }
  if (!any) throw RunError(kErrFileNotFound, "There is no report in the shared folder");

  // Each amended record the reports hold: its stretch taken back, its replacement's counted.
  for (const auto& [place, text] : amendments.Places()) {
    const auto& [file, offset] = place;
    std::size_t source = 0;
    while (source < folder.reports.size() && folder.reports[source].file != file) ++source;
    const Amendments::Found* amended = source < folder.reports.size() ? amendments.For(file, offset, text) : nullptr;
    if (!amended || !HoldsLine(files, folder.reports[source].path, offset, text)) continue;
    QuickDates dates(*folder.reports[source].format);
    const RecordFields old = *SplitRecord(text);
    const auto was = StretchOf(dates, instants, old, roundMinutes);
    if (!was) continue;
    if (period.Holds(was->start.day)) totals.Count(old.project, was->start.day, was->seconds.value_or(0), -1);
    std::erase_if(kept, [&, source = source, offset = offset](const Kept& k) { return k.source == source && k.offset == offset; });
    if (!amended->amendment.replacement) continue;
    const RecordFields now = *SplitRecord(*amended->amendment.replacement);
    const auto is = StretchOf(dates, instants, now, roundMinutes);
    if (!is || !period.Holds(is->start.day)) continue;
    totals.Count(now.project, is->start.day, is->seconds.value_or(0), 1);
    if (entries) {
      kept.push_back({source, offset, {}});
      Fill(kept.back().entry, now, *is);
    }
  }
  DropEmptyProjects(summary);
  SortProjects(summary);
  if (entries) {
    for (Kept& k : kept) k.entry.device = folder.reports[k.source].device;
    std::sort(kept.begin(), kept.end(), [&](const Kept& a, const Kept& b) {
      return std::tie(a.entry.startValue.day, a.entry.startValue.seconds, a.entry.device, folder.reports[a.source].file, a.offset) <
             std::tie(b.entry.startValue.day, b.entry.startValue.seconds, b.entry.device, folder.reports[b.source].file, b.offset);
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
    chart.series.push_back("Other");
    chart.colours.push_back(kOtherColour);
  }
  chart.hours.assign(chart.series.size(), std::vector<double>(chart.bars.size(), 0.0));
  for (const DayTotal& day : summary.days)
    for (const auto& [project, seconds] : day.byProject)
      if (seconds > 0) chart.hours[std::min(project, own)][barOf(day.day)] += seconds / 3600.0;
  return chart;
}

}  // namespace tw
