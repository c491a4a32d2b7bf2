#pragma once
// Realistic report files for benchmarks: a few stretches of work a day on a dozen projects, in the
// order a person appends them, with comments that hold commas, and now and then an empty line or a
// line that is not a record.
#include <cstddef>
#include <string>

#include "dates/date_format.h"

namespace tw::bench {

struct GeneratedReport {
  std::size_t records = 0;
  DateTime firstDay;   // the day of the first record
  DateTime busiestDay; // a day in 2020, with records on it
};

// Writes `records` records in the given format to path, spread evenly over 2016 to 2026. With
// `tagged`, about half the comments carry one to three #tags, as a person who tags writes them.
GeneratedReport GenerateReport(const std::string& path, std::size_t records, const DateFormat& format,
                               unsigned seed = 1, bool tagged = false);

// The projects the generator records under, commas already left out of their names.
inline constexpr const char* kGeneratedProjects[] = {
    "Website redesign", "Quarterly report", "Client A",    "Client B  Ltd", "Support",  "Hiring",
    "Infrastructure",   "Book keeping",     "Research",    "Training",      "Meetings", "Travel"};

// A United States 12-hour format and a day-month-year 24-hour format.
DateFormat UsTwelveHour();
DateFormat DayMonthYear24();

}  // namespace tw::bench
