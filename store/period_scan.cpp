#include "store/period_scan.h"

#include "dates/quick_dates.h"
#include "store/day_index.h"
#include "store/record_lines.h"

namespace tw {

namespace {

// How every scan reads a record line split into its fields: a start that is a date-time (false
// where it is none), handed to `records` when it falls on a day of the period, with a length when
// the end is a date-time too.
bool ReadRecord(std::string_view text, const RecordFields& fields, std::uint64_t offset, const Period& period,
                QuickDates& dates, LocalInstants& instants, ScannedRecord& record, const RecordSink& records) {
  const auto start = dates.Parse(fields.start);
  if (!start) return false;
  if (!period.Holds(start->day)) return true;
  record.text = text;
  record.fields = fields;
  record.start = *start;
  record.end = dates.Parse(fields.end);
  record.seconds = StretchSeconds(instants, record.start, record.end);
  record.offset = offset;
  records(record);
  return true;
}

}  // namespace

void ScanPeriod(Files::Reader& reader, const Period& period, const DateFormat& format, LocalInstants& instants,
                const RecordSink& records, const AmendmentSink& amendments, std::int64_t* skipped) {
  std::int64_t uncounted = 0;
  std::int64_t& skippedLines = skipped ? *skipped : uncounted;
  QuickDates dates(format);
  ScannedRecord record;
  ForEachRegion(reader, [&](std::string_view region, std::uint64_t base) {
    ForEachCommaLine(region, [&](const CommaLine& line) {
      const std::string_view text = line.text;
      if (text.empty()) return;
      const std::uint64_t offset = base + static_cast<std::uint64_t>(text.data() - region.data());
      // As the day report reads a line: three commas, a start that is a date-time, and a length
      // when the end is one too.
      if (line.commas.count < 3) {
        if (amendments && IsAmendmentLine(text))
          amendments(text, offset);
        else
          ++skippedLines;
        return;
      }
      const RecordFields fields = FieldsAt(text, line.commas.at[0], line.commas.at[1], line.commas.at[2]);
      // Not counting the lines that are no record, a record of another day is passed by its date's bytes.
      if (!skipped)
        if (const auto day = dates.SameDay(fields.start); day && !period.Holds(*day)) return;
      if (!ReadRecord(text, fields, offset, period, dates, instants, record, records)) ++skippedLines;
    });
  });
}

bool ScanDays(Files::Reader& reader, const Period& period, const DateFormat& format,
              const std::vector<DayPattern>& patterns, LocalInstants& instants, const RecordSink& records,
              const AmendmentSink& amendments) {
  QuickDates dates(format);
  ScannedRecord record;
  const CivilDate first = CivilFromDay(period.first), last = CivilFromDay(period.last);
  const auto on = [&](std::string_view line, std::uint64_t offset) {
    if (amendments && IsAmendmentLine(line)) {
      amendments(line, offset);
      return;
    }
    // Most lines that hold a pattern are of the same days of other years: the day report's look at
    // the start's date part passes over them.
    const auto start = StartField(line);
    if (!start || !MayBeOnDays(format, *start, first, last)) return;
    if (const auto fields = SplitRecord(line)) ReadRecord(line, *fields, offset, period, dates, instants, record, records);
  };
  return ForEachIndexedLine(reader, period, format, on) || ForEachPatternLine(reader, patterns, on);
}

}  // namespace tw
