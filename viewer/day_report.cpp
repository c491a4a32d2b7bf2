#include "viewer/day_report.h"

#include "tracking/calculate_time.h"

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

DayReport ReadDayReport(const Files& files, const std::string& path, const DateTime& day,
                        const DateFormat& format) {
  Files::Reader reader = files.OpenRead(path);
  LineReader lines(reader);
  DayReport report;
  std::string_view text;
  while (lines.Next(text)) {
    auto row = DayRowOf(text, day.day, format);
    if (!row) continue;
    row->line.index = lines.index();
    row->line.offset = lines.offset();
    if (row->seconds) report.totalSeconds += *row->seconds;
    report.rows.push_back(std::move(*row));
  }
  return report;
}

}  // namespace tw
