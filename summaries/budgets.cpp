#include "summaries/budgets.h"

namespace tw {

BudgetTally::BudgetTally(const RatesBook& rates, std::int64_t day, int roundMinutes)
    : rates_(rates),
      month_(BudgetDays(BudgetScope::Month, day)),
      roundMinutes_(roundMinutes),
      life_(rates),
      monthly_(rates) {}

std::vector<SideTally> BudgetTally::Sides() {
  bool life = false, month = false;
  for (const std::string& project : rates_.Projects()) {
    life |= rates_.BudgetOf(project, BudgetScope::Total).has_value();
    month |= rates_.BudgetOf(project, BudgetScope::Month).has_value();
  }
  std::vector<SideTally> sides;
  if (life) sides.push_back({kReadableDays, [this](const CountedStretch& s, int count) { life_.Add(s, count); }});
  if (month) sides.push_back({month_, [this](const CountedStretch& s, int count) { monthly_.Add(s, count); }});
  return sides;
}

std::vector<BudgetRow> BudgetTally::Rows(std::optional<std::string_view> only) const {
  std::vector<BudgetRow> rows;
  for (const std::string& project : rates_.Projects()) {
    if (only && project != *only) continue;
    for (const BudgetScope scope : {BudgetScope::Total, BudgetScope::Month}) {
      const auto budget = rates_.BudgetOf(project, scope);
      if (!budget) continue;
      const AmountTally& tally = scope == BudgetScope::Total ? life_ : monthly_;
      const BudgetUse used = UseOf(tally.Project(project));
      rows.push_back({project, scope, scope == BudgetScope::Total ? kReadableDays : month_, *budget, used,
                      StateOf(*budget, used)});
    }
  }
  return rows;
}

std::vector<BudgetRow> ReadBudgets(const Files& files, const FolderReports& reports, const RatesBook& rates,
                                   std::optional<std::string_view> project, std::int64_t today, int roundMinutes) {
  BudgetTally tally(rates, today, roundMinutes);
  SummaryAsk ask;
  ask.roundMinutes = roundMinutes;
  ask.sides = tally.Sides();
  if (!ask.sides.empty()) ReadFolderSummary(files, reports, {today, today}, ask);
  return tally.Rows(project);
}

BudgetUse RunningUse(const RatesBook& rates, std::string_view project, const DateTime& start,
                     std::int64_t elapsed, int roundMinutes) {
  const std::int64_t counted = Rounded(elapsed, roundMinutes);
  return {counted, AmountOfStretch(rates, {project, "", start, elapsed, counted}).value};
}

}  // namespace tw
