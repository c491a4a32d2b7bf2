#include "summaries/summary_command.h"

#include <cstring>
#include <sstream>

#include "billing/rates.h"
#include "billing/tags.h"
#include "billing/work_target.h"
#include "platform/platform.h"
#include "summaries/balance.h"
#include "summaries/export.h"
#include "viewer/report_columns.h"
#include "summaries/report_command.h"
#include "summaries/summary.h"

namespace tw {
namespace {

int Fail(std::string& message, std::string text) {
  message = std::move(text);
  return -1;
}

constexpr const char* kOnePeriod = "give one period: --date, --today, --from/--to, --week, --month or --year";

// The stretches of the period as the day report lists them: its columns and the amount, its total
// row under two or more rows.
class EntryLister {
 public:
  EntryLister(const DateFormat& format, bool csv) : format_(format), csv_(csv) {
    Write(HeaderCells(), "Amount");
  }
  void Add(const SummaryEntry& e) {
    const std::string length = e.seconds ? format_.FormatDuration(*e.seconds) : "";
    Write({e.project, e.start, e.end, length, e.comment}, AmountText(e.amount.Billed()));
  }
  void Finish(const Summary& summary, std::ostream& out) {
    if (summary.stretches >= 2) {
      const std::string total = format_.FormatDuration(summary.totalSeconds);
      Write(TotalCells(total), AmountText(summary.money.billable));
    }
    out << text_.str();
  }

 private:
  void Write(const ReportCells& cells, const std::string& amount) {
    std::vector<std::string> row(cells.begin(), cells.end());
    row.push_back(amount);
    WriteRow(text_, csv_, row);
  }

  const DateFormat& format_;
  bool csv_;
  std::ostringstream text_;
};

}  // namespace

int TakeOption(const std::vector<std::string>& args, std::size_t& i, PeriodOptions& options,
                     std::string& message) {
  const std::string& arg = args[i];
  const char* name = nullptr;
  auto is = [&](const char* option) {
    name = option;
    return arg == option || arg.rfind(std::string(option) + "=", 0) == 0;
  };
  // "--name VALUE" and "--name=VALUE" alike; an optional value is the next argument unless that
  // is an option.
  auto value = [&](std::optional<std::string>& into, const char* needs) {
    const std::size_t length = std::strlen(name);
    if (arg.size() > length) {
      into = arg.substr(length + 1);
    } else if (i + 1 < args.size() && (needs || args[i + 1].rfind("-", 0) != 0)) {
      into = args[++i];
    } else if (needs) {
      return Fail(message, std::string(name) + " needs " + needs);
    } else {
      into = "";
    }
    return 1;
  };
  if (is("--file")) return value(options.file, "the path of a report file");
  // A period given twice is two periods, not the last of them.
  auto period = [&](std::optional<std::string>& into, const char* needs) {
    return into ? Fail(message, kOnePeriod) : value(into, needs);
  };
  if (is("--date")) return period(options.date, "a day as YYYY-MM-DD");
  if (is("--from")) return period(options.from, "a day as YYYY-MM-DD");
  if (is("--to")) return period(options.to, "a day as YYYY-MM-DD");
  if (is("--week")) return period(options.week, nullptr);
  if (is("--month")) return period(options.month, nullptr);
  if (is("--year")) return period(options.year, nullptr);
  if (is("--round")) return value(options.round, "a number of minutes");
  // Filters given again add up.
  auto more = [&](std::vector<std::string>& into, const char* needs) {
    std::optional<std::string> given;
    const int taken = value(given, needs);
    if (given) into.push_back(*given);
    return taken;
  };
  if (is("--tag")) return more(options.tags, "a tag");
  if (is("--project")) return more(options.projects, "a project's name");
  if (is("--by")) {
    std::optional<std::string> by;
    const int taken = value(by, "entry, day, project or tag");
    if (by) options.by = *by;
    return taken;
  }
  for (auto [flag, into] : {std::pair{"--json", &options.json}, {"--ics", &options.ics}, {"--csv", &options.csv},
                            {"--today", &options.today}, {"--invoice", &options.invoice},
                            {"--billable", &options.billable}, {"--balance", &options.balance}}) {
    if (arg == flag) {
      *into = true;
      return 1;
    }
  }
  return 0;
}

bool WantsSummary(const PeriodOptions& o) {
  return o.from || o.to || o.week || o.month || o.year || o.round || o.json || o.ics || o.invoice ||
         !o.tags.empty() || !o.projects.empty() || o.billable || o.balance || (!o.by.empty() && o.by != "entry");
}

std::optional<Period> ChosenPeriod(const PeriodOptions& o, const DateTime& now, int firstWeekday, std::string& message) {
  const int periods = (o.date || o.today) + (o.from || o.to) + !!o.week + !!o.month + !!o.year;
  const auto fail = [&](std::string why) {
    message = std::move(why);
    return std::nullopt;
  };
  if (periods > 1) return fail(kOnePeriod);
  if (o.from.has_value() != o.to.has_value()) return fail("--from and --to go together");
  std::optional<std::int64_t> day;
  for (const std::optional<std::string>* text : {&o.date, &o.from, &o.to, &o.week}) {
    if (!*text || (*text)->empty()) continue;
    day = ParseIsoDay(**text);
    if (!day) return fail("'" + **text + "' is not a date; give it as YYYY-MM-DD");
  }
  Period period = PeriodOf(PeriodKind::Day, day.value_or(now.day), firstWeekday);
  if (o.from) {
    period = {*ParseIsoDay(*o.from), *ParseIsoDay(*o.to)};
    if (period.first > period.last) return fail("--from " + *o.from + " is after --to " + *o.to);
  } else if (o.week) {
    period = PeriodOf(PeriodKind::Week, day.value_or(now.day), firstWeekday);
  } else if (o.month) {
    const auto month = o.month->empty() ? PeriodOf(PeriodKind::Month, now.day, 0) : ParseIsoMonth(*o.month);
    if (!month) return fail("'" + *o.month + "' is not a month; give it as YYYY-MM");
    period = *month;
  } else if (o.year) {
    const auto year = o.year->empty() ? PeriodOf(PeriodKind::Year, now.day, 0) : ParseIsoYear(*o.year);
    if (!year) return fail("'" + *o.year + "' is not a year; give it as YYYY");
    period = *year;
  }
  if (!WithinReadableYears(period))
    return fail("the period runs past the days the report's dates can name, " + IsoDate(kReadableDays.first) + " to " +
                IsoDate(kReadableDays.last));
  return period;
}

namespace {

void Warn(std::string& message, const std::string& line) { message += (message.empty() ? "" : "\n") + line; }

// --balance: the four balances, or with a period each of its days; all work counts, as recorded.
int PrintBalance(const PeriodOptions& o, const Files& files, const DateTime& now, int firstWeekday,
                 const FolderReports& reports, std::ostream& out, std::string& message) {
  if (o.ics || o.invoice || o.round || !o.by.empty() || !o.tags.empty() || !o.projects.empty() || o.billable)
    return Fail(message, "--balance counts all work as recorded: give it a period and --csv or --json only");
  const bool namesPeriod = o.date || o.today || o.from || o.to || o.week || o.month || o.year;
  const std::optional<Period> period = ChosenPeriod(o, now, firstWeekday, message);
  if (!period) return -1;
  WorkSettings settings;
  if (Settings* store = platform().settings) settings = ReadWorkSettings(*store);
  std::string warnings;
  for (const std::string& problem : settings.problems) Warn(warnings, "the setting " + problem);
  if (!settings.target.Any())
    Warn(warnings, "no working-time target is set (the WorkTarget setting, in Preferences): every day asks nothing");
  const Period days = namesPeriod ? Period{period->first, std::min(period->last, now.day)}
                                  : BalanceDays(now.day, firstWeekday, settings.since);
  const WorkBalance balance = days.first <= days.last ? ReadWorkBalance(files, reports, settings, days)
                                                      : WorkBalance(settings.target, settings.daysOff);
  if (o.json)
    WriteBalanceJson(settings, balance, now.day, firstWeekday, namesPeriod ? period : std::nullopt, out);
  else if (namesPeriod)
    WriteBalanceDays(balance, *period, now.day, o.csv, out);
  else
    WriteBalances(BalancesOf(balance, now.day, firstWeekday, settings.since), now.day, firstWeekday, settings.since,
                  o.csv, out);
  message = warnings;
  return 0;
}

}  // namespace

int PrintSummary(const PeriodOptions& o, const Files& files, const DateFormat& format,
                 const DateTime& now, int firstWeekday, const std::string& file, std::ostream& out,
                 std::string& message, const FolderReports* reports) {
  if (o.csv + o.json + o.ics + o.invoice > 1) return Fail(message, "give one of --csv, --json, --ics and --invoice");
  const FolderReports single = reports ? FolderReports{} : SingleReport(file, format);
  const FolderReports& folderReports = reports ? *reports : single;
  if (o.balance) return PrintBalance(o, files, now, firstWeekday, folderReports, out, message);
  const std::optional<Period> asked = ChosenPeriod(o, now, firstWeekday, message);
  if (!asked) return -1;
  const Period period = *asked;
  const std::string by = !o.by.empty() ? o.by : period.Days() == 1 ? "entry" : "project";
  if (by != "entry" && by != "day" && by != "project" && by != "tag")
    return Fail(message, "--by takes entry, day, project or tag, not '" + by + "'");
  int minutes = 0;
  if (o.round) {
    char* end = nullptr;
    const long value = std::strtol(o.round->c_str(), &end, 10);
    if (o.round->empty() || *end != '\0' || value <= 0 || !IsRounding(static_cast<int>(value)))
      return Fail(message, "--round takes 1, 5, 6, 10, 15 or 30 minutes, not '" + *o.round + "'");
    minutes = static_cast<int>(value);
  }
  SummaryAsk ask;
  ask.roundMinutes = minutes;
  ask.filter.projects = o.projects;
  ask.filter.billableOnly = o.billable;
  for (std::string tag : o.tags) {
    if (tag.starts_with('#')) tag.erase(0, 1);
    if (TagsOf("#" + tag) != std::vector<std::string>{tag})
      return Fail(message, "'" + tag + "' is not a tag: a tag holds letters, digits, -, _ and /, and a letter or _");
    ask.filter.tags.push_back(tag);
  }
  ask.tags = by == "tag" || o.json;

  // The rates of the report's folder; lines of it that cannot be read are told and left out.
  const std::size_t slash = file.find_last_of('/');
  RatesFolder rates;
  try {
    rates = ReadRates(files, slash == std::string::npos ? "." : file.substr(0, slash));
  } catch (const RunError& e) {
    return Fail(message, "cannot read the rates file: " + e.description());
  }
  ask.rates = &rates.book;

  std::vector<SummaryEntry> entries;
  std::optional<EntryLister> lister;
  EntrySink sink;
  if (o.json || o.ics || o.invoice) {
    sink = [&](const SummaryEntry& e) { entries.push_back(e); };
  } else if (by == "entry") {
    lister.emplace(format, o.csv);
    sink = [&](const SummaryEntry& e) { lister->Add(e); };
  }
  const Summary summary = ReadFolderSummary(files, folderReports, period, ask, sink);
  if (o.ics)
    WriteICalendar(summary, entries, out);
  else if (o.json)
    WriteJson(summary, entries, out);
  else if (o.invoice)
    WriteInvoiceLines(summary, entries, out);
  else if (lister)
    lister->Finish(summary, out);
  else
    WriteTable(summary, by == "day" ? SummaryTable::Days : by == "tag" ? SummaryTable::Tags : SummaryTable::Projects,
               o.csv, out);
  std::string warnings;
  for (const RatesProblem& problem : rates.problems) Warn(warnings, ProblemText(problem) + " (left out)");
  if (summary.skippedLines > 0 && !o.json && !o.ics)
    Warn(warnings, summary.skippedLines == 1
                       ? "1 line of the report file is not a record and was skipped"
                       : std::to_string(summary.skippedLines) + " lines of the report file are not records and were skipped");
  message = warnings;
  return 0;
}

}  // namespace tw
