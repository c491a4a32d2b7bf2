// The Summary window's money wiring; the amounts, budgets and balance themselves are money_test's.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QTest>
#include <QTreeWidget>
#include <algorithm>

#include "billing/rates.h"
#include "desktop/qt_text.h"
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

TEST_F(SummaryMoneyWindowTest, ShowsTheAmountsFollowsTheFiltersAndTheRates) {
  window = frmSummary::Open(main, nullptr);
  window->ShowPeriod(quarter.days, PeriodKind::Custom);
  const auto all = quarter.Sum(0, [](const QuarterStretch&) { return true; });
  EXPECT_NE(Text("lblMoney").find(", " + AmountText(all.billed) + " EUR.  Not billable: "), std::string::npos)
      << Text("lblMoney");
  EXPECT_EQ(Cell("lstProjects", "Internal", 5),
            "(" + AmountText(quarter.Sum(0, [](const QuarterStretch& s) { return s.project == "Internal"; }).notBillableValue) + ")");
  EXPECT_EQ(test::Child<QTreeWidget>(*window, "lstProjects")->headerItem()->text(5), "Amount (EUR)");
  EXPECT_EQ(test::LayoutProblems(*window), std::vector<std::string>{});
  // A tag such as #client/acme is read whole beside its amounts.
  EXPECT_EQ(test::CutCells(*window), std::vector<std::string>{});
  EXPECT_EQ(Cell("lstBudgets", "Acme, March 2026", 2).substr(Cell("lstBudgets", "Acme, March 2026", 2).size() - 5), " left");
  EXPECT_NE(Text("lblBalance").find("since 1/1/2026 "), std::string::npos) << Text("lblBalance");

  // A ticked tag and a chosen project narrow the amounts; the tag list keeps every tag to tick more.
  auto* tags = test::Child<QListWidget>(*window, "lstTagFilter");
  ASSERT_EQ(tags->count(), 4);
  for (int i = 0; i < tags->count(); ++i)
    if (tags->item(i)->text().compare("#review", Qt::CaseInsensitive) == 0) tags->item(i)->setCheckState(Qt::Checked);
  EXPECT_EQ(tags->count(), 4);
  auto* projects = test::Child<QComboBox>(*window, "cboProject");
  projects->setCurrentIndex(projects->findText("Beta Ltd"));
  emit projects->activated(projects->currentIndex());
  const auto betaReview = [&](const QuarterStretch& s) { return s.tags.contains("review") && s.project == "Beta Ltd"; };
  EXPECT_EQ(window->summary().money.billable, quarter.Sum(0, betaReview).billed);

  // The invoice lines are of what the window shows: one a stretch.
  auto* forms = test::Child<QComboBox>(*window, "cboExport");
  forms->setCurrentIndex(forms->findText("Invoice lines (CSV)"));
  frmSummary::askSavePath = [&](QWidget*, const QString&, const QString&) { return QString::fromStdString(folder.File("inv.csv")); };
  test::Click(*window, "cmdExport");
  frmSummary::askSavePath = nullptr;
  const std::string invoice = folder.Read("inv.csv");
  EXPECT_EQ(invoice.rfind("Date,Project,Comment,Hours,Rate,Amount\r\n", 0), 0u);
  EXPECT_EQ(std::count(invoice.begin(), invoice.end(), '\n') - 1, std::count_if(quarter.stretches.begin(), quarter.stretches.end(), betaReview));

  // A new rate, set from the command line or another window, shows at once.
  projects->setCurrentIndex(0);
  emit projects->activated(0);
  const RatesEntry rate{Fact::Rate, "Beta Ltd", DayFromCivil({2026, 1, 1}), {}, false, 100, true, {}, "", ""};
  SetRates(files, folder.path(), std::span(&rate, 1), 1796677283);
  std::int64_t cheap = 0;  // each stretch at 1.00 an hour, to the cent
  for (const QuarterStretch& s : quarter.stretches) cheap += betaReview(s) ? (s.seconds * 100 + 1800) / 3600 : 0;
  EXPECT_TRUE(QTest::qWaitFor([&] { return Cell("lstProjects", "Beta Ltd", 5) == AmountText(cheap); }, 10000))
      << Cell("lstProjects", "Beta Ltd", 5);

  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  window->ShowPeriod(quarter.days, PeriodKind::Custom);
  // Every number of the window with the decimal comma: hours, share and amount, the sentences' hours.
  for (int column : {2, 3, 5}) EXPECT_NE(Cell("lstProjects", "Acme", column).find(','), std::string::npos) << column;
  const Summary& s = window->summary();
  EXPECT_NE(Text("lblTotal").find("(" + HoursText(s.totalSeconds, ",") + " hours)"), std::string::npos) << Text("lblTotal");
  EXPECT_NE(Text("lblMoney").find("(" + HoursText(s.money.billableSeconds, ",") + " hours)"), std::string::npos) << Text("lblMoney");
  window->close();
}

}  // namespace
}  // namespace tw
