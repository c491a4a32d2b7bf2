#pragma once
// What the Summary window shows, as text: the line above its tables, their rows, and the report
// read for it with what went wrong said in words. The window only puts these in its controls.
#include <cstdint>
#include <string>
#include <vector>

#include "dates/date_format.h"
#include "platform/files.h"
#include "summaries/summary.h"

namespace tw {

// A summary read for the window: when the report could not be read, the period at zero and why,
// in a sentence ("There is no report yet."); the window stays open and the program goes on.
struct ShownSummary {
  Summary summary;
  std::string problem;
  bool failed = false;  // the report is there but could not be read
};
ShownSummary ReadShownSummary(const Files& files, const std::string& path, const Period& period,
                              const DateFormat& format, int roundMinutes, const EntrySink& entries = {});

// "Sunday 12/6/2026 to Saturday 12/12/2026:  01:30:00 (1.50 hours) in 1 stretch.", then the
// problem and the lines skipped, each counted in words that agree with the number.
std::string SummarySentence(const ShownSummary& shown, const DateFormat& format);

// "42.5%" of the period's total; empty when there is none.
std::string ShareText(std::int64_t seconds, std::int64_t total);

// The cells of the projects' and the days' tables.
std::vector<std::string> ProjectCells(const ProjectTotal& project, std::int64_t total,
                                      const DateFormat& format);
std::vector<std::string> DayCells(const DayTotal& day, const DateFormat& format);

// What tells that the report changed since it was read: its size, last change and identity
// (a rewrite, a restore or an import puts another file in its place); empty when there is none.
std::string ReportStamp(const std::string& path);

}  // namespace tw
