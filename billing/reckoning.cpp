#include "billing/reckoning.h"

#include <algorithm>

#include "billing/tags.h"

namespace tw {
namespace {

StretchAmount AmountUnder(const ProjectTerms* terms, const CountedStretch& stretch) {
  StretchAmount amount;
  if (MarksDayOff(stretch.comment)) {
    amount.billable = false;  // recorded, not worked: no rate, nothing billed
    return amount;
  }
  if (!terms) return amount;
  amount.billable = terms->billable;
  amount.rate = terms->RateOn(stretch.start.day);
  if (amount.rate) amount.value = AmountOf(stretch.counted, *amount.rate);
  return amount;
}

// Whole percents of used against a limit, down; a limit of nothing is used up at once.
int Percent(std::int64_t used, std::int64_t limit) {
  if (used <= 0) return limit <= 0 ? 100 : 0;
  if (limit <= 0 || used / limit >= 100) return 9999;
  return static_cast<int>(std::min<std::int64_t>(used / limit * 100 + used % limit * 100 / limit, 9999));
}

int MarkOf(const Budget& budget, const BudgetUse& use) {
  const int percent = StateOf(budget, use).usedPercent;
  return percent >= 100 ? 100 : percent >= 80 ? 80 : 0;
}

}  // namespace

StretchAmount AmountOfStretch(const RatesBook& rates, const CountedStretch& stretch) {
  return AmountUnder(rates.Terms(stretch.project), stretch);
}

void MoneyTotals::Add(std::int64_t counted, const StretchAmount& amount, int count) {
  stretches += count;
  seconds += count * counted;
  if (amount.billable) {
    billableSeconds += count * counted;
    billable += count * amount.value;
  } else {
    notBillable += count * amount.value;
  }
}

StretchAmount AmountTally::Add(const CountedStretch& stretch, int count) {
  if (!lastProject_ || lastName_ != stretch.project) {
    auto it = projects_.find(stretch.project);
    if (it == projects_.end())
      it = projects_.emplace(std::string(stretch.project), ProjectRow{rates_.Terms(stretch.project), {}}).first;
    lastProject_ = &it->second;
    lastName_ = stretch.project;
  }
  if (!lastDay_ || lastDayNumber_ != stretch.start.day) {
    lastDay_ = &days_[stretch.start.day];
    lastDayNumber_ = stretch.start.day;
  }
  const StretchAmount amount = AmountUnder(lastProject_->terms, stretch);
  lastProject_->totals.Add(stretch.counted, amount, count);
  lastDay_->Add(stretch.counted, amount, count);
  total_.Add(stretch.counted, amount, count);
  return amount;
}

std::vector<std::pair<std::string, MoneyTotals>> AmountTally::Projects() const {
  std::vector<std::pair<std::string, MoneyTotals>> rows;
  for (const auto& [name, row] : projects_) rows.emplace_back(name, row.totals);
  std::sort(rows.begin(), rows.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  return rows;
}

std::vector<std::pair<std::int64_t, MoneyTotals>> AmountTally::Days() const {
  std::vector<std::pair<std::int64_t, MoneyTotals>> rows(days_.begin(), days_.end());
  std::sort(rows.begin(), rows.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  return rows;
}

MoneyTotals AmountTally::Project(std::string_view project) const {
  const auto it = projects_.find(project);
  return it == projects_.end() ? MoneyTotals{} : it->second.totals;
}

MoneyTotals AmountTally::Day(std::int64_t day) const {
  const auto it = days_.find(day);
  return it == days_.end() ? MoneyTotals{} : it->second;
}

void TagTally::Add(std::string_view comment, std::int64_t counted, const StretchAmount& amount, int count) {
  if (comment.find('#') == std::string_view::npos) return;
  seenCount_ = 0;
  ForEachTag(comment, [&](std::string_view tag) {
    TagKeyInto(tag, key_);
    const auto seen = seen_.begin() + static_cast<std::ptrdiff_t>(seenCount_);
    if (std::find(seen_.begin(), seen, key_) != seen) return;  // a tag counts once a stretch
    if (seenCount_ == seen_.size()) seen_.emplace_back();
    seen_[seenCount_++] = key_;
    auto it = tags_.find(std::string_view(key_));
    if (it == tags_.end()) it = tags_.emplace(key_, std::pair{std::string(tag), MoneyTotals{}}).first;
    it->second.second.Add(counted, amount, count);
  });
}

std::vector<std::pair<std::string, MoneyTotals>> TagTally::Tags() const {
  std::vector<std::pair<std::string, MoneyTotals>> rows;
  for (const auto& [key, row] : tags_)
    if (row.second.stretches > 0) rows.push_back(row);
  std::sort(rows.begin(), rows.end(), [](const auto& a, const auto& b) {
    return a.second.seconds != b.second.seconds ? a.second.seconds > b.second.seconds : a.first < b.first;
  });
  return rows;
}

BudgetState StateOf(const Budget& budget, const BudgetUse& used) {
  BudgetState state;
  if (budget.seconds) {
    state.secondsLeft = *budget.seconds - used.seconds;
    state.usedPercent = Percent(used.seconds, *budget.seconds);
  }
  if (budget.cents) {
    state.centsLeft = *budget.cents - used.cents;
    state.usedPercent = std::max(state.usedPercent, Percent(used.cents, *budget.cents));
  }
  return state;
}

Period BudgetDays(BudgetScope scope, std::int64_t day) {
  return scope == BudgetScope::Month ? PeriodOf(PeriodKind::Month, day, 0) : kReadableDays;
}

int NewlyPassedMark(const Budget& budget, const BudgetUse& before, const BudgetUse& running, BudgetAlert& alert) {
  if (!alert.started) {
    alert.started = true;
    alert.passed = MarkOf(budget, before);
  }
  const int mark = MarkOf(budget, {before.seconds + running.seconds, before.cents + running.cents});
  if (mark <= alert.passed) return 0;
  alert.passed = mark;
  return mark;
}

}  // namespace tw
