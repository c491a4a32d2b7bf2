#pragma once
// The scan of a whole report behind the longer periods: every line is looked at once, front to
// back, holding one block of the file. Line ends and the first three commas of each line are found
// sixty-four bytes at a time (store/record_lines.h), and starts and ends in the form the program
// writes are read the quick way (dates/quick_dates.h).
#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

#include "dates/date_format.h"
#include "dates/local_instants.h"
#include "dates/period.h"
#include "platform/files.h"
#include "report/amendment.h"
#include "report/record.h"
#include "store/day_filter.h"

namespace tw {

// A record met by a scan, valid during the call that hands it over.
struct ScannedRecord {
  std::string_view text;  // the whole line, without its line end
  RecordFields fields;
  DateTime start;
  std::optional<DateTime> end;
  std::optional<std::int64_t> seconds;  // real length, without sign; none when the end is no date-time
  std::uint64_t offset = 0;             // where the line starts in the file
};
using RecordSink = std::function<void(const ScannedRecord&)>;

// The length of a stretch as every reader gives it: real seconds between its start and end, a
// stretch typed the wrong way round lasting as long as the other way.
inline std::optional<std::int64_t> StretchSeconds(LocalInstants& instants, const DateTime& start,
                                                  const std::optional<DateTime>& end) {
  if (!end) return std::nullopt;
  const std::int64_t d = instants.Of(start) - instants.Of(*end);
  return d < 0 ? -d : d;
}

// Reads a report from `reader`: each record whose start falls on a day of period goes to
// `records`; with `amendments`, each amendment line goes there; every other line that is not empty
// (no record, no date-time start, or an amendment nobody takes) is counted in `skipped`. Without
// `skipped`, a record of a day the period does not hold is passed over by its date alone.
void ScanPeriod(Files::Reader& reader, const Period& period, const DateFormat& format, LocalInstants& instants,
                const RecordSink& records, const AmendmentSink& amendments, std::int64_t* skipped);

// The records that started on the days of a short period, as ScanPeriod gives them (in file
// order), found as ScanDayReport (store/day_report.h) finds a day's: only the lines the index of
// days gives, or else those that hold one of `patterns` (the DayPatterns of each of the days, of
// every form the reports are in) are read,
// and each of them that is an amendment goes to `amendments`. False, with nothing read, where the
// patterns are too many to be looked for together (AnchorsOf): the caller reads every line.
bool ScanDays(Files::Reader& reader, const Period& period, const DateFormat& format,
              const std::vector<DayPattern>& patterns, LocalInstants& instants, const RecordSink& records,
              const AmendmentSink& amendments);

}  // namespace tw
