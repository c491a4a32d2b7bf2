// A project's terms as the settings window's text; only changes written back; refusals name the box.
#include <gtest/gtest.h>

#include "projects/project_terms.h"
#include "tests/support/fakes.h"

namespace tw {
namespace {

std::int64_t D(int y, int m, int d) { return DayFromCivil({y, m, d}); }

class ProjectTermsTest : public test::PlatformTest {
 protected:
  ProjectTermsTest() {
    folder.Write("project.rates",
                 "rate\tAcme\t2026-01-01\t85\t2026-01-01T08:00:00Z\r\n"
                 "rate\tAcme\t2026-03-01\t90.5\t2026-01-01T08:00:00Z\r\n"
                 "budget\tAcme\tmonth\t40\t\t2026-01-01T08:00:00Z\r\n"
                 "rate\tOther\t2026-01-01\t10\t2026-01-01T08:00:00Z\r\n"
                 "currency\tEUR\t2026-01-01T08:00:00Z\r\n");
  }
  RatesBook Book() const { return ReadRates(files, folder.path()).book; }
  // Saves the form as the window does, and gives the book read back.
  RatesBook Saved(const TermsForm& form, DecimalMark mark = DecimalMark::Point) {
    const TermsChanges changes = ChangesOf(Book(), form, mark);
    EXPECT_EQ(changes.problem, "");
    SetRates(files, folder.path(), changes.entries, 1796677283);
    return Book();
  }
};

TEST_F(ProjectTermsTest, UnchangedTermsWriteNothingAndChangesWriteOnlyThemselves) {
  TermsForm form = FormOf(Book(), "Acme", ",");
  EXPECT_EQ(form.rates, (std::vector<TermsForm::Rate>{{"2026-01-01", "85,00"}, {"2026-03-01", "90,50"}}));
  EXPECT_EQ(form.monthHours, "40,00");
  EXPECT_EQ(form.currency, "EUR");
  EXPECT_TRUE(form.billable);
  EXPECT_TRUE(ChangesOf(Book(), form, DecimalMark::Comma).entries.empty());
  EXPECT_TRUE(ChangesOf(Book(), FormOf(Book(), "New", "."), DecimalMark::Point).entries.empty());

  // Rates changed, removed and added; billable, budgets and currency changed; Other's terms stay.
  form.rates = {{"2026-03-01", "95"}, {" 2026-06-15 ", "99,99"}, {"", ""}};
  form.billable = false;
  form.monthHours = "";
  form.totalAmount = "5000";
  form.currency = "CHF";
  const RatesBook book = Saved(form, DecimalMark::Comma);
  const ProjectTerms* acme = book.Terms("Acme");
  ASSERT_NE(acme, nullptr);
  EXPECT_EQ(acme->rates, (std::vector<RateChange>{{D(2026, 3, 1), 9500}, {D(2026, 6, 15), 9999}}));
  EXPECT_FALSE(acme->billable);
  EXPECT_FALSE(acme->month);
  EXPECT_EQ(acme->total, (Budget{std::nullopt, 500000}));
  EXPECT_EQ(book.Currency(), "CHF");
  EXPECT_EQ(book.RateOn("Other", D(2026, 5, 1)), 1000);
  EXPECT_TRUE(ChangesOf(book, FormOf(book, "Acme", "."), DecimalMark::Point).entries.empty());

  // A new project's first terms; billable again.
  TermsForm fresh = FormOf(book, "Beta", ".");
  fresh.rates = {{"2026-01-01", "120.33"}};
  fresh.monthHours = "7.5";
  EXPECT_EQ(Saved(fresh).Terms("Beta")->month, (Budget{7 * 3600 + 1800, std::nullopt}));
  form = FormOf(Book(), "Acme", ".");
  form.billable = true;
  EXPECT_TRUE(Saved(form).Billable("Acme"));
}

TEST_F(ProjectTermsTest, WhatCannotBeSavedNamesTheBoxToCorrect) {
  const RatesBook book = Book();
  const auto refused = [&](const std::function<void(TermsForm&)>& change) {
    TermsForm form = FormOf(book, "Acme", ".");
    change(form);
    return ChangesOf(book, form, DecimalMark::Point);
  };
  const struct {
    const char* what;
    std::function<void(TermsForm&)> change;
    TermsField field;
    std::size_t rate;
  } cases[] = {
      {"no project", [](TermsForm& f) { f.project = "  "; }, TermsField::Project, 0},
      {"a comma", [](TermsForm& f) { f.project = "A, Inc"; }, TermsField::Project, 0},
      {"a day", [](TermsForm& f) { f.rates[1].day = "1.3.2026"; }, TermsField::Rate, 1},
      {"a day alone", [](TermsForm& f) { f.rates.push_back({"2026-07-01", ""}); }, TermsField::Rate, 2},
      {"an amount", [](TermsForm& f) { f.rates[0].amount = "85.505"; }, TermsField::Rate, 0},
      {"a comma under a point", [](TermsForm& f) { f.rates[0].amount = "85,50"; }, TermsField::Rate, 0},
      {"a day twice", [](TermsForm& f) { f.rates.push_back({"2026-01-01", "1"}); }, TermsField::Rate, 2},
      {"hours", [](TermsForm& f) { f.totalHours = "lots"; }, TermsField::TotalHours, 0},
      {"an amount of a month", [](TermsForm& f) { f.monthAmount = "-5"; }, TermsField::MonthAmount, 0},
      {"a currency", [](TermsForm& f) { f.currency = "Swiss francs"; }, TermsField::Currency, 0},
  };
  for (const auto& c : cases) {
    const TermsChanges changes = refused(c.change);
    EXPECT_EQ(changes.field, c.field) << c.what;
    EXPECT_EQ(changes.rate, c.rate) << c.what;
    EXPECT_FALSE(changes.problem.empty()) << c.what;
    EXPECT_TRUE(changes.entries.empty()) << c.what;
  }
}

}  // namespace
}  // namespace tw
