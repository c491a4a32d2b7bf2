#pragma once
// The projects' budgets against their use, read from a data folder's reports: the work of a
// project's whole life, or of one calendar month, its lengths rounded as the summary rounds them
// and valued at its rates (billable or not). The Summary window reads them in its own pass
// (BudgetTally's sides); the status line's {budget_left} and {budget_used_percent} and the budget
// notifications of a running stretch read them through ReadBudgets and RunningUse.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "billing/reckoning.h"
#include "platform/files.h"
#include "platform/settings.h"
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
// round) at the rate of the day it started, for NewlyPassedMark beside the use before it; nothing
// when its comment marks a day off.
BudgetUse RunningUse(const RatesBook& rates, std::string_view project, std::string_view comment,
                     const DateTime& start, std::int64_t elapsed, int roundMinutes);

// The budget notifications of a running stretch: when its project's use (the stretches before it
// and its own elapsed time) passes 80 % and then 100 % of one of the project's budgets, each mark of
// each budget is told once per stretch; marks passed before it started are not told. The budgets,
// the rates and their use before the stretch are read once, when a new stretch is first seen.
class BudgetWatch {
 public:
  // The balloon's text when a mark is newly passed, else empty; reports is asked only at a new
  // stretch. rounding: the Summary window's (kSummaryRoundingKey) setting text.
  std::string Poll(const Files& files, const std::string& folder, const std::function<FolderReports()>& reports,
                   std::string_view rounding, std::string_view project, std::string_view comment,
                   const DateTime& start, std::int64_t elapsed);

 private:
  std::string project_;
  DateTime start_;
  bool seen_ = false;
  RatesBook rates_;
  int minutes_ = 0;
  std::vector<BudgetRow> rows_;
  std::vector<BudgetAlert> alerts_;
};

// A rounding setting's minutes: one the Summary window offers, else none (0).
int RoundingOf(std::string_view setting);

}  // namespace tw
