// The Summary window's money: a generated quarter's amounts as the independent reckoning gives
// them, the filters by tag and project, the budgets and the balance, the invoice lines, and a
// change of the rates followed at once.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QTest>
#include <QTreeWidget>
#include <sstream>

#include "billing/rates.h"
#include "desktop/qt_text.h"
#include "summaries/balance.h"
#include "summaries/frm_summary.h"
#include "tests/summaries/quarter.h"
#include "tests/support/fakes.h"
#include "tests/support/layout.h"
#include "tests/support/ui.h"

namespace tw {
namespace {

using test::QuarterStretch;

class SummaryMoneyWindowTest : public test::PlatformTest {
 protected:
  SummaryMoneyWindowTest() : quarter(test::MakeQuarter(format)) {
    system.endThrows = false;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    folder.Write("projrpt.pro", quarter.report);
    folder.Write("project.rates", quarter.ratesFile + "budget\tAcme\tmonth\t100\t\t2026-01-01T08:00:00Z\r\n");
    settings.values = {{"WorkTarget", "Mon=8,Tue=8,Wed=8,Thu=8,Fri=8"}, {"BalanceSince", "2026-01-01"}};
  }
  ~SummaryMoneyWindowTest() override { QLocale::setDefault(QLocale::system()); }
  std::string Text(const char* label) { return ToBytes(test::Child<QLabel>(*window, label)->text()); }
  // The cell of the table's row whose first column is `first`.
  std::string Cell(const char* table, const std::string& first, int column) {
    auto* list = test::Child<QTreeWidget>(*window, table);
    for (int i = 0; i < list->topLevelItemCount(); ++i)
      if (ToBytes(list->topLevelItem(i)->text(0)) == first) return ToBytes(list->topLevelItem(i)->text(column));
    ADD_FAILURE() << first << " is not in " << table;
    return "";
  }
  test::Quarter quarter;
  test::FakeMainView main;
  frmSummary* window = nullptr;
};

TEST_F(SummaryMoneyWindowTest, TheQuarterShowsTheIndependentAmountsAndFiltersByTagAndProject) {
  window = frmSummary::Open(main, nullptr);
  window->ShowPeriod(quarter.days, PeriodKind::Custom);
  const auto every = [](const QuarterStretch&) { return true; };
  const auto all = quarter.Sum(0, every);
  EXPECT_EQ(window->summary().money.billable, all.billed);
  EXPECT_EQ(window->summary().money.notBillable, all.notBillableValue);
  EXPECT_NE(Text("lblMoney").find(", " + AmountText(all.billed) + " EUR.  Not billable: "), std::string::npos)
      << Text("lblMoney");
  for (const char* project : {"Acme", "Beta Ltd"})
    EXPECT_EQ(Cell("lstProjects", project, 5),
              AmountText(quarter.Sum(0, [&](const QuarterStretch& s) { return s.project == project; }).billed));
  EXPECT_EQ(Cell("lstProjects", "Internal", 5),
            "(" + AmountText(quarter.Sum(0, [](const QuarterStretch& s) { return s.project == "Internal"; }).notBillableValue) + ")");
  EXPECT_EQ(test::Child<QTreeWidget>(*window, "lstTags")->topLevelItemCount(), 4);
  EXPECT_EQ(test::Child<QTreeWidget>(*window, "lstProjects")->headerItem()->text(5), "Amount (EUR)");
  EXPECT_EQ(test::LayoutProblems(*window), std::vector<std::string>{});

  // The budget of Acme's month: the period ends in March.
  std::int64_t march = 0;
  for (const QuarterStretch& s : quarter.stretches)
    if (s.project == "Acme" && CivilFromDay(s.start.day).month == 3) march += s.seconds;
  EXPECT_EQ(Cell("lstBudgets", "Acme, March 2026", 1), std::to_string(march * 100 / (100 * 3600)) + "%");
  EXPECT_EQ(Cell("lstBudgets", "Acme, March 2026", 2), format.FormatDuration(100 * 3600 - march) + " left");

  // The balance since 1 January, up to the clock's today (7 December 2026): every workday asks
  // eight hours but the day off the #off stretch marks; that stretch is no work.
  std::int64_t workdays = 0, worked = 0;
  for (std::int64_t day = DayFromCivil({2026, 1, 1}); day <= clock.now.day; ++day)
    workdays += Weekday(day) != 0 && Weekday(day) != 6 && day != DayFromCivil({2026, 2, 13});
  for (const QuarterStretch& s : quarter.stretches) worked += s.tags.contains("off") ? 0 : s.seconds;
  EXPECT_NE(Text("lblBalance").find("since 1/1/2026 " + BalanceText(worked - workdays * 8 * 3600) + "."), std::string::npos)
      << Text("lblBalance");

  // Ticking a tag keeps only its stretches; the list keeps every tag of the period to tick more.
  auto* tags = test::Child<QListWidget>(*window, "lstTagFilter");
  ASSERT_EQ(tags->count(), 4);
  const auto tick = [&](const char* tag) {
    for (int i = 0; i < tags->count(); ++i)
      if (tags->item(i)->text().compare(QString("#") + tag, Qt::CaseInsensitive) == 0) tags->item(i)->setCheckState(Qt::Checked);
  };
  tick("review");
  const auto review = [](const QuarterStretch& s) { return s.tags.contains("review"); };
  EXPECT_EQ(window->summary().money.billable, quarter.Sum(0, review).billed);
  EXPECT_EQ(tags->count(), 4);
  auto* projects = test::Child<QComboBox>(*window, "cboProject");
  projects->setCurrentIndex(projects->findText("Beta Ltd"));
  emit projects->activated(projects->currentIndex());
  const auto betaReview = [&](const QuarterStretch& s) { return review(s) && s.project == "Beta Ltd"; };
  EXPECT_EQ(window->summary().totalSeconds, quarter.Sum(0, betaReview).seconds);
  EXPECT_EQ(window->summary().money.billable, quarter.Sum(0, betaReview).billed);

  // The invoice lines of what the window shows: one a stretch, the amounts adding up.
  auto* forms = test::Child<QComboBox>(*window, "cboExport");
  forms->setCurrentIndex(forms->findText("Invoice lines (CSV)"));
  frmSummary::askSavePath = [&](QWidget*, const QString&, const QString&) { return QString::fromStdString(folder.File("inv.csv")); };
  test::Click(*window, "cmdExport");
  frmSummary::askSavePath = nullptr;
  std::istringstream lines(folder.Read("inv.csv"));
  std::string line;
  std::getline(lines, line);
  EXPECT_EQ(line, "Date,Project,Comment,Hours,Rate,Amount\r");
  std::int64_t count = 0, sum = 0;
  while (std::getline(lines, line)) {
    ++count;
    sum += *ReadAmount(line.substr(line.rfind(',') + 1, line.size() - line.rfind(',') - 2)).cents;
  }
  std::int64_t expected = 0;
  for (const QuarterStretch& s : quarter.stretches) expected += betaReview(s);
  EXPECT_EQ(count, expected);
  EXPECT_EQ(sum, quarter.Sum(0, betaReview).billed);

  // A new rate, set from the command line or another window, shows at once.
  projects->setCurrentIndex(0);
  emit projects->activated(0);
  RatesEntry rate;
  rate.project = "Beta Ltd";
  rate.day = DayFromCivil({2026, 1, 1});
  rate.rate = 100;
  SetRates(files, folder.path(), std::span(&rate, 1), 1796677283);
  std::int64_t cheap = 0;  // each stretch at 1.00 an hour, to the cent
  for (const QuarterStretch& s : quarter.stretches) cheap += betaReview(s) ? (s.seconds * 100 + 1800) / 3600 : 0;
  EXPECT_TRUE(QTest::qWaitFor([&] { return Cell("lstProjects", "Beta Ltd", 5) == AmountText(cheap); }, 10000))
      << Cell("lstProjects", "Beta Ltd", 5);

  // Under a decimal comma, amounts are shown with it.
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  window->ShowPeriod(quarter.days, PeriodKind::Custom);
  EXPECT_NE(Cell("lstProjects", "Acme", 5).find(','), std::string::npos);
  window->close();
}

}  // namespace
}  // namespace tw
