#pragma once
// Period summaries: the stretches that started on the days of a period, totalled per project and
// per day. A stretch belongs to the day of its start and lasts what the day report says it lasts,
// so a period's total is the sum of its days' totals; a line that is not a record is counted, not
// shown. The Summary window, tallywright-report and the exports all read through ReadSummary.
//
// Asked with the data folder's rates, a summary also gives what the time amounts to (each stretch
// at its project's rate on its day, its rounded length, billable and not billable apart), per
// stretch, project, day and tag; a filter keeps only the stretches of some projects, holding some
// tags, or billable; and other tallies (the working-time balance, budgets) are fed in the same
// pass over the reports.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "billing/reckoning.h"
#include "dates/date_format.h"
#include "platform/files.h"
#include "store/folder_reports.h"
#include "dates/period.h"

namespace tw {

// Roundings of each stretch's length, in minutes (0: none).
inline constexpr int kRoundings[] = {0, 1, 5, 6, 10, 15, 30};
bool IsRounding(int minutes);
// seconds to the nearest multiple of `minutes` minutes, halves up; unchanged for 0.
std::int64_t Rounded(std::int64_t seconds, int minutes);

// What the time of a row amounts to: its amounts, and its counted time billable and not. Read
// without rates, everything is billable at no rate.
struct ProjectTotal {
  std::string project;
  std::int64_t seconds = 0;
  std::int64_t stretches = 0;
  MoneyTotals money;
  bool billable = true;
};

struct DayTotal {
  std::int64_t day = 0;
  std::int64_t seconds = 0;
  std::int64_t stretches = 0;
  std::vector<std::pair<std::size_t, std::int64_t>> byProject;  // index into projects, seconds
  MoneyTotals money;
};

// A tag's stretches (each counted once under each of its tags), by the tag's first spelling.
using TagTotal = std::pair<std::string, MoneyTotals>;

struct Summary {
  Period period;
  int roundMinutes = 0;
  std::int64_t totalSeconds = 0;
  std::int64_t stretches = 0;
  std::int64_t skippedLines = 0;       // lines of the file that are not records (empty ones aside)
  std::vector<ProjectTotal> projects;  // largest total first, then by name
  std::vector<DayTotal> days;          // each day of the period, in order, days without work too
  bool priced = false;                 // read with rates
  std::string currency;                // the rates' currency; empty when none is set
  MoneyTotals money;                   // the period's
  std::vector<TagTotal> tags;          // when asked for: largest first, then by name
};

// Which stretches a summary counts: those holding every one of `tags` (compared without case), of
// one of `projects` (as written; every project when none is named), and with billableOnly only
// the work of billable projects (days off left out).
struct SummaryFilter {
  std::vector<std::string> tags;
  std::vector<std::string> projects;
  bool billableOnly = false;
  bool Any() const { return !tags.empty() || !projects.empty() || billableOnly; }
  bool Passes(const RatesBook* rates, std::string_view project, std::string_view comment) const;
};

// A tally fed in the same pass as a summary, whatever the summary's period and filter: each
// stretch that started on one of its days (count 1), and each of them an edit replaced, taken
// back (count -1).
struct SideTally {
  Period days;
  std::function<void(const CountedStretch& stretch, int count)> add;
};

// What a summary reckons beside the time.
struct SummaryAsk {
  int roundMinutes = 0;
  const RatesBook* rates = nullptr;  // amounts at these rates; none: no amounts
  SummaryFilter filter;
  bool tags = false;                 // totals per tag
  std::vector<SideTally> sides;
};

// One stretch of the period: its fields as stored, their values, and its (rounded) length; no
// length when the end is not a date-time.
struct SummaryEntry {
  std::string project, start, end, comment;
  std::string device;  // the machine that recorded it, in a folder shared by several
  DateTime startValue;
  std::optional<DateTime> endValue;
  std::optional<std::int64_t> seconds;
  StretchAmount amount;  // at its rate, when the summary is read with rates
};
using EntrySink = std::function<void(const SummaryEntry&)>;

// The period with no stretches: each of its days, at zero.
Summary EmptySummary(const Period& period, int roundMinutes);

// Reads the report file at path once, front to back, holding one block of it. `entries` is given
// each stretch of the period in file order. RunError 53 when there is no file.
Summary ReadSummary(const Files& files, const std::string& path, const Period& period,
                    const DateFormat& format, int roundMinutes, const EntrySink& entries = {});

// The summary of a data folder's reports: its one report as ReadSummary reads it, or in a folder
// shared by several machines the union of the machines' reports, each in its own date form, with
// the amendments applied (report/amendment.h); `entries` is then given the stretches in order of
// start. RunError 53 when the folder holds no report.
Summary ReadFolderSummary(const Files& files, const FolderReports& reports, const Period& period,
                          int roundMinutes, const EntrySink& entries = {});
// The same, reckoning what `ask` asks beside the time; `entries` is given only the stretches the
// filter keeps.
Summary ReadFolderSummary(const Files& files, const FolderReports& reports, const Period& period,
                          const SummaryAsk& ask, const EntrySink& entries = {});

// What the chart shows: bars (the days of a period of up to two months, else its months, or its
// years beyond three years), each stacked by project: the largest projects, the rest as "Other".
struct Rgb {
  int red, green, blue;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};
struct ChartData {
  bool barsAreDays = false;                     // bar i is the period's i-th day
  std::vector<std::string> bars;                // labels
  std::vector<std::string> series;              // project names
  std::vector<Rgb> colours;                     // of each series
  std::vector<std::vector<double>> hours;       // [series][bar]
};
ChartData ChartOf(const Summary& summary, const DateFormat& format, std::size_t maxSeries = 8);

// Each project's colour, chosen from its name, so that a project keeps its colour from one period
// to the next however the projects rank (and in every window that shows it); where two of the
// names choose the same, the one later by name takes the next free one.
std::vector<Rgb> ColoursOf(const std::vector<std::string>& projects);

}  // namespace tw
