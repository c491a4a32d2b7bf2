#pragma once
// The Project settings window's routines: a project's terms (its hourly rates with the day each
// takes effect, whether it is billable, its budgets) and the data folder's currency, as the window
// shows them in text, and the facts of the rates file that make the folder's rates say what the
// window says. Only what changed is written, so that another machine's facts of the same project
// stay as they are.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "billing/rates.h"

namespace tw {

struct TermsForm {
  std::string project;
  bool billable = true;
  struct Rate {
    std::string day;     // YYYY-MM-DD
    std::string amount;  // per hour
    friend bool operator==(const Rate&, const Rate&) = default;
  };
  std::vector<Rate> rates;  // by day
  std::string totalHours, totalAmount, monthHours, monthAmount;
  std::string currency;
  friend bool operator==(const TermsForm&, const TermsForm&) = default;
};

// What the rates say of a project (none for a project they do not name: billable, nothing else),
// amounts written with the separator given.
TermsForm FormOf(const RatesBook& rates, const std::string& project, std::string_view separator);

enum class TermsField { None, Project, Rate, TotalHours, TotalAmount, MonthHours, MonthAmount, Currency };

struct TermsChanges {
  std::vector<RatesEntry> entries;  // for SetRates; none when nothing changed
  std::string problem;              // why the form cannot be saved, for the user; empty when it can
  TermsField field = TermsField::None;
  std::size_t rate = 0;             // the rate's row, when the field is a rate
};
// The facts to set for the form to hold against `rates`. A rate row with neither day nor amount is
// left out; amounts are read with the mark given (a point is taken as well); hours of a budget as
// amounts are, up to two decimals.
TermsChanges ChangesOf(const RatesBook& rates, const TermsForm& form, DecimalMark mark);

}  // namespace tw
