#include "summaries/status_figures.h"

#include <cstdlib>

#include "billing/work_target.h"
#include "dates/local_time.h"
#include "platform/platform.h"
#include "platform/run_error.h"
#include "summaries/balance.h"
#include "summaries/budgets.h"
#include "summaries/export.h"
#include "summaries/summary_text.h"

namespace tw {
namespace {

// The reading of the folder's work, or nothing where no report is there yet.
template <class Read, class Empty>
auto OrNoWork(Read&& read, Empty&& empty) {
  try {
    return read();
  } catch (const RunError& e) {
    if (e.number() != kErrFileNotFound) throw;
    return empty();
  }
}

std::string SignedClock(std::int64_t seconds) { return (seconds < 0 ? "-" : "") + ClockText(std::llabs(seconds)); }

}  // namespace

StatusFigures ReadStatusFigures(const Files& files, const std::string& folder, const FolderReports& reports,
                                Settings& settings, std::string_view project, std::string_view comment,
                                std::int64_t elapsed, const DateTime& now, int firstWeekday) {
  StatusFigures figures;
  const DateTime start = LocalOfInstant(InstantOfLocal(now) - elapsed);

  const RatesFolder rates = ReadRates(files, folder);
  if (rates.book.BudgetOf(project, BudgetScope::Total) || rates.book.BudgetOf(project, BudgetScope::Month)) {
    const int minutes = RoundingOf(settings.GetSetting(kProductName, kSettingsSection, kSummaryRoundingKey, "0"));
    const BudgetUse running = RunningUse(rates.book, project, comment, start, elapsed, minutes);
    const std::vector<BudgetRow> rows = OrNoWork(
        [&] { return ReadBudgets(files, reports, rates.book, project, start.day, minutes); },
        [&] { return BudgetTally(rates.book, start.day, minutes).Rows(project); });
    std::optional<BudgetState> tightest;
    for (const BudgetRow& row : rows) {
      const BudgetState state =
          StateOf(row.budget, {row.used.seconds + running.seconds, row.used.cents + running.cents});
      if (!tightest || state.usedPercent > tightest->usedPercent) tightest = state;
    }
    if (tightest) {
      if (tightest->secondsLeft) figures.budgetLeft = SignedClock(*tightest->secondsLeft);
      if (tightest->centsLeft)
        figures.budgetLeft += (figures.budgetLeft.empty() ? "" : ", ") + std::string(*tightest->centsLeft < 0 ? "-" : "") +
                              MoneyText(std::llabs(*tightest->centsLeft), rates.book.Currency(), ".");
      figures.budgetUsedPercent = std::to_string(tightest->usedPercent);
    }
  }

  const WorkSettings work = ReadWorkSettings(settings);
  if (work.target.Any()) {
    const Period days = BalanceDays(now.day, firstWeekday, std::nullopt);
    WorkBalance balance = OrNoWork([&] { return ReadWorkBalance(files, reports, work, days); },
                                   [&] { return WorkBalance(work.target, work.daysOff); });
    if (days.Holds(start.day)) balance.Add({project, comment, start, elapsed, elapsed});
    figures.balanceToday = BalanceText(balance.Day(now.day).Over());
    figures.balanceWeek = BalanceText(balance.Week(now.day, firstWeekday).Over());
  }
  return figures;
}

}  // namespace tw
