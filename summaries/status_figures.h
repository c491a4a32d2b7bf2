#pragma once
// What the status line tells of a running stretch's money and time beside its length: how much of
// its project's budget is left and used, and today's and this week's working-time balance, the
// running stretch counted in each (tallywright-ctl status --format {budget_left} ...).
#include <cstdint>
#include <string>
#include <string_view>

#include "dates/date_value.h"
#include "platform/files.h"
#include "platform/settings.h"
#include "store/folder_reports.h"

namespace tw {

// The Summary window's rounding, which budgets are counted in: whole minutes, 0 for none.
inline constexpr const char* kSummaryRoundingKey = "SummaryRounding";

struct StatusFigures {
  std::string budgetLeft;         // "27:30:00", "1200.00 EUR", both joined by ", "; "-" when over
  std::string budgetUsedPercent;  // "83": of the hours or the money, whichever is used more
  std::string balanceToday;       // "+01:20:00", "-07:40:00"
  std::string balanceWeek;
};

// Whether format names a field of StatusFigures (inline: the quick tallywright-ctl, which reads no
// report, asks it to hand such a status on).
inline bool AsksStatusFigures(std::string_view format) {
  for (const char* field : {"{budget_left}", "{budget_used_percent}", "{balance_today}", "{balance_week}"})
    if (format.find(field) != std::string_view::npos) return true;
  return false;
}

// The running stretch of `project` (its comment, `elapsed` seconds up to `now`) against the
// budgets of its project, the tightest one told (its month: the month the stretch started in), and
// the settings' target. A figure that does not apply is empty: a project without a budget, no
// target set. A folder without a report yet counts as holding no work.
StatusFigures ReadStatusFigures(const Files& files, const std::string& folder, const FolderReports& reports,
                                Settings& settings, std::string_view project, std::string_view comment,
                                std::int64_t elapsed, const DateTime& now, int firstWeekday);

}  // namespace tw
