#include "bench/bench_money.h"

#include <ctime>
#include <filesystem>
#include <functional>
#include <vector>

#include <QString>

#include "bench/bench_rows.h"
#include "bench/report_generator.h"
#include "billing/rates.h"
#include "billing/work_target.h"
#include "desktop/qt_settings.h"
#include "platform/files.h"
#include "platform/product.h"
#include "report/report_files.h"
#include "store/folder_reports.h"
#include "summaries/summary.h"
#include "summaries/summary_text.h"

namespace tw::bench {
namespace {

// The rates of the generator's projects: each from the report's first day, a second rate from the
// middle of June 2020 for every other one (inside the month and the year measured), two projects
// not billable, and the currency.
void WriteRates(const Files& files, const std::string& folder) {
  std::vector<RatesEntry> entries;
  RatesEntry currency;
  currency.fact = Fact::Currency;
  currency.currency = "EUR";
  entries.push_back(currency);
  const std::int64_t first = DayFromCivil({2016, 1, 1}), change = DayFromCivil({2020, 6, 16});
  for (std::size_t i = 0; i < std::size(kGeneratedProjects); ++i) {
    RatesEntry rate;
    rate.project = kGeneratedProjects[i];
    rate.day = first;
    rate.rate = 4000 + static_cast<Cents>(i) * 525;
    entries.push_back(rate);
    if (i % 2 == 0) {
      rate.day = change;
      rate.rate += 750;
      entries.push_back(rate);
    }
  }
  for (const char* project : {"Meetings", "Travel"}) {
    RatesEntry billable;
    billable.fact = Fact::Billable;
    billable.project = project;
    billable.billable = false;
    entries.push_back(billable);
  }
  SetRates(files, folder, entries, std::time(nullptr));
}

}  // namespace

void MoneyRows(const std::string& folder, std::size_t records) {
  namespace fs = std::filesystem;
  const Files files;
  const std::string money = (fs::path(folder) / "money").string();
  fs::create_directories(money);
  const std::string report = JoinPath(money, kReportFile);
  const DateFormat us = UsTwelveHour();
  const GeneratedReport generated = GenerateReport(report, records, us, 1, true);
  WriteRates(files, money);
  QtSettings settings(QString::fromStdString(JoinPath(money, "settings.ini")));
  settings.SaveSetting(kProductName, kSettingsSection, kWorkTargetKey, "Mon=8,Tue=8,Wed=8,Thu=8,Fri=8");
  const FolderReports reports = SingleReport(report, us);
  constexpr int kRound = 15;  // minutes, as an invoice rounds

  // Each figure by the clock, and again by the processor time of the reading, which the load of
  // a shared machine leaves nearly be.
  const auto rows = [](const std::string& figure, const std::string& reference, const std::string& target,
                       const std::function<void()>& plain, const std::function<void()>& asked) {
    const auto [plainTime, askedTime] = FastestPair(15, plain, asked);
    Row(figure, askedTime, "s", reference, plainTime, target);
    const auto [plainCpu, askedCpu] = FastestProcessorPair(15, plain, asked);
    Row("the same, processor time", askedCpu, "s", reference, plainCpu, target);
  };

  // The month as the Summary window reads it on a day of it: the amounts, every tag's totals and
  // the list of tags and projects, and the balance of today, this week and this month; against the
  // month's summary alone.
  const Period june = PeriodOf(PeriodKind::Month, generated.busiestDay.day, 1);
  ViewAsk ask;
  ask.roundMinutes = kRound;
  ask.today = generated.busiestDay.day;
  ask.firstWeekday = 1;
  const SummaryView view = ReadSummaryView(files, reports, money, &settings, june, ask);
  // A row that measured less than it says is marked.
  const bool whole = view.anyRates && view.balances && !view.shown.summary.tags.empty() && view.problems.empty();
  rows("month summary, rates, tags, target, " + std::to_string(view.shown.summary.stretches) + " stretches" +
           (whole ? "" : " (FAILED)"),
       "the month summary without them", "<= 1.2x", [&] { ReadSummary(files, report, june, us, kRound); },
       [&] { ReadSummaryView(files, reports, money, &settings, june, ask); });

  // A year's amounts (rates alone, as tallywright-report --year prints them), against its summary.
  const Period year = PeriodOf(PeriodKind::Year, generated.busiestDay.day, 1);
  RatesFolder rates = ReadRates(files, money);
  SummaryAsk amounts;
  amounts.roundMinutes = kRound;
  amounts.rates = &rates.book;
  const std::int64_t yearStretches = ReadFolderSummary(files, reports, year, amounts).stretches;
  rows("amounts for a year, " + std::to_string(yearStretches) + " stretches", "the year's summary", "<= 1.2x",
       [&] { ReadSummary(files, report, year, us, kRound); }, [&] { ReadFolderSummary(files, reports, year, amounts); });

  // The year as the Summary window reads it, everything asked.
  rows("year summary, rates, tags, target", "the year's summary", "", [&] { ReadSummary(files, report, year, us, kRound); },
       [&] { ReadSummaryView(files, reports, money, &settings, year, ask); });

  // A month of years ago looked at today: the balance's days (this week and this month) are read
  // in the same pass, and every stretch between them and the month is read in full.
  ViewAsk now = ask;
  now.today = DayFromCivil({2026, 12, 8});
  const auto [plainPast, viewPast] = FastestPair(
      15, [&] { ReadSummary(files, report, june, us, kRound); },
      [&] { ReadSummaryView(files, reports, money, &settings, june, now); });
  Row("the same month seen from 2026-12-08", viewPast, "s", "the month summary without them", plainPast, "");
  fs::remove_all(money);
}

}  // namespace tw::bench
