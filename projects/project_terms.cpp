#include "projects/project_terms.h"

#include <algorithm>
#include <map>

#include "dates/ascii.h"
#include "dates/period.h"
#include "platform/translate.h"

namespace tw {

TermsForm FormOf(const RatesBook& rates, const std::string& project, std::string_view separator) {
  TermsForm form;
  form.project = project;
  form.currency = rates.Currency();
  const ProjectTerms* terms = rates.Terms(project);
  if (!terms) return form;
  form.billable = terms->billable;
  for (const RateChange& change : terms->rates) form.rates.push_back({IsoDate(change.day), AmountText(change.rate, separator)});
  const auto budget = [&](const std::optional<Budget>& b, std::string& hours, std::string& amount) {
    if (b && b->seconds) hours = HoursText(*b->seconds, separator);
    if (b && b->cents) amount = AmountText(*b->cents, separator);
  };
  budget(terms->total, form.totalHours, form.totalAmount);
  budget(terms->month, form.monthHours, form.monthAmount);
  return form;
}

TermsChanges ChangesOf(const RatesBook& rates, const TermsForm& form, DecimalMark mark) {
  TermsChanges changes;
  const auto refuse = [&](TermsField field, std::string why, std::size_t row = 0) {
    changes.entries.clear();
    changes.problem = std::move(why);
    changes.field = field;
    changes.rate = row;
    return changes;
  };
  const std::string project(Trimmed(form.project));
  if (project.empty()) return refuse(TermsField::Project, Tr("ProjectTerms", "Name the project these settings are for."));
  if (project.find_first_of(",\t\r\n") != std::string::npos)
    return refuse(TermsField::Project, Tr("ProjectTerms", "A project's name cannot hold a comma, a tab or a line end."));
  const ProjectTerms* terms = rates.Terms(project);
  const auto entry = [&](Fact fact) {
    RatesEntry e;
    e.fact = fact;
    e.project = project;
    return e;
  };

  // The rates: each day once; those the form no longer holds are taken back.
  std::map<std::int64_t, Cents> wanted;
  for (std::size_t row = 0; row < form.rates.size(); ++row) {
    const std::string_view dayText = Trimmed(form.rates[row].day), amountText = Trimmed(form.rates[row].amount);
    if (dayText.empty() && amountText.empty()) continue;
    const auto day = ParseIsoDay(dayText);
    if (!day) return refuse(TermsField::Rate, Tr("ProjectTerms", "A rate's first day is written like 2026-01-31."), row);
    const AmountReading amount = ReadAmount(amountText, mark);
    if (!amount.cents) return refuse(TermsField::Rate, Arg(Tr("ProjectTerms", "The rate from %1: %2"), {IsoDate(*day), amount.problem}), row);
    if (!wanted.emplace(*day, *amount.cents).second)
      return refuse(TermsField::Rate, Arg(Tr("ProjectTerms", "Two rates take effect on %1: keep one."), {IsoDate(*day)}), row);
  }
  if (terms)
    for (const RateChange& change : terms->rates)
      if (!wanted.contains(change.day)) {
        RatesEntry removal = entry(Fact::Rate);
        removal.day = change.day;
        removal.removal = true;
        changes.entries.push_back(removal);
      }
  for (const auto& [day, cents] : wanted) {
    if (terms && std::find(terms->rates.begin(), terms->rates.end(), RateChange{day, cents}) != terms->rates.end()) continue;
    RatesEntry rate = entry(Fact::Rate);
    rate.day = day;
    rate.rate = cents;
    changes.entries.push_back(rate);
  }

  if (form.billable != rates.Billable(project)) {
    RatesEntry billable = entry(Fact::Billable);
    billable.billable = form.billable;
    changes.entries.push_back(billable);
  }

  const struct {
    BudgetScope scope;
    const std::string &hours, &amount;
    TermsField hoursField, amountField;
  } budgets[] = {{BudgetScope::Total, form.totalHours, form.totalAmount, TermsField::TotalHours, TermsField::TotalAmount},
                 {BudgetScope::Month, form.monthHours, form.monthAmount, TermsField::MonthHours, TermsField::MonthAmount}};
  for (const auto& b : budgets) {
    Budget budget;
    if (!Trimmed(b.hours).empty()) {
      const AmountReading hours = ReadAmount(b.hours, mark);
      if (!hours.cents) return refuse(b.hoursField, Arg(Tr("ProjectTerms", "The budget's hours: %1"), {hours.problem}));
      budget.seconds = *hours.cents * 36;
    }
    if (!Trimmed(b.amount).empty()) {
      const AmountReading amount = ReadAmount(b.amount, mark);
      if (!amount.cents) return refuse(b.amountField, Arg(Tr("ProjectTerms", "The budget's amount: %1"), {amount.problem}));
      budget.cents = amount.cents;
    }
    const std::optional<Budget> was = rates.BudgetOf(project, b.scope);
    const bool none = !budget.seconds && !budget.cents;
    if (none ? !was : was == budget) continue;
    RatesEntry set = entry(Fact::Budget);
    set.scope = b.scope;
    set.budget = budget;
    set.removal = none;
    changes.entries.push_back(set);
  }

  const std::string currency(Trimmed(form.currency));
  if (currency != rates.Currency()) {
    if (!currency.empty())
      if (auto problem = CurrencyProblem(currency)) return refuse(TermsField::Currency, *problem);
    RatesEntry set;
    set.fact = Fact::Currency;
    set.currency = currency;
    set.removal = currency.empty();
    changes.entries.push_back(set);
  }
  return changes;
}

}  // namespace tw
