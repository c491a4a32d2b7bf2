#pragma once
// The working-time balance read from a data folder's reports: the worked time of each day against
// the target of the settings, for today, this week, this month and since the chosen first day, or
// for the days of a period; and written out as text, CSV or JSON (tallywright-report --balance).
// The status line's {balance_today} and {balance_week} read it through ReadBalances.
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "billing/work_target.h"
#include "platform/files.h"
#include "store/folder_reports.h"
#include "summaries/summary.h"

namespace tw {

// A side tally that feeds `balance` every stretch of `days`, for a summary's pass.
SideTally BalanceSide(WorkBalance& balance, const Period& days);

// The balance of the settings' target, fed every stretch of `days` (their lengths as recorded),
// every machine's with their edits. RunError 53 when the folder holds no report.
WorkBalance ReadWorkBalance(const Files& files, const FolderReports& reports, const WorkSettings& settings,
                            const Period& days);

// Today's, this week's, this month's and (when set) since BalanceSince's balance, each up to today.
Balances ReadBalances(const Files& files, const FolderReports& reports, const WorkSettings& settings,
                      std::int64_t today, int firstWeekday);

// A balance as a signed length: "+03:20:00", "-01:00:00", "+00:00:00".
std::string BalanceText(std::int64_t seconds);

// The four balances: Period,From,To,Worked,Target,Balance, one row each ("Today", "This week",
// "This month", "Since").
void WriteBalances(const Balances& balances, std::int64_t today, int firstWeekday,
                   std::optional<std::int64_t> since, bool csv, std::ostream& out);
// The days of period up to today: Date,Worked,Target,Balance,Day Off, then the "Total Time:" row.
void WriteBalanceDays(const WorkBalance& balance, const Period& period, std::int64_t today, bool csv,
                      std::ostream& out);
// As JSON: {"target", "today", "balances": [{"period", "from", "to", "workedSeconds",
// "targetSeconds", "balanceSeconds"}], "days": [{"date", ..., "dayOff"}]}; the days only for a
// period, the balances otherwise.
void WriteBalanceJson(const WorkSettings& settings, const WorkBalance& balance, std::int64_t today,
                      int firstWeekday, const std::optional<Period>& period, std::ostream& out);

}  // namespace tw
