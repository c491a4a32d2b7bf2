#pragma once
// What time amounts to: the amount of each stretch at its project's rate, totals per project, per
// day and for a period (billable and not billable apart), totals per tag, and a budget's use.
//
// A stretch takes the rate of the day it started on, so a rate change inside a period splits no
// stretch, and a new rate never changes the amount of a stretch before its day. Each stretch's
// amount is rounded to the cent on its own, and every total is the sum of those amounts: the rows
// of a table always add up to its total, to the cent.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "billing/money.h"
#include "billing/rates.h"
#include "dates/date_value.h"
#include "dates/period.h"

namespace tw {

// One stretch as the totals take it.
struct CountedStretch {
  std::string_view project;
  std::string_view comment;
  DateTime start;              // its day is the day it belongs to
  std::int64_t seconds = 0;    // its length
  std::int64_t counted = 0;    // its length rounded as the summary rounds (the length itself when it does not)
};

struct StretchAmount {
  std::optional<Cents> rate;  // per hour; none when the project has no rate on that day
  Cents value = 0;            // the counted length at that rate
  bool billable = true;       // not for a project not billable, nor for a day off (#off), which has no rate
  Cents Billed() const { return billable ? value : 0; }
};
StretchAmount AmountOfStretch(const RatesBook& rates, const CountedStretch& stretch);

struct MoneyTotals {
  std::int64_t stretches = 0;
  std::int64_t seconds = 0;          // counted
  std::int64_t billableSeconds = 0;  // counted, of billable projects
  Cents billable = 0;                // the amounts of billable work
  Cents notBillable = 0;             // what the work of projects not billable would amount to
  // Adds a stretch (count 1), or takes one added before back (-1: an edit replaced it).
  void Add(std::int64_t counted, const StretchAmount& amount, int count = 1);
  Cents Value() const { return billable + notBillable; }
  friend bool operator==(const MoneyTotals&, const MoneyTotals&) = default;
};

// A hash of texts that finds a std::string key by a string_view, without making a string of it.
struct TextHash {
  using is_transparent = void;
  std::size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
};

// Totals fed stretch by stretch, in any order. The book must stay as it is while the tally lives.
class AmountTally {
 public:
  explicit AmountTally(const RatesBook& rates) : rates_(rates) {}
  // Adds a stretch and gives its amount (the row of an entry or an invoice line); count -1 takes
  // back one added before.
  StretchAmount Add(const CountedStretch& stretch, int count = 1);

  const MoneyTotals& Total() const { return total_; }
  // Per project, by name; per day with work, in order of day.
  std::vector<std::pair<std::string, MoneyTotals>> Projects() const;
  std::vector<std::pair<std::int64_t, MoneyTotals>> Days() const;
  // One project's or one day's totals (zero when it has none).
  MoneyTotals Project(std::string_view project) const;
  MoneyTotals Day(std::int64_t day) const;

 private:
  struct ProjectRow {
    const ProjectTerms* terms;
    MoneyTotals totals;
  };
  const RatesBook& rates_;
  MoneyTotals total_;
  std::unordered_map<std::string, ProjectRow, TextHash, std::equal_to<>> projects_;
  std::unordered_map<std::int64_t, MoneyTotals> days_;
  // Stretches mostly come in runs of one project and one day.
  ProjectRow* lastProject_ = nullptr;
  std::string lastName_;
  MoneyTotals* lastDay_ = nullptr;
  std::int64_t lastDayNumber_ = 0;
};

// Totals per tag: a stretch counts once under each of its tags, so that a tag's row is the sum of
// the stretches that carry it (and the rows together may exceed the period's total).
class TagTally {
 public:
  // count -1 takes back a stretch added before.
  void Add(std::string_view comment, std::int64_t counted, const StretchAmount& amount, int count = 1);
  // By tag, as first written, largest counted time first, then by name; tags whose stretches were
  // all taken back left out.
  std::vector<std::pair<std::string, MoneyTotals>> Tags() const;

 private:
  std::unordered_map<std::string, std::pair<std::string, MoneyTotals>, TextHash, std::equal_to<>> tags_;  // by TagKey
  // The keys of the comment being added, in room kept from one comment to the next.
  std::string key_;
  std::vector<std::string> seen_;
  std::size_t seenCount_ = 0;
};

// --- budgets -------------------------------------------------------------------------------------

// The time and money a budget has been used by. Money is the work's value at its rates whether it
// is billable or not, since a budget in money limits the work.
struct BudgetUse {
  std::int64_t seconds = 0;
  Cents cents = 0;
  friend bool operator==(const BudgetUse&, const BudgetUse&) = default;
};
inline BudgetUse UseOf(const MoneyTotals& totals) { return {totals.seconds, totals.Value()}; }

struct BudgetState {
  std::optional<std::int64_t> secondsLeft;  // negative when over
  std::optional<Cents> centsLeft;
  int usedPercent = 0;  // of the hours or of the money, whichever is used more; whole percents, down
};
BudgetState StateOf(const Budget& budget, const BudgetUse& used);

// The days a project's budget counts: its whole life, or the calendar month of `day`.
Period BudgetDays(BudgetScope scope, std::int64_t day);

// What has been told of one budget while one stretch runs: the highest mark passed, 80 or 100.
// A new one for each stretch and each budget.
struct BudgetAlert {
  bool started = false;
  int passed = 0;
};
// The mark (80 or 100) the budget's use has passed since the last look, given its use before the
// running stretch and the running stretch's own (the stretch's elapsed time and its value), or 0.
// A mark already passed before the stretch started is not told; each mark is told once; when
// both are passed at once, 100 is told.
int NewlyPassedMark(const Budget& budget, const BudgetUse& before, const BudgetUse& running, BudgetAlert& alert);

}  // namespace tw
