// The Project settings window's wiring; the terms' rules: project_terms_test.
#include <gtest/gtest.h>

#include <QLocale>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QTest>
#include <QTextBlock>

#include "projects/frm_project_list.h"
#include "projects/frm_project_settings.h"
#include "shell/frm_main.h"
#include "shell/setup_main.h"
#include "tracking/write_record.h"
#include "tests/support/fakes.h"
#include "tests/support/layout.h"
#include "tests/support/ui.h"

namespace tw {
namespace {

class ProjectSettingsTest : public test::PlatformTest {
 protected:
  ProjectSettingsTest() {
    system.endThrows = false;
    folder.Write("project.lst", "Acme\r\nBeta\r\n");
    folder.Write("project.rates", "rate\tAcme\t2026-01-01\t85\t2026-01-01T08:00:00Z\r\n");
  }
  ~ProjectSettingsTest() override {
    if (frmProjectList* editor = frmProjectList::Loaded()) editor->Unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  RatesBook Book() const { return ReadRates(files, folder.path()).book; }
  static frmProjectSettings& Settings() {
    frmProjectSettings* window = frmProjectSettings::Loaded();
    EXPECT_TRUE(window && window->isModal());
    return *window;
  }
  static void Choose(frmProjectSettings& s, const char* project) {
    auto* box = test::Child<QComboBox>(s, "cboProject");
    box->setCurrentIndex(box->findText(project));
    emit box->activated(box->currentIndex());
  }
};

TEST_F(ProjectSettingsTest, FromTheProjectListEditorForTheProjectOnTheCursorsLine) {
  std::unique_ptr<frmMain> main(Setup::Main());
  frmProjectList& editor = frmProjectList::Load(*main);
  auto* text = test::Child<QPlainTextEdit>(editor, "txtProjectList");
  QTextCursor cursor(text->document()->findBlockByNumber(1));
  text->setTextCursor(cursor);
  EXPECT_TRUE(test::WhileShown([&] { test::Click(editor, "cmdSettings"); }, [&] {
    frmProjectSettings& s = Settings();
    EXPECT_EQ(test::LayoutProblems(s), std::vector<std::string>{});
    EXPECT_EQ(s.Form().project, "Beta");
    EXPECT_TRUE(s.Form().rates.empty());
    test::Click(s, "cmdAddRate");
    auto* rates = test::Child<QTableWidget>(s, "tblRates");
    ASSERT_EQ(rates->rowCount(), 1);
    EXPECT_EQ(rates->item(0, 0)->text(), "2026-12-07");  // the clock's today
    rates->item(0, 1)->setText("85.5");
    test::Child<QLineEdit>(s, "txtMonthHours")->setText("40");
    test::Child<QCheckBox>(s, "chkBillable")->setChecked(false);
    test::Click(s, "cmdOK");
  }));
  EXPECT_EQ(frmProjectSettings::Loaded(), nullptr);
  const RatesBook book = Book();
  EXPECT_EQ(book.RateOn("Beta", DayFromCivil({2026, 12, 7})), 8550);
  EXPECT_EQ(book.BudgetOf("Beta", BudgetScope::Month), (Budget{40 * 3600, std::nullopt}));
  EXPECT_FALSE(book.Billable("Beta"));
}

TEST_F(ProjectSettingsTest, FromTheReportMenuAskingBeforeChangesAreLeft) {
  std::unique_ptr<frmMain> main(Setup::Main());
  EXPECT_TRUE(test::WhileShown([&] { main->findChild<QAction*>("mnuReportRates")->trigger(); }, [&] {
    frmProjectSettings& s = Settings();
    EXPECT_EQ(s.Form().project, ChosenProject(*main));  // the main window's
    Choose(s, "Acme");                                    // nothing changed: nothing asked
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(s.Form().project, "Acme");
    // A wrong amount is refused with the box to correct; nothing is written.
    auto* rates = test::Child<QTableWidget>(s, "tblRates");
    rates->item(0, 1)->setText("85.505");
    test::Click(s, "cmdOK");
    EXPECT_TRUE(dialogs.shown.size() == 1 && s.isVisible());
    rates->item(0, 1)->setText("86");
    test::Child<QLineEdit>(s, "txtCurrency")->setText("EUR");
    // Another project with changes unsaved: Cancel stays, No leaves them, Yes saves them.
    dialogs.answers = {MsgResult::Cancel};
    Choose(s, "Beta");
    EXPECT_EQ(s.Form().project, "Acme");
    EXPECT_EQ(s.Form().currency, "EUR");
    dialogs.answers = {MsgResult::Yes};
    Choose(s, "Beta");
    EXPECT_EQ(s.Form().project, "Beta");
    EXPECT_EQ(s.Form().currency, "EUR");  // the folder's, saved
    test::Child<QLineEdit>(s, "txtTotalAmount")->setText("1000");
    dialogs.answers = {MsgResult::No};
    Choose(s, "Acme");
    EXPECT_EQ(s.Form().totalAmount, "");
    EXPECT_EQ(s.Form().rates.at(0).amount, "86" + QString(QLocale().decimalPoint()).toStdString() + "00");  // in the locale's form
    test::Click(s, "cmdCancel");
  }));
  const RatesBook book = Book();
  EXPECT_EQ(book.RateOn("Acme", DayFromCivil({2026, 1, 1})), 8600);
  EXPECT_EQ(book.Currency(), "EUR");
  EXPECT_FALSE(book.BudgetOf("Beta", BudgetScope::Total));
}

}  // namespace
}  // namespace tw
