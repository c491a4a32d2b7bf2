#include "billing/rates.h"

#include <algorithm>
#include <stdexcept>

#include "dates/ascii.h"
#include "dates/iso_date.h"
#include "dates/period.h"
#include "platform/lines.h"
#include "platform/shared_folder.h"
#include "platform/utf8.h"

namespace tw {
namespace {

constexpr std::string_view kGuide =
    "# One fact a line, its fields separated by tabs, the last one the moment (UTC) it was set. Of\r\n"
    "# the lines of the same fact the latest holds; an empty value takes the fact back.\r\n"
    "#   rate<TAB>PROJECT<TAB>FIRST DAY<TAB>AMOUNT PER HOUR<TAB>MOMENT\r\n"
    "#   billable<TAB>PROJECT<TAB>yes or no<TAB>MOMENT\r\n"
    "#   budget<TAB>PROJECT<TAB>total or month<TAB>HOURS<TAB>AMOUNT<TAB>MOMENT\r\n"
    "#   currency<TAB>CODE<TAB>MOMENT\r\n";

struct FactForm {
  Fact fact;
  std::string_view name;
  std::size_t fields;  // without the moment
};
constexpr FactForm kForms[] = {
    {Fact::Currency, "currency", 2}, {Fact::Rate, "rate", 4}, {Fact::Billable, "billable", 3}, {Fact::Budget, "budget", 5}};

const FactForm& FormOf(Fact fact) {
  return *std::find_if(std::begin(kForms), std::end(kForms), [&](const FactForm& f) { return f.fact == fact; });
}

std::string_view ScopeName(BudgetScope scope) { return scope == BudgetScope::Month ? "month" : "total"; }

// Seconds since 1970 of a moment written "2026-12-08T10:00:00Z".
std::optional<std::int64_t> StampSeconds(std::string_view stamp) {
  if (stamp.size() != 20 || stamp[10] != 'T' || stamp[13] != ':' || stamp[16] != ':' || stamp[19] != 'Z')
    return std::nullopt;
  const auto day = ParseIsoDay(stamp.substr(0, 10));
  const int hour = Digits(stamp, 11, 2), minute = Digits(stamp, 14, 2), second = Digits(stamp, 17, 2);
  if (!day || hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59) return std::nullopt;
  return (*day + kUnixDayOfDayZero) * kSecondsPerDay + hour * 3600 + minute * 60 + second;
}

std::vector<std::string_view> Fields(std::string_view line) {
  std::vector<std::string_view> fields;
  for (std::size_t start = 0;;) {
    const std::size_t tab = line.find('\t', start);
    fields.push_back(line.substr(start, tab == std::string_view::npos ? std::string_view::npos : tab - start));
    if (tab == std::string_view::npos) return fields;
    start = tab + 1;
  }
}

struct LineReading {
  std::optional<RatesEntry> entry;
  std::string problem;
};

LineReading ReadLine(std::string_view line) {
  const auto refuse = [](std::string why) { return LineReading{std::nullopt, std::move(why)}; };
  const std::vector<std::string_view> fields = Fields(line);
  const std::string keyword = AsciiLowered(Trimmed(fields[0]));
  const auto form = std::find_if(std::begin(kForms), std::end(kForms), [&](const FactForm& f) { return f.name == keyword; });
  if (form == std::end(kForms))
    return refuse("not a fact this program knows (a line starts with rate, billable, budget or currency and a tab)");
  if (fields.size() != form->fields && fields.size() != form->fields + 1)
    return refuse("a " + std::string(form->name) + " line has " + std::to_string(form->fields) +
                  " fields separated by tabs and the moment it was set; this one has " + std::to_string(fields.size()));
  RatesEntry entry;
  entry.fact = form->fact;
  if (fields.size() > form->fields) {
    entry.stamp = Trimmed(fields.back());
    if (!entry.stamp.empty() && !StampSeconds(entry.stamp))
      return refuse("the moment \"" + entry.stamp + "\" is not written like 2026-12-08T10:00:00Z");
  }
  const std::string_view value = Trimmed(fields[form->fields - 1]);
  entry.removal = value.empty();
  if (entry.fact == Fact::Currency) {
    entry.currency = value;
    if (auto problem = entry.removal ? std::nullopt : CurrencyProblem(value)) return refuse(*problem);
    return {entry, {}};
  }
  entry.project = fields[1];
  if (Trimmed(entry.project).empty()) return refuse("the project's name is missing");
  switch (entry.fact) {
    case Fact::Rate: {
      const auto day = ParseIsoDay(Trimmed(fields[2]));
      if (!day) return refuse("the rate's first day \"" + std::string(Trimmed(fields[2])) + "\" is not written like 2026-01-31");
      entry.day = *day;
      if (entry.removal) break;
      const AmountReading rate = ReadAmount(value);
      if (!rate.cents) return refuse("the rate: " + rate.problem);
      entry.rate = *rate.cents;
      break;
    }
    case Fact::Billable: {
      const std::string answer = AsciiLowered(value);
      if (!entry.removal && answer != "yes" && answer != "no") return refuse("billable is yes or no");
      entry.billable = answer != "no";
      break;
    }
    case Fact::Budget: {
      const std::string scope = AsciiLowered(Trimmed(fields[2]));
      if (scope != "total" && scope != "month") return refuse("a budget is for the project's total or for each month");
      entry.scope = scope == "month" ? BudgetScope::Month : BudgetScope::Total;
      const std::string_view hours = Trimmed(fields[3]);
      entry.removal = hours.empty() && value.empty();
      if (!hours.empty()) {
        const AmountReading reading = ReadAmount(hours);
        if (!reading.cents) return refuse("the budget's hours: " + reading.problem);
        entry.budget.seconds = *reading.cents * 36;
      }
      if (!value.empty()) {
        const AmountReading reading = ReadAmount(value);
        if (!reading.cents) return refuse("the budget's amount: " + reading.problem);
        entry.budget.cents = reading.cents;
      }
      break;
    }
    case Fact::Currency: break;
  }
  return {entry, {}};
}

bool Holds(const RatesEntry& entry, std::string_view machine, std::string_view text, const RatesEntry& other,
           std::string_view otherMachine, std::string_view otherText) {
  if (entry.stamp != other.stamp) return entry.stamp > other.stamp;
  if (machine != otherMachine) return machine > otherMachine;
  return text > otherText;
}

}  // namespace

std::string KeyOf(const RatesEntry& entry) {
  std::string key = entry.project + "\t" + std::string(FormOf(entry.fact).name);
  if (entry.fact == Fact::Rate) key += "\t" + IsoDate(entry.day);
  if (entry.fact == Fact::Budget) key += "\t" + std::string(ScopeName(entry.scope));
  return key;
}

std::optional<std::string> CurrencyProblem(std::string_view currency) {
  std::size_t characters = 0;
  for (std::size_t i = 0; i < currency.size(); ++characters) {
    const Utf8Char c = Utf8At(currency, i);
    if (c.length == 0) return "The currency is not readable text.";
    if (c.cp < 0x20 || c.cp == 0x7F) return "The currency cannot hold a tab or a line end.";
    i += c.length;
  }
  if (characters == 0 || characters > 8)
    return "The currency is a code like EUR or a short text of at most 8 characters.";
  return std::nullopt;
}

std::optional<std::string> RatesEntryProblem(const RatesEntry& entry) {
  if (entry.fact == Fact::Currency) return entry.removal ? std::nullopt : CurrencyProblem(entry.currency);
  if (Trimmed(entry.project).empty()) return "A project's name is needed.";
  if (entry.project.find_first_of("\t\r\n") != std::string::npos) return "A project's name cannot hold a tab or a line end.";
  if (entry.fact == Fact::Rate && !WithinReadableYears({entry.day, entry.day})) return "The rate's first day is out of range.";
  if (entry.removal) return std::nullopt;
  const auto outside = [](std::int64_t value, std::int64_t max) { return value < 0 || value > max; };
  if (entry.fact == Fact::Rate && outside(entry.rate, kMaxAmount))
    return "A rate is from 0 to " + AmountText(kMaxAmount) + ".";
  if (entry.fact == Fact::Budget) {
    if (!entry.budget.seconds && !entry.budget.cents) return "A budget has hours, an amount or both.";
    if ((entry.budget.seconds && outside(*entry.budget.seconds, kMaxAmount * 36)) ||
        (entry.budget.cents && outside(*entry.budget.cents, kMaxAmount)))
      return "A budget is from 0 to " + AmountText(kMaxAmount) + ".";
  }
  return std::nullopt;
}

std::string EntryLine(const RatesEntry& entry) {
  std::string line(FormOf(entry.fact).name);
  const auto field = [&](std::string_view text) { line.append("\t").append(text); };
  switch (entry.fact) {
    case Fact::Currency: field(entry.removal ? "" : entry.currency); break;
    case Fact::Rate:
      field(entry.project);
      field(IsoDate(entry.day));
      field(entry.removal ? "" : AmountText(entry.rate));
      break;
    case Fact::Billable:
      field(entry.project);
      field(entry.removal ? "" : entry.billable ? "yes" : "no");
      break;
    case Fact::Budget:
      field(entry.project);
      field(ScopeName(entry.scope));
      field(entry.removal || !entry.budget.seconds ? "" : HoursText(*entry.budget.seconds));
      field(entry.removal || !entry.budget.cents ? "" : AmountText(*entry.budget.cents));
      break;
  }
  if (!entry.stamp.empty()) field(entry.stamp);
  return line;
}

std::string ProblemText(const RatesProblem& problem) {
  return problem.file + ", line " + std::to_string(problem.line) + ": " + problem.message;
}

RatesFile ReadRatesText(std::string_view text, std::string_view fileName) {
  RatesFile file;
  const std::vector<std::string> lines = SplitLines(text.substr(ByteOrderMarkLength(text)));
  for (std::size_t i = 0; i < lines.size(); ++i) {
    RatesLine line{lines[i], std::nullopt};
    const std::string_view content = Trimmed(lines[i]);
    if (!content.empty() && content.front() != '#') {
      LineReading reading = ReadLine(lines[i]);
      line.entry = std::move(reading.entry);
      if (!line.entry) file.problems.push_back({std::string(fileName), i + 1, std::move(reading.problem)});
    }
    file.lines.push_back(std::move(line));
  }
  return file;
}

std::string RatesText(const RatesFile& file) {
  std::string text;
  if (file.lines.empty() || !file.lines.front().text.starts_with(kRatesFirstLine))
    text.append(kRatesFirstLine).append("\r\n").append(kGuide);
  for (const RatesLine& line : file.lines) text.append(line.text).append("\r\n");
  return text;
}

void PutEntry(RatesFile& file, const RatesEntry& entry) {
  const std::string key = KeyOf(entry);
  RatesLine put{EntryLine(entry), entry};
  bool placed = false;
  std::erase_if(file.lines, [&](RatesLine& line) {
    if (!line.entry || KeyOf(*line.entry) != key) return false;
    if (placed) return true;
    line = put;
    placed = true;
    return false;
  });
  if (!placed) file.lines.push_back(std::move(put));
}

std::optional<Cents> ProjectTerms::RateOn(std::int64_t day) const {
  const auto after = std::upper_bound(rates.begin(), rates.end(), day,
                                      [](std::int64_t d, const RateChange& change) { return d < change.day; });
  if (after == rates.begin()) return std::nullopt;
  return std::prev(after)->rate;
}

void RatesBook::Take(std::string_view machine, const RatesFile& file) {
  for (const RatesLine& line : file.lines)
    if (line.entry) Take(machine, *line.entry, line.text);
}

void RatesBook::Take(std::string_view machine, const RatesEntry& entry, std::string_view lineText) {
  std::string key = KeyOf(entry);
  const auto held = holding_.find(key);
  if (held != holding_.end() &&
      !Holds(entry, machine, lineText, held->second.entry, held->second.machine, held->second.text))
    return;
  holding_[std::move(key)] = Holding{entry, std::string(machine), std::string(lineText)};
  Settle(entry.project);
}

void RatesBook::Settle(const std::string& project) {
  const std::string prefix = project + "\t";
  ProjectTerms terms;
  bool any = false;
  for (auto it = holding_.lower_bound(prefix); it != holding_.end() && it->first.starts_with(prefix); ++it) {
    const RatesEntry& entry = it->second.entry;
    if (entry.removal) continue;
    any = true;
    switch (entry.fact) {
      case Fact::Currency: currency_ = entry.currency; break;
      case Fact::Rate: terms.rates.push_back({entry.day, entry.rate}); break;  // in order of day: the keys are
      case Fact::Billable: terms.billable = entry.billable; break;
      case Fact::Budget: (entry.scope == BudgetScope::Month ? terms.month : terms.total) = entry.budget; break;
    }
  }
  if (project.empty()) {
    if (!any) currency_.clear();
    return;
  }
  if (any) projects_[project] = std::move(terms);
  else projects_.erase(project);
}

const ProjectTerms* RatesBook::Terms(std::string_view project) const {
  const auto it = projects_.find(project);
  return it == projects_.end() ? nullptr : &it->second;
}

std::optional<Cents> RatesBook::RateOn(std::string_view project, std::int64_t day) const {
  const ProjectTerms* terms = Terms(project);
  return terms ? terms->RateOn(day) : std::nullopt;
}

bool RatesBook::Billable(std::string_view project) const {
  const ProjectTerms* terms = Terms(project);
  return !terms || terms->billable;
}

std::optional<Budget> RatesBook::BudgetOf(std::string_view project, BudgetScope scope) const {
  const ProjectTerms* terms = Terms(project);
  if (!terms) return std::nullopt;
  return scope == BudgetScope::Month ? terms->month : terms->total;
}

std::vector<std::string> RatesBook::Projects() const {
  std::vector<std::string> names;
  for (const auto& [name, terms] : projects_) names.push_back(name);
  return names;
}

std::vector<std::string> RatesBook::HoldingLines() const {
  std::vector<std::string> lines;
  for (const auto& [key, held] : holding_) lines.push_back(held.text);
  return lines;
}

std::string RatesBook::StampFor(const RatesEntry& entry, std::int64_t unixNow) const {
  const auto held = holding_.find(KeyOf(entry));
  if (held != holding_.end())
    if (const auto latest = StampSeconds(held->second.entry.stamp)) unixNow = std::max(unixNow, *latest + 1);
  return UtcStamp(unixNow);
}

namespace {

struct RatesSource {
  std::string name, machine;
};
std::vector<RatesSource> RatesSources(const std::string& folder) {
  std::vector<RatesSource> sources{{kRatesFile, ""}};
  for (const auto& device : DeviceFiles(folder, kRatesFile)) sources.push_back({device.name, device.device});
  for (const auto& conflict : ListSharedFolder(folder).conflicts) {
    if (conflict.original == kRatesFile) sources.push_back({conflict.name, ""});
    const auto machine = MachineOfFile(conflict.original);
    if (machine && machine->second == kRatesFile) sources.push_back({conflict.name, machine->first});
  }
  return sources;
}

}  // namespace

RatesFolder ReadRates(const Files& files, const std::string& folder) {
  RatesFolder read;
  for (const RatesSource& source : RatesSources(folder)) {
    std::string text;
    if (FileMissing([&] { text = files.ReadAll(JoinPath(folder, source.name)); })) continue;
    RatesFile file = ReadRatesText(text, source.name);
    read.book.Take(source.machine, file);
    for (RatesProblem& problem : file.problems) read.problems.push_back(std::move(problem));
  }
  return read;
}

std::vector<std::string> RatesPaths(const std::string& folder) {
  std::vector<std::string> paths;
  for (const RatesSource& source : RatesSources(folder)) paths.push_back(JoinPath(folder, source.name));
  return paths;
}

void SetRates(const Files& files, const std::string& folder, std::span<const RatesEntry> entries,
              std::int64_t unixNow) {
  for (const RatesEntry& entry : entries)
    if (auto problem = RatesEntryProblem(entry)) throw std::invalid_argument(*problem);
  const std::string target = MachineFile(folder, kRatesFile);
  const std::string name = target.substr(target.find_last_of('/') + 1);
  const std::string machine = name == kRatesFile ? "" : ThisDevice();
  const Files::Lock lock = files.LockFor(target);
  RatesBook book = ReadRates(files, folder).book;
  std::string before;
  FileMissing([&] { before = files.ReadAll(target); });
  RatesFile own = ReadRatesText(before, name);
  for (RatesEntry entry : entries) {
    entry.stamp = book.StampFor(entry, unixNow);
    PutEntry(own, entry);
    book.Take(machine, entry, EntryLine(entry));
  }
  const std::string after = RatesText(own);
  if (after != before) files.Replace(target, MachineFile(folder, kRatesScratch), after);
}

}  // namespace tw
