#include "summaries/summary.h"

#include <algorithm>
#include <numeric>
#include <unordered_map>

#include "dates/local_instants.h"
#include "dates/quick_dates.h"
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

Summary ReadSummary(const Files& files, const std::string& path, const Period& period,
                    const DateFormat& format, int roundMinutes, const EntrySink& entries) {
  Summary summary = EmptySummary(period, roundMinutes);

  std::unordered_map<std::string, std::size_t, NameHash, std::equal_to<>> index;
  QuickDates dates(format);
  LocalInstants instants;
  SummaryEntry entry;
  Files::Reader reader = files.OpenRead(path);
  ForEachRegion(reader, [&](std::string_view region, std::uint64_t) {
    ForEachCommaLine(region, [&](const CommaLine& line) {
      const std::string_view text = line.text;
      if (text.empty()) return;
      // As the day report reads a line: three commas, a start that is a date-time, and a length
      // when the end is one too.
      if (line.commas.count < 3) {
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
      const auto end = dates.Parse(fields.end);
      std::optional<std::int64_t> seconds;
      if (end) seconds = Rounded(std::abs(instants.Of(*start) - instants.Of(*end)), roundMinutes);

      auto known = index.find(fields.project);
      if (known == index.end()) {
        known = index.emplace(std::string(fields.project), summary.projects.size()).first;
        summary.projects.push_back(ProjectTotal{known->first, 0, 0});
      }
      ProjectTotal& project = summary.projects[known->second];
      ++project.stretches;
      project.seconds += seconds.value_or(0);
      AddTo(summary.days[static_cast<std::size_t>(start->day - period.first)], known->second,
            seconds.value_or(0));
      ++summary.stretches;
      summary.totalSeconds += seconds.value_or(0);
      if (entries) {
        entry.project.assign(fields.project);
        entry.start.assign(fields.start);
        entry.end.assign(fields.end);
        entry.comment.assign(fields.comment);
        entry.startValue = *start;
        entry.endValue = end;
        entry.seconds = seconds;
        entries(entry);
      }
    });
  });
  SortProjects(summary);
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
