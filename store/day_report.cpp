#include "store/day_report.h"

#include <algorithm>
#include <cstring>

#include "dates/quick_dates.h"
#include "report/amendment.h"
#include "dates/local_time.h"
#include "store/day_filter.h"
#include "store/day_index.h"
#include "store/record_lines.h"

namespace tw {

std::optional<DayRow> DayRowOf(std::string_view line, std::int64_t day, const DateFormat& format) {
  const auto fields = SplitRecord(line);
  if (!fields) return std::nullopt;
  const auto start = format.Parse(fields->start);
  if (!start || start->day != day) return std::nullopt;
  DayRow row;
  row.line.text = line;
  if (const auto end = format.Parse(fields->end)) {
    row.seconds = ElapsedSeconds(*start, *end);
    row.duration = format.FormatDuration(*row.seconds);
  }
  return row;
}

DayRows::DayRows(std::int64_t day, const DateFormat& format)
    : day_(day), date_(CivilFromDay(day)), format_(format) {}

std::optional<DayRow> DayRows::Of(std::string_view line) const {
  const auto start = StartField(line);
  if (!start || !MayBeOnDay(format_, *start, date_)) return std::nullopt;
  return DayRowOf(line, day_, format_);
}

namespace {

void Add(DayReport& report, DayRow row, std::uint64_t offset) {
  row.line.offset = offset;
  if (row.seconds) report.totalSeconds += *row.seconds;
  report.rows.push_back(std::move(row));
}

// Every line, each start in the form the program writes read at once (most are on other days),
// any other line read as DayRows reads it.
DayReport ReadEveryLine(Files::Reader& reader, const DateTime& day, const DateFormat& format,
                        const AmendmentSink& amendments) {
  LineReader lines(reader);
  const DayRows rows(day.day, format);
  QuickDates dates(format);
  DayReport report;
  std::string_view text;
  while (lines.Next(text)) {
    const auto start = StartField(text);
    if (!start) {
      if (amendments && IsAmendmentLine(text)) amendments(text, lines.offset());
      continue;
    }
    if (const auto value = dates.Read(*start); value && value->day != day.day) continue;
    if (auto row = rows.Of(text)) Add(report, std::move(*row), lines.offset());
  }
  return report;
}

}  // namespace

DayReport ReadDayReportByLines(const Files& files, const std::string& path, const DateTime& day,
                               const DateFormat& format) {
  Files::Reader reader = files.OpenRead(path);
  LineReader lines(reader);
  const DayRows rows(day.day, format);
  DayReport report;
  std::string_view text;
  while (lines.Next(text))
    if (auto row = rows.Of(text)) Add(report, std::move(*row), lines.offset());
  return report;
}

DayReport ReadDayReport(const Files& files, const std::string& path, const DateTime& day,
                        const DateFormat& format) {
  Files::Reader reader = files.OpenRead(path);
  return ScanDayReport(reader, day, format, DayPatterns(format, CivilFromDay(day.day)), {});
}

DayReport ScanDayReport(Files::Reader& reader, const DateTime& day, const DateFormat& format,
                        const std::vector<DayPattern>& patterns, const AmendmentSink& amendments) {
  const DayRows rows(day.day, format);
  DayReport report;
  const auto on = [&](std::string_view line, std::uint64_t offset) {
    if (amendments && IsAmendmentLine(line))
      amendments(line, offset);
    else if (auto row = rows.Of(line))
      Add(report, std::move(*row), offset);
  };
  const bool looked = ForEachIndexedLine(reader, Period{day.day, day.day}, format, on) ||
                      ForEachPatternLine(reader, patterns, on);
  return looked ? report : ReadEveryLine(reader, day, format, amendments);
}

}  // namespace tw
