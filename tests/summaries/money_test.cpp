// What time amounts to in the summaries and tallywright-report, against an independent reckoning.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>
#include <cstdio>
#include <map>
#include <sstream>

#include "billing/rates.h"
#include "dates/ascii.h"
#include "summaries/balance.h"
#include "summaries/budgets.h"
#include "summaries/report_command.h"
#include "summaries/status_figures.h"
#include "summaries/summary_text.h"
#include "tests/sharing/sharing.h"
#include "tests/summaries/quarter.h"

namespace tw {
namespace {

std::int64_t Cents(const QJsonValue& value) { return std::llround(value.toDouble() * 100); }

class MoneyTest : public test::PlatformTest {
 protected:
  MoneyTest() : quarter(test::MakeQuarter(format)) {
    folder.Write("projrpt.pro", quarter.report);
    folder.Write("project.rates", quarter.ratesFile);
  }
  int Run(std::vector<std::string> args) {
    out.str(""), err.str("");
    return RunReportCommand(args, files, format, clock.now, folder.File("projrpt.pro"), out, err, 1);
  }
  QJsonObject Json(std::vector<std::string> args) {
    args.push_back("--json");
    EXPECT_EQ(Run(args), 0) << err.str();
    return QJsonDocument::fromJson(QByteArray::fromStdString(out.str())).object();
  }
  // The rows of CSV without quoted fields: first cell, its letters small -> the row's cells.
  std::map<std::string, std::vector<std::string>> CsvRows() const {
    std::map<std::string, std::vector<std::string>> rows;
    std::istringstream in(out.str());
    for (std::string line; std::getline(in, line);) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      std::vector<std::string> cells;
      std::istringstream fields(line);
      for (std::string cell; std::getline(fields, cell, ',');) cells.push_back(cell);
      rows[AsciiLowered(cells.at(0))] = cells;
    }
    return rows;
  }
  const std::vector<std::string> kQuarter{"--from", "2026-01-01", "--to", "2026-03-31"};
  test::Quarter quarter;
  std::ostringstream out, err;
};

TEST_F(MoneyTest, AQuarterAgreesWithTheIndependentReckoningToTheCent) {
  for (const int minutes : {0, 15, 6}) {
    std::vector<std::string> args = kQuarter;
    args.insert(args.end(), {"--round", std::to_string(minutes)});
    if (minutes == 0) args.resize(4);
    const QJsonObject o = Json(args);
    const auto all = quarter.Sum(minutes, [](const test::QuarterStretch&) { return true; });
    EXPECT_EQ(o["currency"].toString(), "EUR");
    EXPECT_EQ(Cents(o["amount"]), all.billed) << minutes;
    EXPECT_EQ(Cents(o["notBillableValue"]), all.notBillableValue) << minutes;
    EXPECT_EQ(o["billableSeconds"].toInteger(), all.billableSeconds) << minutes;
    EXPECT_EQ(o["notBillableSeconds"].toInteger(), all.seconds - all.billableSeconds) << minutes;
    // Each entry's amount and rate; per-project and per-day sums are AmountsTest's, through the same tally.
    for (const QJsonValue& p : o["projects"].toArray())
      EXPECT_EQ(p["billable"].toBool(), p["project"].toString() != "Internal") << p["project"].toString().toStdString();
    const QJsonArray entries = o["entries"].toArray();
    ASSERT_EQ(entries.size(), static_cast<qsizetype>(quarter.stretches.size()));
    for (qsizetype i = 0; i < entries.size(); ++i) {
      const test::QuarterStretch& s = quarter.stretches[static_cast<std::size_t>(i)];
      const std::int64_t counted = test::Quarter::Counted(s, minutes);
      EXPECT_EQ(Cents(entries[i]["amount"]), s.DayOff() ? 0 : quarter.rates.Billed(s.project, s.start.day, counted)) << i;
      const auto rate = s.DayOff() ? std::nullopt : quarter.rates.RateOn(s.project, s.start.day);
      EXPECT_EQ(entries[i]["rate"].isNull(), !rate) << i;
      if (rate) {
        EXPECT_EQ(Cents(entries[i]["rate"]), *rate) << i;
      }
    }
  }
}

TEST_F(MoneyTest, TagsAndFiltersCountExactlyTheStretchesTheyName) {
  // Per tag: a stretch counts under each of its tags once, whatever their spelling.
  std::vector<std::string> args = kQuarter;
  args.insert(args.end(), {"--by", "tag", "--csv"});
  ASSERT_EQ(Run(args), 0) << err.str();
  const auto rows = CsvRows();
  EXPECT_EQ(rows.at("tag"), (std::vector<std::string>{"Tag", "Duration", "Hours", "Stretches", "Amount",
                                                       "Billable Hours", "Not Billable Hours"}));
  for (const auto& [row, tag] : {std::pair{"call", "call"}, {"client/acme", "client/acme"}, {"review", "review"}, {"off", "off"}}) {
    const auto holds = [&](const test::QuarterStretch& s) { return s.tags.contains(tag); };
    std::int64_t count = 0;
    for (const auto& s : quarter.stretches) count += holds(s);
    const auto sum = quarter.Sum(0, holds);
    ASSERT_TRUE(rows.contains(row)) << row;
    EXPECT_EQ(rows.at(row)[3], std::to_string(count)) << row;
    EXPECT_EQ(*ReadAmount(rows.at(row)[4]).cents, sum.billed) << row;
    EXPECT_EQ(*ReadAmount(rows.at(row)[2]).cents, (sum.seconds * 100 + 1800) / 3600) << row;
  }
  EXPECT_EQ(rows.size(), 6u);  // the header, four tags (no "42"), the total

  // Filters: every tag named, any project named, billable work only.
  const struct {
    std::vector<std::string> options;
    std::function<bool(const test::QuarterStretch&)> keep;
  } filters[] = {
      {{"--tag", "#CALL", "--tag", "review"}, [](const test::QuarterStretch& s) { return s.tags.contains("call") && s.tags.contains("review"); }},
      {{"--project", "Beta Ltd", "--project", "Internal"}, [](const test::QuarterStretch& s) { return s.project != "Acme"; }},
      {{"--billable", "--tag", "call"}, [](const test::QuarterStretch& s) { return s.project != "Internal" && s.tags.contains("call"); }},
      {{"--billable", "--tag", "off"}, [](const test::QuarterStretch&) { return false; }},  // a day off is not billable work
      {{"--project", "acme"}, [](const test::QuarterStretch&) { return false; }},
  };
  for (const auto& filter : filters) {
    args = kQuarter;
    args.insert(args.end(), filter.options.begin(), filter.options.end());
    const QJsonObject o = Json(args);
    const auto sum = quarter.Sum(0, filter.keep);
    EXPECT_EQ(o["totalSeconds"].toInteger(), sum.seconds) << filter.options[1];
    EXPECT_EQ(Cents(o["amount"]), sum.billed) << filter.options[1];
    std::int64_t kept = 0;
    for (const auto& s : quarter.stretches) kept += filter.keep(s);
    EXPECT_EQ(o["entries"].toArray().size(), kept) << filter.options[1];
  }
  // What cannot be a tag is refused, not silently matched by nothing.
  args = kQuarter;
  args.insert(args.end(), {"--tag", "a b"});
  EXPECT_EQ(Run(args), 2);
  EXPECT_NE(err.str().find("'a b' is not a tag"), std::string::npos) << err.str();
}

TEST_F(MoneyTest, InvoiceLinesAreReadByPythonsCsvModuleWithTheRightColumns) {
  // A comment with a comma, a quote and a line break, and one in another script.
  folder.Write("projrpt.pro", "Acme,3/2/2026 9:00:00 AM,3/2/2026 9:20:00 AM,\"draft\", then \"final\"\r\n"
                              "Internal,3/2/2026 10:00:00 AM,3/2/2026 11:00:00 AM,not on the invoice\r\n"
                              "Beta Ltd,3/3/2026 9:00:00 AM,3/3/2026 9:10:00 AM,\xE8\xA8\x88\xE7\x94\xBB #call\r\n"
                              "Beta Ltd,3/4/2026 9:00:00 AM,3/4/2026 9:07:00 AM,rounds to nothing\r\n"
                              "Acme,3/5/2026 12:00:00 AM,3/5/2026 11:59:59 PM,day off #off\r\n"
                              "Acme,3/3/2026 9:00:00 AM,3/3/2026 9:50:00 AM,layout\r\n");
  ASSERT_EQ(Run({"--month", "2026-03", "--invoice", "--round", "15"}), 0) << err.str();
  folder.Write("invoice.csv", out.str());
  const std::string script =
      "import csv, sys\n"
      "rows = list(csv.reader(open(sys.argv[1], newline='', encoding='utf-8')))\n"
      "print(len(rows), set(len(r) for r in rows))\n"
      "for r in rows: print('|'.join(r).replace('\\n', '<LF>'))\n";
  folder.Write("read.py", script);
  std::FILE* python = ::popen(("python3 " + folder.File("read.py") + " " + folder.File("invoice.csv") + " 2>&1").c_str(), "r");
  ASSERT_NE(python, nullptr);
  std::string read;
  char buffer[256];
  while (std::fgets(buffer, sizeof buffer, python)) read += buffer;
  if (::pclose(python) != 0 && read.find("not found") != std::string::npos) GTEST_SKIP() << "no python3";
  EXPECT_EQ(read,
            "4 {6}\n"
            "Date|Project|Comment|Hours|Rate|Amount\n"
            "2026-03-02|Acme|\"draft\", then \"final\"|0.25|90.50|22.63\n"
            "2026-03-03|Acme|layout|0.75|90.50|67.88\n"
            "2026-03-03|Beta Ltd|\xE8\xA8\x88\xE7\x94\xBB #call|0.25|120.33|30.08\n");
  // Unrounded, a line's amount is its hours as written times its rate (50 min: 0.83 x 90.50, not 75.42).
  ASSERT_EQ(Run({"--month", "2026-03", "--invoice"}), 0) << err.str();
  EXPECT_NE(out.str().find("\r\n2026-03-03,Acme,layout,0.83,90.50,75.12\r\n"), std::string::npos) << out.str();
  EXPECT_NE(out.str().find("\r\n2026-03-04,Beta Ltd,rounds to nothing,0.12,120.33,14.44\r\n"), std::string::npos);
}

TEST_F(MoneyTest, NewColumnsAndFieldsComeAfterTheOnesScriptsRead) {
  ASSERT_EQ(Run({"--month", "2026-02", "--by", "day"}), 0);
  EXPECT_EQ(out.str().rfind("Date\tDuration\tHours\tStretches\tAmount (EUR)\t", 0), 0u) << out.str();
  ASSERT_EQ(Run({"--month", "2026-02", "--json"}), 0);
  const std::string json = out.str();
  const std::size_t entries = json.find("\"entries\""), projects = json.find("\"projects\"");
  ASSERT_NE(entries, std::string::npos);
  for (const char* added : {"\"currency\"", "\"amount\"", "\"notBillableValue\"", "\"tags\""})
    EXPECT_GT(json.find(added, projects), projects) << added;
  EXPECT_GT(json.find("\"currency\""), entries);
  // In an entry, the fields there were come first, in their order.
  const std::size_t entry = json.find("{\"project\"", entries);
  const std::size_t device = json.find("\"device\"", entry), amount = json.find("\"amount\"", entry);
  EXPECT_LT(device, amount);
  EXPECT_LT(json.find("\"comment\"", entry), device);
}

// Another machine's edit in a shared folder takes the old stretch out of every figure.
TEST_F(MoneyTest, EditsInASharedFolderAreTakenBackEverywhere) {
  test::TempFolder shared;
  test::MakeShared(shared.path(), "desk");
  const std::string record = "Acme,3/2/2026 9:00:00 AM,3/2/2026 10:00:00 AM,#call";
  const std::uint64_t at = test::AppendLine(shared.path(), "desk", record);
  test::AppendLine(shared.path(), "desk", "Acme,3/2/2026 11:00:00 AM,3/2/2026 11:30:00 AM,");
  test::Amend(shared.path(), "laptop", "desk", at, record, "Internal,3/2/2026 9:00:00 AM,3/2/2026 11:00:00 AM,#review");
  shared.Write("project.laptop.rates", quarter.ratesFile + "budget\tAcme\tmonth\t10\t\t2026-01-01T08:00:00Z\r\n");
  const RatesBook rates = ReadRates(files, shared.path()).book;

  const std::int64_t day = DayFromCivil({2026, 3, 2});
  WorkSettings work;
  work.target = *ReadWeekTarget("Mon=8").target;
  WorkBalance balance(work.target, {});
  BudgetTally budgets(rates, day, 15);
  SummaryAsk ask;
  ask.roundMinutes = 15;
  ask.rates = &rates;
  ask.tags = true;
  ask.sides = budgets.Sides();
  ask.sides.push_back(BalanceSide(balance, {day, day}));
  std::vector<SummaryEntry> entries;
  const FolderReports reports = test::Reports(shared.path(), format);
  const Summary s = ReadFolderSummary(files, reports, {day, day}, ask, [&](const SummaryEntry& e) { entries.push_back(e); });
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0].project, "Internal");
  EXPECT_EQ(s.money.billable, 4525);  // Acme's half hour at 90.50
  EXPECT_EQ(s.money.notBillable, 12000);
  ASSERT_EQ(s.tags.size(), 1u);
  EXPECT_EQ(s.tags[0].first, "review");
  EXPECT_EQ(balance.Day(day), (Balance{9000, 8 * 3600}));
  const auto rows = budgets.Rows();
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].used, (BudgetUse{1800, 4525}));
  EXPECT_EQ(rows[0].state.secondsLeft, 10 * 3600 - 1800);
  EXPECT_EQ(ReadBudgets(files, reports, rates, "Acme", day + 1, 15)[0].used, rows[0].used);
  EXPECT_TRUE(ReadBudgets(files, reports, rates, "Beta Ltd", day, 15).empty());
  EXPECT_EQ(ReadBalances(files, reports, work, day, 1).day, balance.Day(day));
  EXPECT_EQ(RunningUse(rates, "Acme", "#call", {day, 36000}, 1000, 15), (BudgetUse{900, 2263}));
  EXPECT_EQ(RunningUse(rates, "Acme", "sick #off", {day, 36000}, 1000, 15), BudgetUse{});  // a day off uses none
}

// Worked time as recorded (not rounded); days off, set or #off, count as met.
TEST_F(MoneyTest, TheBalanceOfTodayThisWeekThisMonthAndADaysPeriod) {
  settings.values = {{"WorkTarget", "Mon=8,Tue=8,Wed=8,Thu=8,Fri=8"}, {"DaysOff", "2026-12-03"}, {"BalanceSince", "2026-11-30"}};
  folder.Write("projrpt.pro", "A,11/30/2026 9:00:00 AM,11/30/2026 5:07:00 PM,\r\n"
                              "A,12/1/2026 9:00:00 AM,12/1/2026 3:00:00 PM,\r\n"
                              "Off,12/2/2026 12:00:00 AM,12/2/2026 11:59:59 PM,sick #off\r\n"
                              "A,12/3/2026 9:00:00 AM,12/3/2026 10:00:00 AM,on a day off\r\n"
                              "A,12/7/2026 9:00:00 AM,12/7/2026 9:20:00 AM,\r\n");
  // Monday 7 December 2026, the clock's today.
  ASSERT_EQ(Run({"--balance", "--csv"}), 0) << err.str();
  EXPECT_EQ(out.str(),
            "Period,From,To,Worked,Target,Balance\r\n"
            "Today,2026-12-07,2026-12-07,00:20:00,08:00:00,-07:40:00\r\n"
            "This week,2026-12-07,2026-12-07,00:20:00,08:00:00,-07:40:00\r\n"
            "This month,2026-12-01,2026-12-07,07:20:00,24:00:00,-16:40:00\r\n"
            "Since,2026-11-30,2026-12-07,15:27:00,32:00:00,-16:33:00\r\n");
  EXPECT_EQ(err.str(), "");
  ASSERT_EQ(Run({"--balance", "--from", "2026-11-30", "--to", "2026-12-04"}), 0);
  EXPECT_EQ(out.str(),
            "Date\tWorked\tTarget\tBalance\tDay Off\n"
            "2026-11-30\t08:07:00\t08:00:00\t+00:07:00\t\n"
            "2026-12-01\t06:00:00\t08:00:00\t-02:00:00\t\n"
            "2026-12-02\t00:00:00\t00:00:00\t+00:00:00\tyes\n"
            "2026-12-03\t01:00:00\t00:00:00\t+01:00:00\tyes\n"
            "2026-12-04\t00:00:00\t08:00:00\t-08:00:00\t\n"
            "Total Time:\t15:07:00\t24:00:00\t-08:53:00\t\n");
  const QJsonObject o = Json({"--balance", "--week"});
  EXPECT_EQ(o["balances"].toArray().at(0)["balanceSeconds"].toInteger(), -7 * 3600 - 2400);
  EXPECT_EQ(o["days"].toArray().size(), 1);
  // Without a target every day asks nothing, and the command says so; a balance takes no filter.
  settings.values.clear();
  ASSERT_EQ(Run({"--balance"}), 0);
  EXPECT_NE(out.str().find("This month\t2026-12-01\t2026-12-07\t07:20:00\t00:00:00\t+07:20:00"), std::string::npos);
  EXPECT_NE(err.str().find("no working-time target is set"), std::string::npos);
  for (const char* other : {"--round", "--tag", "--project"}) EXPECT_EQ(Run({"--balance", other, "15"}), 2) << other;
  EXPECT_EQ(Run({"--balance", "--ics"}), 2);
}

// The running time counts, rounded and valued, in the tightest budget and in the balance.
TEST_F(MoneyTest, TheStatusLineCountsTheRunningStretchInBudgetAndBalance) {
  folder.Write("projrpt.pro", "Acme,3/2/2026 9:00:00 AM,3/2/2026 10:00:00 AM,#call\r\n"
                              "Acme,3/3/2026 9:00:00 AM,3/3/2026 9:10:00 AM,\r\n"
                              "Acme,2/27/2026 9:00:00 AM,2/27/2026 5:00:00 PM,\r\n");
  folder.Write("project.rates", "rate\tAcme\t2026-01-01\t90.50\t2026-01-01T00:00:00Z\r\n"
                                "budget\tAcme\tmonth\t2\t400\t2026-01-01T00:00:00Z\r\n"
                                "budget\tAcme\ttotal\t\t10000\t2026-01-01T00:00:00Z\r\n"
                                "currency\tEUR\t2026-01-01T00:00:00Z\r\n");
  settings.values = {{"SummaryRounding", "15"}, {"WorkTarget", "Mon=8,Tue=8,Wed=8,Thu=8,Fri=8"}};
  const DateTime now{DayFromCivil({2026, 3, 3}), 12 * 3600};  // a Tuesday
  const auto figures = [&](std::string_view project, std::int64_t elapsed) {
    const StatusFigures f = ReadStatusFigures(files, folder.path(), test::Reports(folder.path(), format), settings,
                                              project, "", elapsed, now, 1);
    return f.budgetLeft + "|" + f.budgetUsedPercent + "|" + f.balanceToday + "|" + f.balanceWeek;
  };
  // 1 h + 0:15 + 0:15 running of 2 h is 75 %; February counts in the total budget only.
  const std::int64_t money = 9050 + 2 * 2263;
  EXPECT_EQ(figures("Acme", 1000), "00:30:00, " + MoneyText(40000 - money, "EUR", ".") + "|75|-07:33:20|-14:33:20");
  EXPECT_EQ(figures("Acme", 3 * 3600), "-02:15:00, " + MoneyText(40000 - 9050 - 2263 - 27150, "EUR", ".") +
                                           "|212|-04:50:00|-11:50:00");
  EXPECT_EQ(figures("Beta", 1000), "||-07:33:20|-14:33:20");
  settings.values["WorkTarget"] = "";
  settings.values["SummaryRounding"] = "7";  // no rounding the window offers: none
  EXPECT_EQ(figures("Acme", 1000), "00:33:20, " + MoneyText(40000 - 9050 - 1508 - 2514, "EUR", ".") + "|72||");
  std::remove(folder.File("projrpt.pro").c_str());
  settings.values["WorkTarget"] = "Tue=1";
  EXPECT_EQ(figures("Acme", 1800), "01:30:00, " + MoneyText(40000 - 4525, "EUR", ".") + "|25|-00:30:00|-00:30:00");
}

// 80 % and 100 % told once each; reports read once a stretch; a budget spent before not told.
TEST_F(MoneyTest, TheRunningStretchTellsEachMarkOfItsBudgetOnce) {
  folder.Write("projrpt.pro", "Acme,3/2/2026 9:00:00 AM,3/2/2026 10:00:00 AM,\r\n"
                              "Acme,3/1/2026 12:00:00 AM,3/1/2026 11:59:59 PM,#off: no work, no budget used\r\n"
                              "Spent,3/2/2026 10:00:00 AM,3/2/2026 11:00:00 AM,\r\n");
  folder.Write("project.rates", "budget\tAcme\tmonth\t2\t\t2026-01-01T00:00:00Z\r\n"
                                "budget\tSpent\ttotal\t1\t\t2026-01-01T00:00:00Z\r\n");
  int read = 0;
  const auto reports = [&] {
    ++read;
    return test::Reports(folder.path(), format);
  };
  BudgetWatch watch;
  const DateTime start{DayFromCivil({2026, 3, 3}), 10 * 3600};
  std::vector<std::string> told;
  for (std::int64_t minutes : {0, 30, 47, 48, 50, 59, 60, 61, 120, 240}) {
    const std::string text = watch.Poll(files, folder.path(), reports, "15", "Acme", "", start, minutes * 60);
    if (!text.empty()) told.push_back(std::to_string(minutes) + ": " + text);
  }
  // Rounded to 15 minutes: 47 min counts 45 (87.5 %), 59 min a whole hour (100 %).
  EXPECT_EQ(told, (std::vector<std::string>{"47: Acme has used 80% of its budget for this month.",
                                            "59: Acme has used 100% of its budget for this month."}));
  EXPECT_EQ(read, 1);
  EXPECT_EQ(watch.Poll(files, folder.path(), reports, "15", "Spent", "", start, 7200), "");
  // Unrounded, 80 % of 2 h is 1:36: 35 min more is short of it, 36 min reaches it.
  EXPECT_EQ(watch.Poll(files, folder.path(), reports, "0", "Acme", "", {start.day, 14 * 3600}, 35 * 60 + 59), "");
  EXPECT_EQ(watch.Poll(files, folder.path(), reports, "0", "Acme", "", {start.day, 14 * 3600}, 36 * 60),
            "Acme has used 80% of its budget for this month.");
  EXPECT_EQ(read, 3);

  // As the program runs it: the tracker's look each minute of a stretch of Acme shows two balloons.
  test::FakeMainView main;
  BudgetWatch running;
  main.tracker().WatchBudgets([&](std::string_view project, std::string_view comment, const DateTime& begun, std::int64_t elapsed) {
    return running.Poll(files, folder.path(), reports, "0", project, comment, begun, elapsed);
  });
  clock.now = {start.day, 16 * 3600};
  main.SetProjectText("Acme");
  main.SetStartText(format.FormatGeneral(clock.now));
  for (; clock.now.seconds < 18 * 3600; clock.now.seconds += 60) main.tracker().LookForAway();
  EXPECT_EQ(std::count_if(log.begin(), log.end(), [](const std::string& e) { return e.starts_with("balloon:"); }), 2);
  EXPECT_EQ(log.back(), "balloon:Tallywright:Acme has used 100% of its budget for this month.");
}

}  // namespace
}  // namespace tw
