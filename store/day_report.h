#pragma once
// The stretches of work that started on one calendar day, read from the report file, with their
// lengths and the day's total. The report window and tallywright-report show exactly this.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "dates/date_format.h"
#include "platform/files.h"
#include "platform/lines.h"
#include "report/amendment.h"
#include "report/record.h"
#include "store/day_filter.h"
#include "platform/translate.h"

namespace tw {

// Where a row of a folder shared by several machines comes from.
struct RowOrigin {
  std::string file;    // the report that holds the record, by its name in the folder
  std::string device;  // the machine that recorded it
  std::shared_ptr<const DateFormat> format;  // its report's form
  std::string amendedOn;  // the machine whose amendment (report/amendment.h) is shown, if any
  std::string shown;      // that amendment's replacement of the record
};

struct DayRow {
  SourceLine line;       // the record's line, where it stands in the file
  std::string duration;  // "hh:mm:ss", empty when the end is not a date-time
  std::optional<std::int64_t> seconds;
  std::optional<RowOrigin> origin;  // in a shared folder

  // Project, start, end and comment, exactly as the splitting rule takes them from the line (from
  // the amendment's replacement, when one is shown).
  RecordFields fields() const {
    return *SplitRecord(origin && !origin->amendedOn.empty() ? origin->shown : line.text);
  }
};

struct DayReport {
  std::vector<DayRow> rows;  // in file order; by start when several reports were read
  std::int64_t totalSeconds = 0;
  std::size_t machines = 1;  // the machines whose reports were read
  // The total row is shown only under two or more rows.
  bool HasTotal() const { return rows.size() >= 2; }
};

// The row a line makes on `day`, or nothing: an empty line, a line with fewer than three commas,
// one whose start is not a date-time, and one that started on another day are on no day.
std::optional<DayRow> DayRowOf(std::string_view line, std::int64_t day, const DateFormat& format);

// The same rows as DayRowOf, for a scan of the whole report: most lines are on other days, and
// the date part of their start tells so without reading the whole line.
class DayRows {
 public:
  DayRows(std::int64_t day, const DateFormat& format);
  std::optional<DayRow> Of(std::string_view line) const;

 private:
  std::int64_t day_;
  CivilDate date_;
  const DateFormat& format_;
};

// Reads the report file at path in large blocks and keeps the rows of the calendar day of `day`.
// RunError 53 when there is no file.
DayReport ReadDayReportByLines(const Files& files, const std::string& path, const DateTime& day,
                               const DateFormat& format);
// The same rows, found faster: only the lines that hold the day's month and day numbers side by
// side (DayPatterns) are read as records; where the locale's date has no such patterns, a start in
// the form the program writes is read the quick way.
DayReport ReadDayReport(const Files& files, const std::string& path, const DateTime& day,
                        const DateFormat& format);

// The rows of ReadDayReport, of one of several reports read together, from a reader the caller
// opened: the lines looked at are those the program's index of days gives (store/day_index.h),
// else those that hold one of `patterns` (DayPatterns of every form the reports are in; every line
// when empty), and each of them that is an amendment goes to `amendments`.
DayReport ScanDayReport(Files::Reader& reader, const DateTime& day, const DateFormat& format,
                        const std::vector<DayPattern>& patterns, const AmendmentSink& amendments);

// The total as the window shows it.
inline std::string TotalText(const DayReport& report, const DateFormat& format) {
  return format.FormatDuration(report.totalSeconds);
}

// The total row's label: in the report window in the person's language, in CSV always as here, for
// the scripts that read it.
inline constexpr const char* kTotalLabel = TW_TEXT("Report", "Total Time:");

}  // namespace tw
