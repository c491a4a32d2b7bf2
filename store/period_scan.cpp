#include "store/period_scan.h"

#include "dates/quick_dates.h"
#include "store/record_lines.h"

namespace tw {

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
      // As the day report reads a line: three commas, a start that is a date-time, and a length
      // when the end is one too.
      if (line.commas.count < 3) {
        if (amendments && IsAmendmentLine(text))
          amendments(text, base + static_cast<std::uint64_t>(text.data() - region.data()));
        else
          ++skippedLines;
        return;
      }
      record.fields = FieldsAt(text, line.commas.at[0], line.commas.at[1], line.commas.at[2]);
      if (!skipped)
        if (const auto day = dates.SameDay(record.fields.start); day && !period.Holds(*day)) return;
      const auto start = dates.Parse(record.fields.start);
      if (!start) {
        ++skippedLines;
        return;
      }
      if (!period.Holds(start->day)) return;
      record.text = text;
      record.start = *start;
      record.end = dates.Parse(record.fields.end);
      record.seconds = StretchSeconds(instants, record.start, record.end);
      record.offset = base + static_cast<std::uint64_t>(text.data() - region.data());
      records(record);
    });
  });
}

}  // namespace tw
