#pragma once
// The projects' budgets against their use, read from a data folder's reports: the work of a
// project's whole life, or of one calendar month, its lengths rounded as the summary rounds them
// and valued at its rates (billable or not). The Summary window reads them in its own pass
// (BudgetTally's sides); the status line's {budget_left} and {budget_used_percent} and the budget
// notifications of a running stretch read them through ReadBudgets and RunningUse.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "billing/reckoning.h"
#include "platform/files.h"
#include "store/folder_reports.h"
#include "summaries/summary.h"

namespace tw {

struct BudgetRow {
  std::string project;
  BudgetScope scope = BudgetScope::Total;
  Period days;  // the days it counts
  Budget budget;
  BudgetUse used;
  BudgetState state;
};

// The use of every budget of the book, fed in a summary's pass: the whole life of projects with a
// budget of their total, and the calendar month of `day` for those with a monthly one.
class BudgetTally {
 public:
  BudgetTally(const RatesBook& rates, std::int64_t day, int roundMinutes);
  BudgetTally(const BudgetTally&) = delete;
  BudgetTally& operator=(const BudgetTally&) = delete;
  // What to add to a summary's ask (nothing when the book holds no budget); this tally must live
  // as long as the pass.
  std::vector<SideTally> Sides();
  // By project, the whole life's first; `only` keeps one project's.
  std::vector<BudgetRow> Rows(std::optional<std::string_view> only = std::nullopt) const;

 private:
  const RatesBook& rates_;
  Period month_;
  int roundMinutes_;
  AmountTally life_, monthly_;
};

// One project's budgets (or every project's) with their use up to the end of `today`'s month.
// RunError 53 when the folder holds no report.
std::vector<BudgetRow> ReadBudgets(const Files& files, const FolderReports& reports, const RatesBook& rates,
                                   std::optional<std::string_view> project, std::int64_t today, int roundMinutes);

// What a running stretch adds to its project's budgets: its elapsed time (rounded as summaries
// round) at the rate of the day it started, for NewlyPassedMark beside the use before it.
BudgetUse RunningUse(const RatesBook& rates, std::string_view project, const DateTime& start,
                     std::int64_t elapsed, int roundMinutes);

}  // namespace tw
