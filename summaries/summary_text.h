#pragma once
// What the Summary window shows, as text: the line above its tables, their rows, and the report
// read for it with what went wrong said in words. The window only puts these in its controls.
#include <cstdint>
#include <string>
#include <vector>

#include "billing/work_target.h"
#include "dates/date_format.h"
#include "platform/files.h"
#include "platform/settings.h"
#include "summaries/budgets.h"
#include "summaries/summary.h"

namespace tw {

// A summary read for the window: when the report could not be read, the period at zero and why,
// in a sentence ("There is no report yet."); the window stays open and the program goes on.
struct ShownSummary {
  Summary summary;
  std::string problem;
  bool failed = false;  // the report is there but could not be read
};
ShownSummary ReadShownSummary(const Files& files, const FolderReports& reports, const Period& period,
                              int roundMinutes, const EntrySink& entries = {});
ShownSummary ReadShownSummary(const Files& files, const FolderReports& reports, const Period& period,
                              const SummaryAsk& ask, const EntrySink& entries = {});

// What the Summary window asks of a period beside its time.
struct ViewAsk {
  int roundMinutes = 0;
  SummaryFilter filter;  // the project chosen and the tags ticked
  std::int64_t today = 0;
  int firstWeekday = 1;  // 0 = Sunday .. 6 = Saturday
};

// Everything the Summary window shows of a period, read in one pass over the reports: the
// summary with its amounts and tags, the balance of the working-time target (today, this week,
// this month, since the chosen day), the budgets' use (monthly ones in the month of the period's
// last day, or of today when that is earlier), every tag of the period for the list that filters
// by them, and what could not be read of the rates and settings.
struct SummaryView {
  ShownSummary shown;
  RatesBook rates;
  bool anyRates = false;               // the rates file sets any rate
  WorkSettings work;
  std::optional<Balances> balances;    // with a target set
  std::vector<BudgetRow> budgets;
  std::vector<std::string> allTags;    // by name, the first spelling of each, whatever the filter
  std::vector<std::string> allProjects;  // by name, whatever the filter
  std::vector<std::string> problems;   // a sentence each
};
SummaryView ReadSummaryView(const Files& files, const FolderReports& reports, const std::string& folder,
                            Settings* settings, const Period& period, const ViewAsk& ask);
// The summary's own ask of a view: its rounding, rates and filter, with the totals per tag.
SummaryAsk AskOf(const SummaryView& view, const ViewAsk& ask);

// An amount with the decimal separator given and the currency after it: "3187.50 EUR", "12,05".
std::string MoneyText(Cents cents, const std::string& currency, std::string_view separator);

// "Billable: 37:30:00 (37.50 hours), 3187.50 EUR.  Not billable: 10:00:00 (10.00 hours), worth
// 600.00 EUR at its rates.", or where no rate is set, how to set one.
std::string MoneySentence(const SummaryView& view, const DateFormat& format, std::string_view separator);
// "Balance: today -07:40:00, this week +01:20:00, this month -16:40:00, since 11/30/2026
// -16:33:00.", or where no target is set, how to set one; then what could not be read.
std::string BalanceSentence(const SummaryView& view, const DateFormat& format);

// "Sunday 12/6/2026 to Saturday 12/12/2026:  01:30:00 (1.50 hours) in 1 stretch.", then the
// problem and the lines skipped, each counted in words that agree with the number.
std::string SummarySentence(const ShownSummary& shown, const DateFormat& format, std::string_view separator = ".");

// "42.5%" of the period's total; empty when there is none.
std::string ShareText(std::int64_t seconds, std::int64_t total, std::string_view separator = ".");

// The cells of the projects', the days' and the tags' tables, each with its amount (what is
// billed; for work not billable its value, in brackets). Every number with a fraction (hours,
// shares, amounts) is written with the separator given, the window's decimal one.
std::vector<std::string> ProjectCells(const ProjectTotal& project, std::int64_t total,
                                      const DateFormat& format, std::string_view separator = ".");
std::vector<std::string> DayCells(const DayTotal& day, const DateFormat& format, std::string_view separator = ".");
std::vector<std::string> TagCells(const TagTotal& tag, const DateFormat& format, std::string_view separator = ".");
// A budget's row: the project and what it counts ("Acme, December", "Acme, in all"), the percent
// used, and what is left ("27:30:00 and 1200.00 EUR left", "2:00:00 over").
std::vector<std::string> BudgetCells(const BudgetRow& row, const std::string& currency, const DateFormat& format,
                                     std::string_view separator = ".");

}  // namespace tw
