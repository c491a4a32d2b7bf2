#pragma once
// The rates file: per project its hourly rates (each from the day it takes effect), whether its
// work is billable, and its budgets; and the data folder's currency.
//
// "project.rates" in the data folder, plain text with CR LF line ends, one fact a line, its fields
// separated by tabs, the last one the moment in UTC the fact was set:
//
//   rate      PROJECT  2026-01-01     85.00              2026-12-08T10:00:00Z
//   billable  PROJECT  no                                2026-12-08T10:00:00Z
//   budget    PROJECT  total|month    HOURS    AMOUNT    2026-12-08T10:00:00Z
//   currency  EUR                                        2026-12-08T10:00:00Z
//
// A fact is named by its first fields (a rate by its project and day, a budget by its project and
// whether it counts the project's whole life or each month); of the lines naming the same fact
// the one with the latest moment holds, a tie going to the machine whose name sorts last, then to
// the line that sorts last. An empty value takes the fact back (a rate line with no amount removes
// that rate change, a budget with neither hours nor amount the budget). A line without its moment
// counts as set before any other. Lines starting with '#' and empty lines are for the reader; a
// line that cannot be read is kept as it is, named with its line number, and left out.
//
// In a folder shared by several machines each machine writes only its own file,
// "project.<machine>.rates", and every reader takes the facts of all of them and of
// "project.rates": since the latest line of each fact holds wherever it is, the machines agree
// whatever order their files arrive in.
#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "billing/money.h"
#include "platform/files.h"

namespace tw {

inline constexpr const char* kRatesFile = "project.rates";
inline constexpr const char* kRatesScratch = "project.rates.tmp";
// The first line of the file, naming it.
inline constexpr std::string_view kRatesFirstLine = "# Tallywright rates";

enum class Fact { Currency, Rate, Billable, Budget };
enum class BudgetScope { Total, Month };  // the project's whole life, or each calendar month

// A budget in hours, in money, or in both.
struct Budget {
  std::optional<std::int64_t> seconds;
  std::optional<Cents> cents;
  friend bool operator==(const Budget&, const Budget&) = default;
};

// One line's fact, as set at a moment.
struct RatesEntry {
  Fact fact = Fact::Rate;
  std::string project;  // empty for the currency
  std::int64_t day = 0;  // the first day of a rate
  BudgetScope scope = BudgetScope::Total;
  bool removal = false;  // the value is empty: the fact is taken back
  Cents rate = 0;        // per hour
  bool billable = true;
  Budget budget;
  std::string currency;
  std::string stamp;  // "2026-12-08T10:00:00Z"; empty when the line has none
};

// What names a fact: lines with the same key speak of the same fact.
std::string KeyOf(const RatesEntry& entry);

// Why an entry cannot be written, or nothing: a project name that is empty or holds a tab or a
// line end, a currency that is not 1 to 8 characters, an amount or budget out of range.
std::optional<std::string> RatesEntryProblem(const RatesEntry& entry);
// Why a text cannot be the currency, or nothing: an ISO 4217 code (EUR) or any other text of 1 to 8
// characters (€, CHF, Euro) without tabs, line ends or other control characters.
std::optional<std::string> CurrencyProblem(std::string_view currency);

// The line of an entry, without its line end.
std::string EntryLine(const RatesEntry& entry);

struct RatesLine {
  std::string text;                  // as it stands in the file
  std::optional<RatesEntry> entry;   // none for comments, empty lines and lines that cannot be read
};
struct RatesProblem {
  std::string file;
  std::size_t line = 0;  // from 1
  std::string message;
};
// "project.rates, line 7: ..."
std::string ProblemText(const RatesProblem& problem);

struct RatesFile {
  std::vector<RatesLine> lines;
  std::vector<RatesProblem> problems;
};
RatesFile ReadRatesText(std::string_view text, std::string_view fileName);
// The file's text: its lines with CR LF, after the first line naming the file and a short guide
// to its lines when it did not start with them.
std::string RatesText(const RatesFile& file);
// Sets a fact in a machine's own file: the entry's line takes the place of the file's first line
// of the same fact and the others of it go; a new fact's line comes last. Every other line stays.
void PutEntry(RatesFile& file, const RatesEntry& entry);

struct RateChange {
  std::int64_t day = 0;
  Cents rate = 0;
  friend bool operator==(const RateChange&, const RateChange&) = default;
};

// What holds for one project.
struct ProjectTerms {
  std::vector<RateChange> rates;  // by day
  bool billable = true;           // a project is billable unless said otherwise
  std::optional<Budget> total, month;
  // The rate of the latest change on or before day; none before the first.
  std::optional<Cents> RateOn(std::int64_t day) const;
};

// The facts of all the files of a folder, merged.
class RatesBook {
 public:
  // Takes one machine's facts (machine "" for "project.rates"): per fact, the latest holds.
  void Take(std::string_view machine, const RatesFile& file);
  void Take(std::string_view machine, const RatesEntry& entry, std::string_view lineText);

  // The terms of a project, or nothing for a project no line names (billable, no rate, no budget).
  const ProjectTerms* Terms(std::string_view project) const;
  std::optional<Cents> RateOn(std::string_view project, std::int64_t day) const;
  bool Billable(std::string_view project) const;
  std::optional<Budget> BudgetOf(std::string_view project, BudgetScope scope) const;
  // Empty when none is set.
  const std::string& Currency() const { return currency_; }
  // The projects any fact holds for, by name.
  std::vector<std::string> Projects() const;
  // Each fact's line that holds, by fact: two books that agree on these agree on everything.
  std::vector<std::string> HoldingLines() const;

  // The moment to stamp a new entry with: now, or a second after the latest line of the same fact
  // where that is later (a clock set back), so that the new one holds.
  std::string StampFor(const RatesEntry& entry, std::int64_t unixNow) const;

 private:
  struct Holding {
    RatesEntry entry;
    std::string machine, text;
  };
  void Settle(const std::string& project);

  std::map<std::string, Holding, std::less<>> holding_;  // by KeyOf
  std::map<std::string, ProjectTerms, std::less<>> projects_;
  std::string currency_;
};

// --- the files of a data folder -------------------------------------------------------------------

struct RatesFolder {
  RatesBook book;
  std::vector<RatesProblem> problems;
};
// Reads "project.rates", every machine's "project.<machine>.rates" and a sync service's conflict
// copies of them; a missing file is no file. Other failures are RunErrors.
RatesFolder ReadRates(const Files& files, const std::string& folder);
// The paths of the rates files ReadRates reads in the folder, those that are there.
std::vector<std::string> RatesPaths(const std::string& folder);

// Sets facts in this machine's rates file of the folder ("project.rates" in a folder of one
// machine), each stamped by StampFor, under the folder's lock, writing it through a scratch file.
// std::invalid_argument with the RatesEntryProblem of an entry that cannot be written, before anything.
void SetRates(const Files& files, const std::string& folder, std::span<const RatesEntry> entries,
              std::int64_t unixNow);

}  // namespace tw
