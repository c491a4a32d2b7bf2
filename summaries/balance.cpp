#include "summaries/balance.h"

#include <cstdlib>

#include "store/record_store.h"
#include "summaries/export.h"

namespace tw {
namespace {

struct BalanceRow {
  const char* name;  // as the table shows it
  const char* key;   // as JSON names it
  Period days;
  Balance balance;
};

std::vector<BalanceRow> RowsOf(const Balances& b, std::int64_t today, int firstWeekday, std::optional<std::int64_t> since) {
  std::vector<BalanceRow> rows{{"Today", "today", {today, today}, b.day},
                               {"This week", "week", PeriodOf(PeriodKind::Week, today, firstWeekday), b.week},
                               {"This month", "month", PeriodOf(PeriodKind::Month, today, 0), b.month}};
  if (since && b.since) rows.push_back({"Since", "since", {*since, today}, *b.since});
  for (BalanceRow& row : rows) row.days.last = std::min(row.days.last, today);
  return rows;
}

}  // namespace

SideTally BalanceSide(WorkBalance& balance, const Period& days) {
  return {days, [&balance](const CountedStretch& stretch, int count) { balance.Add(stretch, count); }};
}

WorkBalance ReadWorkBalance(const Files& files, const FolderReports& reports, const WorkSettings& settings,
                            const Period& days) {
  WorkBalance balance(settings.target, settings.daysOff);
  const SideTally side = BalanceSide(balance, days);
  const auto feed = [&](const StretchView& s, int count) {
    const std::int64_t seconds = s.seconds.value_or(0);
    side.add({s.fields.project, s.fields.comment, s.start, seconds, seconds}, count);
  };
  StretchVisitor visitor;
  visitor.found = [&](const StretchView& s) { feed(s, 1); };
  visitor.takenBack = [&](const StretchView& s) { feed(s, -1); };
  RecordStore(files, reports).Visit(days, visitor);
  return balance;
}

Balances ReadBalances(const Files& files, const FolderReports& reports, const WorkSettings& settings,
                      std::int64_t today, int firstWeekday) {
  const WorkBalance balance =
      ReadWorkBalance(files, reports, settings, BalanceDays(today, firstWeekday, settings.since));
  return BalancesOf(balance, today, firstWeekday, settings.since);
}

std::string BalanceText(std::int64_t seconds) { return (seconds < 0 ? "-" : "+") + ClockText(std::llabs(seconds)); }

void WriteBalances(const Balances& balances, std::int64_t today, int firstWeekday,
                   std::optional<std::int64_t> since, bool csv, std::ostream& out) {
  WriteRow(out, csv, {"Period", "From", "To", "Worked", "Target", "Balance"});
  for (const BalanceRow& row : RowsOf(balances, today, firstWeekday, since))
    WriteRow(out, csv, {row.name, IsoDate(row.days.first), IsoDate(row.days.last), ClockText(row.balance.worked),
                        ClockText(row.balance.target), BalanceText(row.balance.Over())});
}

void WriteBalanceDays(const WorkBalance& balance, const Period& period, std::int64_t today, bool csv,
                      std::ostream& out) {
  WriteRow(out, csv, {"Date", "Worked", "Target", "Balance", "Day Off"});
  for (std::int64_t day = period.first; day <= std::min(period.last, today); ++day) {
    const Balance b = balance.Day(day);
    WriteRow(out, csv, {IsoDate(day), ClockText(b.worked), ClockText(b.target), BalanceText(b.Over()),
                        balance.DayOff(day) ? "yes" : ""});
  }
  const Balance total = balance.Over(period, today);
  WriteRow(out, csv, {kTotalLabel, ClockText(total.worked), ClockText(total.target), BalanceText(total.Over()), ""});
}

void WriteBalanceJson(const WorkSettings& settings, const WorkBalance& balance, std::int64_t today,
                      int firstWeekday, const std::optional<Period>& period, std::ostream& out) {
  const auto fields = [&](const Balance& b) {
    out << ", \"workedSeconds\": " << b.worked << ", \"targetSeconds\": " << b.target
        << ", \"balanceSeconds\": " << b.Over();
  };
  out << "{\n  \"target\": " << JsonString(WeekTargetText(settings.target)) << ",\n  \"today\": \"" << IsoDate(today)
      << "\",\n  \"balances\": [";
  const char* separator = "\n    ";
  if (!period) {
    for (const BalanceRow& row : RowsOf(BalancesOf(balance, today, firstWeekday, settings.since), today, firstWeekday,
                                        settings.since)) {
      out << separator << "{\"period\": \"" << row.key << "\", \"from\": \"" << IsoDate(row.days.first)
          << "\", \"to\": \"" << IsoDate(row.days.last) << "\"";
      fields(row.balance);
      out << "}";
      separator = ",\n    ";
    }
  } else {
    const Period upToToday{period->first, std::min(period->last, today)};
    out << separator << "{\"period\": \"period\", \"from\": \"" << IsoDate(period->first) << "\", \"to\": \""
        << IsoDate(upToToday.last) << "\"";
    fields(balance.Over(*period, today));
    out << "}";
  }
  out << "\n  ],\n  \"days\": [";
  separator = "\n    ";
  if (period)
    for (std::int64_t day = period->first; day <= std::min(period->last, today); ++day) {
      out << separator << "{\"date\": \"" << IsoDate(day) << "\"";
      fields(balance.Day(day));
      out << ", \"dayOff\": " << (balance.DayOff(day) ? "true" : "false") << "}";
      separator = ",\n    ";
    }
  out << (separator[0] == ',' ? "\n  " : "") << "]\n}\n";
}

}  // namespace tw
