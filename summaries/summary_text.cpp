#include "summaries/summary_text.h"

#include <algorithm>
#include <map>

#include "dates/ascii.h"
#include "summaries/balance.h"
#include "platform/translate.h"
#include "summaries/export.h"

namespace tw {
namespace {

// The amount of a row: what is billed, or for work not billable alone, its value in brackets.
std::string AmountCell(const MoneyTotals& money, std::string_view separator) {
  if (money.billableSeconds == 0 && money.notBillable > 0) return "(" + AmountText(money.notBillable, separator) + ")";
  return AmountText(money.billable, separator);
}

}  // namespace

ShownSummary ReadShownSummary(const Files& files, const FolderReports& reports, const Period& period,
                              int roundMinutes, const EntrySink& entries) {
  SummaryAsk ask;
  ask.roundMinutes = roundMinutes;
  return ReadShownSummary(files, reports, period, ask, entries);
}

ShownSummary ReadShownSummary(const Files& files, const FolderReports& reports, const Period& period,
                              const SummaryAsk& ask, const EntrySink& entries) {
  ShownSummary shown{EmptySummary(period, ask.roundMinutes), ""};
  try {
    shown.summary = ReadFolderSummary(files, reports, period, ask, entries);
  } catch (const RunError& e) {
    shown.failed = e.number() != kErrFileNotFound;
    shown.problem = shown.failed ? Arg(Tr("Summary", "The report could not be read: %1."), {e.description()})
                                 : Tr("Summary", "There is no report yet.");
  }
  return shown;
}

std::string SummarySentence(const ShownSummary& shown, const DateFormat& format, std::string_view separator) {
  const Summary& s = shown.summary;
  const auto day = [&format](std::int64_t d) {
    return Arg(Tr("Summary", "%1 %2"), {format.WeekdayName({d, 0}), format.FormatDate({d, 0})});
  };
  std::string text = s.period.Days() > 1
                         ? Arg(Tr("Summary", "%1 to %2"), {day(s.period.first), day(s.period.last)})
                         : day(s.period.first);
  text += Arg(Tr("Summary", ":  %1 (%2 hours) in %3"),
              {format.FormatDuration(s.totalSeconds), HoursText(s.totalSeconds, separator),
               TrN("Summary", "%n stretches", "%n stretch", s.stretches)});
  if (!shown.problem.empty()) text += ".  " + shown.problem;
  if (s.skippedLines > 0)
    text += ".  " + TrN("Summary", "%n lines of the report are not records and were skipped.",
                        "%n line of the report is not a record and was skipped.", s.skippedLines);
  return text;
}

std::string ShareText(std::int64_t seconds, std::int64_t total, std::string_view separator) {
  if (total <= 0) return "";
  const std::int64_t tenths = (seconds * 1000 + total / 2) / total;
  return std::to_string(tenths / 10) + std::string(separator) + std::to_string(tenths % 10) + "%";
}

std::vector<std::string> ProjectCells(const ProjectTotal& p, std::int64_t total, const DateFormat& format,
                                      std::string_view separator) {
  return {p.project, format.FormatDuration(p.seconds), HoursText(p.seconds, separator), ShareText(p.seconds, total, separator),
          std::to_string(p.stretches), AmountCell(p.money, separator)};
}

std::vector<std::string> DayCells(const DayTotal& d, const DateFormat& format, std::string_view separator) {
  return {format.data().shortDayNames[Weekday(d.day)] + " " + format.FormatDate({d.day, 0}),
          format.FormatDuration(d.seconds), HoursText(d.seconds, separator), std::to_string(d.stretches),
          AmountCell(d.money, separator)};
}

std::vector<std::string> TagCells(const TagTotal& tag, const DateFormat& format, std::string_view separator) {
  return {"#" + tag.first, format.FormatDuration(tag.second.seconds), HoursText(tag.second.seconds, separator),
          std::to_string(tag.second.stretches), AmountCell(tag.second, separator)};
}

std::vector<std::string> BudgetCells(const BudgetRow& row, const std::string& currency, const DateFormat& format,
                                     std::string_view separator) {
  const CivilDate month = CivilFromDay(row.days.first);
  const std::string counts = row.scope == BudgetScope::Month
                                 ? format.data().monthNames[static_cast<std::size_t>(month.month - 1)] + " " +
                                       std::to_string(month.year)
                                 : "in all";
  const int percent = row.state.usedPercent;
  std::string left;
  const auto part = [&](std::int64_t amount, const std::string& text) {
    left += (left.empty() ? "" : ", ") + text + (amount < 0 ? " over" : " left");
  };
  if (row.state.secondsLeft) part(*row.state.secondsLeft, format.FormatDuration(std::llabs(*row.state.secondsLeft)));
  if (row.state.centsLeft) part(*row.state.centsLeft, MoneyText(std::llabs(*row.state.centsLeft), currency, separator));
  return {row.project + ", " + counts, percent > 999 ? "over 999%" : std::to_string(percent) + "%", left};
}

SummaryAsk AskOf(const SummaryView& view, const ViewAsk& ask) {
  SummaryAsk summary;
  summary.roundMinutes = ask.roundMinutes;
  summary.rates = &view.rates;
  summary.filter = ask.filter;
  summary.tags = true;
  return summary;
}

SummaryView ReadSummaryView(const Files& files, const FolderReports& reports, const std::string& folder,
                            Settings* settings, const Period& period, const ViewAsk& ask) {
  SummaryView view;
  try {
    RatesFolder rates = ReadRates(files, folder);
    view.rates = std::move(rates.book);
    for (const RatesProblem& problem : rates.problems) view.problems.push_back(Arg(Tr("Summary", "%1 (left out)."), {ProblemText(problem)}));
  } catch (const RunError& e) {
    view.problems.push_back(Arg(Tr("Summary", "The rates could not be read: %1."), {e.description()}));
  }
  for (const std::string& project : view.rates.Projects()) view.anyRates |= !view.rates.Terms(project)->rates.empty();
  if (settings) view.work = ReadWorkSettings(*settings);
  for (const std::string& problem : view.work.problems) view.problems.push_back(Arg(Tr("Summary", "The setting %1"), {problem}));

  SummaryAsk summary = AskOf(view, ask);
  std::optional<WorkBalance> balance;
  if (view.work.target.Any()) {
    balance.emplace(view.work.target, view.work.daysOff);
    summary.sides.push_back(BalanceSide(*balance, BalanceDays(ask.today, ask.firstWeekday, view.work.since)));
  }
  BudgetTally budgets(view.rates, std::min(period.last, ask.today), ask.roundMinutes);
  for (SideTally& side : budgets.Sides()) summary.sides.push_back(std::move(side));
  // The filters' lists: every tag and project of the period, whatever is chosen. With nothing
  // chosen they are the summary's own, and the tags are not read twice.
  TagTally every;
  std::map<std::string, int, std::less<>> projects;
  if (ask.filter.Any())
    summary.sides.push_back({period, [&](const CountedStretch& s, int count) {
                               every.Add(s.comment, s.counted, {}, count);
                               const auto it = projects.find(s.project);
                               (it != projects.end() ? it->second : projects[std::string(s.project)]) += count;
                             }});
  view.shown = ReadShownSummary(files, reports, period, summary);

  if (balance) view.balances = BalancesOf(*balance, ask.today, ask.firstWeekday, view.work.since);
  view.budgets = budgets.Rows();
  if (!ask.filter.Any()) {
    for (const TagTotal& tag : view.shown.summary.tags) view.allTags.push_back(tag.first);
    for (const ProjectTotal& project : view.shown.summary.projects) projects[project.project] = 1;
  }
  for (const TagTotal& tag : every.Tags()) view.allTags.push_back(tag.first);
  for (const auto& [name, count] : projects)
    if (count > 0) view.allProjects.push_back(name);
  std::sort(view.allTags.begin(), view.allTags.end(),
            [](const std::string& a, const std::string& b) { return AsciiLowered(a) < AsciiLowered(b); });
  return view;
}

std::string MoneyText(Cents cents, const std::string& currency, std::string_view separator) {
  return AmountText(cents, separator) + (currency.empty() ? "" : " " + currency);
}

std::string MoneySentence(const SummaryView& view, const DateFormat& format, std::string_view separator) {
  if (!view.anyRates)
    return Tr("Summary", "No hourly rates are set: Report > Rates... sets a project's rate, and whether it is billable.");
  const Summary& s = view.shown.summary;
  const auto time = [&](std::int64_t seconds) {
    return Arg(Tr("Summary", "%1 (%2 hours)"), {format.FormatDuration(seconds), HoursText(seconds, separator)});
  };
  std::string text = Arg(Tr("Summary", "Billable: %1, %2."),
                         {time(s.money.billableSeconds), MoneyText(s.money.billable, s.currency, separator)});
  const std::int64_t notBillable = s.money.seconds - s.money.billableSeconds;
  if (notBillable > 0 || s.money.notBillable > 0)
    text += "  " + Arg(Tr("Summary", "Not billable: %1, worth %2 at its rates."),
                       {time(notBillable), MoneyText(s.money.notBillable, s.currency, separator)});
  return text;
}

std::string BalanceSentence(const SummaryView& view, const DateFormat& format) {
  std::string text;
  if (!view.balances) {
    text = Tr("Summary", "No working-time target is set: Option > Preferences... sets one.");
  } else {
    const Balances& b = *view.balances;
    text = Arg(Tr("Summary", "Balance: today %1, this week %2, this month %3"),
               {BalanceText(b.day.Over()), BalanceText(b.week.Over()), BalanceText(b.month.Over())});
    if (b.since)
      text += Arg(Tr("Summary", ", since %1 %2"), {format.FormatDate({*view.work.since, 0}), BalanceText(b.since->Over())});
    text += ".";
  }
  for (const std::string& problem : view.problems) text += "  " + problem;
  return text;
}


}  // namespace tw
