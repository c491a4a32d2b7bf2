#include "control/ctl_rate.h"

#include <algorithm>
#include <stdexcept>

#include "billing/rates.h"
#include "dates/iso_date.h"
#include "dates/period.h"
#include "platform/platform.h"
#include "platform/run_error.h"
#include "platform/utf8.h"
#include "projects/project_terms.h"

namespace tw {
namespace {

ControlError Refused(const std::string& why) { return ControlError(kFailed, "rate refused: " + why); }

std::string Reason(const RunError& e) {
  return e.description().empty() ? "error " + std::to_string(e.number()) : e.description();
}

// One line a rate: its first day, the amount an hour, the currency ("-" when none is set) and
// whether the project is billable; as JSON, one object for the project.
void PrintTerms(std::ostream& out, const RatesBook& book, const std::string& project, bool json) {
  const ProjectTerms* terms = book.Terms(project);
  const bool billable = book.Billable(project);
  const std::string& currency = book.Currency();
  if (json) {
    out << "{\"project\":" << JsonString(project) << ",\"currency\":" << (currency.empty() ? "null" : JsonString(currency))
        << ",\"billable\":" << (billable ? "true" : "false") << ",\"rates\":[";
    if (terms)
      for (std::size_t i = 0; i < terms->rates.size(); ++i)
        out << (i ? "," : "") << "{\"from\":\"" << IsoDate(terms->rates[i].day)
            << "\",\"amount\":" << AmountText(terms->rates[i].rate) << "}";
    out << "]}\n";
    return;
  }
  if (!terms || terms->rates.empty()) {
    out << project << " has no rate (" << (billable ? "billable" : "not billable") << ")\n";
    return;
  }
  for (const RateChange& change : terms->rates)
    out << IsoDate(change.day) << "  " << AmountText(change.rate) << "  " << (currency.empty() ? "-" : currency) << "  "
        << (billable ? "billable" : "not billable") << "\n";
}

}  // namespace

int RunRate(CtlContext& c) {
  const bool json = TakeFlag(c.args, "--json"), dry = TakeFlag(c.args, "--dry-run");
  const bool notBillable = TakeFlag(c.args, "--not-billable"), billable = TakeFlag(c.args, "--billable");
  const std::optional<std::string> from = TakeOption(c.args, "--from");
  for (const std::string& arg : c.args)
    if (arg.starts_with("--")) throw CtlUsageError("rate: unknown option " + arg);
  if (c.args.empty()) throw CtlUsageError("rate: name a project");
  const std::string project = c.args.front();
  const std::optional<std::string> amountText = c.args.size() > 1 ? std::optional(c.args[1]) : std::nullopt;
  if (c.args.size() > 2) NothingMore({c.args.begin() + 2, c.args.end()}, "rate");
  if (notBillable && billable) throw CtlUsageError("rate: --billable and --not-billable cannot go together");
  if (!amountText && (from || notBillable || billable || dry))
    throw CtlUsageError("rate: give the AMOUNT an hour that --from, --billable, --not-billable and --dry-run go with");

  // Read as every file writes amounts and days, whatever the user's regional settings.
  std::optional<Cents> cents;
  if (amountText) {
    const AmountReading amount = ReadAmount(*amountText, DecimalMark::Point);
    if (!amount.cents) throw CtlUsageError("rate: " + amount.problem);
    cents = amount.cents;
  }
  std::int64_t day = platform().clock->Now().day;
  if (from) {
    const std::optional<std::int64_t> read = ParseIsoDay(*from);
    if (!read) throw CtlUsageError("rate: --from takes a day written like 2026-01-31, not \"" + *from + "\"");
    day = *read;
  }

  const Files& files = *platform().files;
  const std::string folder = c.dataFolder();
  RatesFolder read;
  try {
    read = ReadRates(files, folder);
  } catch (const RunError& e) {
    throw Refused("the rates could not be read: " + Reason(e));
  }
  for (const RatesProblem& problem : read.problems) c.err << "tallywright-ctl: left out: " << ProblemText(problem) << "\n";
  if (!cents) {
    PrintTerms(c.out, read.book, project, json);
    return kCtlDone;
  }

  // The window's form of the project with this rate in it: the same rules refuse it, and only
  // what changed is written.
  TermsForm form = FormOf(read.book, project, ".");
  const TermsForm::Rate row{IsoDate(day), AmountText(*cents)};
  const auto same = std::find_if(form.rates.begin(), form.rates.end(), [&](const TermsForm::Rate& r) { return r.day == row.day; });
  if (same != form.rates.end()) *same = row;
  else form.rates.insert(std::upper_bound(form.rates.begin(), form.rates.end(), row,
                                          [](const TermsForm::Rate& a, const TermsForm::Rate& b) { return a.day < b.day; }),
                         row);
  if (notBillable || billable) form.billable = billable;
  const TermsChanges changes = ChangesOf(read.book, form, DecimalMark::Point);
  if (!changes.problem.empty()) throw Refused(changes.problem);

  const std::int64_t now = platform().clock->UnixNow();
  if (!dry && !changes.entries.empty()) {
    try {
      SetRates(files, folder, changes.entries, now);
    } catch (const std::invalid_argument& e) {
      throw Refused(e.what());
    } catch (const RunError& e) {
      throw Refused("the rates file could not be written: " + Reason(e));
    }
  }
  // What the rates say now (or would say): the facts as SetRates stamps them, each holding.
  RatesBook after = read.book;
  for (RatesEntry entry : changes.entries) {
    entry.stamp = after.StampFor(entry, now);
    after.Take("", entry, EntryLine(entry));
  }
  if (!json)
    c.out << (changes.entries.empty() ? "Unchanged: " : dry ? "Would set: " : "Set: ") << project << " "
          << AmountText(*cents) << " an hour from " << IsoDate(day) << "\n";
  PrintTerms(c.out, after, project, json);
  return kCtlDone;
}

}  // namespace tw
