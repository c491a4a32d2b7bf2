#include "summaries/budgets.h"

#include "billing/tags.h"
#include "platform/platform.h"
#include "platform/run_error.h"
#include "platform/translate.h"

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
  // A day off is not work: it uses no budget.
  if (life)
    sides.push_back({kReadableDays, [this](const CountedStretch& s, int count) {
                       if (!MarksDayOff(s.comment)) life_.Add(s, count);
                     }});
  if (month)
    sides.push_back({month_, [this](const CountedStretch& s, int count) {
                       if (!MarksDayOff(s.comment)) monthly_.Add(s, count);
                     }});
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

BudgetUse RunningUse(const RatesBook& rates, std::string_view project, std::string_view comment,
                     const DateTime& start, std::int64_t elapsed, int roundMinutes) {
  if (MarksDayOff(comment)) return {};
  const std::int64_t counted = Rounded(elapsed, roundMinutes);
  return {counted, AmountOfStretch(rates, {project, comment, start, elapsed, counted}).value};
}

int RoundingOf(std::string_view setting) {
  const std::optional<int> read = ParseWholeNumber(setting, 60);
  return read && IsRounding(*read) ? *read : 0;
}

std::string BudgetWatch::Poll(const Files& files, const std::string& folder,
                              const std::function<FolderReports()>& reports, std::string_view rounding,
                              std::string_view project, std::string_view comment, const DateTime& start,
                              std::int64_t elapsed) {
  if (!seen_ || project != project_ || !(start == start_)) {
    seen_ = true;
    project_ = std::string(project);
    start_ = start;
    rows_.clear();
    minutes_ = RoundingOf(rounding);
    try {
      rates_ = ReadRates(files, folder).book;
      if (!rates_.BudgetOf(project, BudgetScope::Total) && !rates_.BudgetOf(project, BudgetScope::Month)) return {};
      try {
        rows_ = ReadBudgets(files, reports(), rates_, project, start.day, minutes_);
      } catch (const RunError& e) {
        if (e.number() != kErrFileNotFound) throw;
        rows_ = BudgetTally(rates_, start.day, minutes_).Rows(project);  // no report yet: no use before
      }
    } catch (const RunError&) {
      rows_.clear();  // the rates or the reports cannot be read now: nothing to tell of this stretch
    }
    alerts_.assign(rows_.size(), {});
  }
  if (rows_.empty()) return {};
  const BudgetUse running = RunningUse(rates_, project, comment, start, elapsed, minutes_);
  std::string text;
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    const int mark = NewlyPassedMark(rows_[i].budget, rows_[i].used, running, alerts_[i]);
    if (mark == 0) continue;
    const std::string percent = std::to_string(mark);
    if (!text.empty()) text += '\n';
    text += rows_[i].scope == BudgetScope::Month
                ? Arg(Tr("BudgetWatch", "%1 has used %2% of its budget for this month."), {project, percent})
                : Arg(Tr("BudgetWatch", "%1 has used %2% of its budget."), {project, percent});
  }
  return text;
}

}  // namespace tw
