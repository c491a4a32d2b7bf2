// The rates file: read by hand, written back, merged across machines in any order.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <stdexcept>
#include <tuple>

#include "billing/rates.h"
#include "dates/period.h"
#include "platform/shared_folder.h"
#include "tests/support/fakes.h"

namespace tw {
namespace {

std::int64_t Day(const char* iso) { return *ParseIsoDay(iso); }

TEST(RatesFile, AHandEditedFileIsReadAndItsWrongLinesNamedAndKept) {
  const std::string text =
      "# Tallywright rates\r\n# my notes\r\n\r\n"
      "rate\tAcme\t2026-01-01\t85\t2026-01-01T08:00:00Z\r\n"
      "Rate\tAcme\t2026-02-15\t 90.00 \n"
      "rate\tAcme\t2026-03-01\t95.5\t2026-03-01T08:00:00Z\r\n"
      "rate\tAcme\t2026-03-01\t\t2026-03-02T08:00:00Z\r\n"
      "billable\tInternal\tNo\t2026-01-01T08:00:00Z\r\n"
      "budget\tAcme\tmonth\t40\t\t2026-01-01T08:00:00Z\r\n"
      "budget\tAcme\ttotal\t\t5000\t2026-01-01T08:00:00Z\r\n"
      "currency\tEUR\t2026-01-01T08:00:00Z\r\n"
      "rate Acme 2026-01-01 85\r\n"
      "rate\tAcme\t2026-01-32\t85\r\n"
      "rate\tAcme\t2026-01-01\t85.555\r\n"
      "billable\tAcme\tmaybe\r\n"
      "budget\tAcme\tweek\t1\t1\r\n"
      "currency\tEuro dollars\r\n"
      "rate\tAcme\t2026-01-01\t85\t2026-1-1\r\n"
      "rate\tAcme\t2026-01-01\t85\t2026-01-01T24:00:00Z\r\n"
      "tag\tAcme\r\n"
      "rate\t\t2026-01-01\t85\r\n"
      "billable\tAcme\r\n";
  const RatesFile file = ReadRatesText(text, "project.rates");
  std::vector<std::size_t> wrong;
  for (const RatesProblem& problem : file.problems) {
    wrong.push_back(problem.line);
    EXPECT_FALSE(problem.message.empty());
  }
  EXPECT_EQ(wrong, (std::vector<std::size_t>{12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22}));
  EXPECT_EQ(ProblemText(file.problems[0]).substr(0, 23), "project.rates, line 12:");

  RatesBook book;
  book.Take("", file);
  EXPECT_EQ(book.RateOn("Acme", Day("2025-12-31")), std::nullopt);
  EXPECT_EQ(book.RateOn("Acme", Day("2026-01-01")), 8500);
  EXPECT_EQ(book.RateOn("Acme", Day("2026-02-14")), 8500);
  EXPECT_EQ(book.RateOn("Acme", Day("2026-02-15")), 9000);
  EXPECT_EQ(book.RateOn("Acme", Day("2026-03-05")), 9000);  // the March change was taken back
  EXPECT_FALSE(book.Billable("Internal"));
  EXPECT_TRUE(book.Billable("Acme"));
  EXPECT_TRUE(book.Billable("Unknown"));
  EXPECT_EQ(book.BudgetOf("Acme", BudgetScope::Month), (Budget{40 * 3600, std::nullopt}));
  EXPECT_EQ(book.BudgetOf("Acme", BudgetScope::Total), (Budget{std::nullopt, 500000}));
  EXPECT_EQ(book.Currency(), "EUR");
  EXPECT_EQ(book.Projects(), (std::vector<std::string>{"Acme", "Internal"}));

  // Written back, every line is kept as it was, each ended by CR LF, the first line once.
  std::string crLf;
  for (char c : text) {
    if (c == '\n' && (crLf.empty() || crLf.back() != '\r')) crLf += '\r';
    crLf += c;
  }
  EXPECT_EQ(RatesText(file), crLf);
}

TEST(RatesFile, FactsThatCannotBeWrittenAreRefused) {
  const auto problem = [](RatesEntry entry) { return RatesEntryProblem(entry).has_value(); };
  const RatesEntry rate{Fact::Rate, "Acme", *ParseIsoDay("2026-01-01"), {}, false, 9050, true, {}, "", ""};
  EXPECT_FALSE(problem(rate));
  for (const char* project : {"", " ", "a\tb", "a\nb"}) {
    RatesEntry named = rate;
    named.project = project;
    EXPECT_TRUE(problem(named)) << project;
  }
  for (const Cents cents : {Cents{-1}, kMaxAmount + 1}) {
    RatesEntry priced = rate;
    priced.rate = cents;
    EXPECT_TRUE(problem(priced));
  }
  EXPECT_FALSE(problem({Fact::Currency, "", 0, {}, false, 0, true, {}, "€ EUR", ""}));
  for (const char* currency : {"", "123456789", "E\tR"})
    EXPECT_TRUE(problem({Fact::Currency, "", 0, {}, false, 0, true, {}, currency, ""})) << currency;
  EXPECT_TRUE(problem({Fact::Budget, "P", 0, BudgetScope::Month, false, 0, true, {}, "", ""}));
  EXPECT_FALSE(problem({Fact::Budget, "P", 0, BudgetScope::Month, true, 0, true, {}, "", ""}));
}

// Lines of several machines' files: few moments, so that many lines of a fact tie.
std::vector<std::vector<std::string>> GeneratedFiles(std::mt19937& random) {
  const char* const projects[] = {"A", "B", "C"};
  const char* const stamps[] = {"", "\t2026-01-01T00:00:00Z", "\t2026-01-01T00:00:01Z", "\t2026-06-01T12:00:00Z"};
  std::vector<std::vector<std::string>> files(3);
  for (int i = 0; i < 300; ++i) {
    const std::string project = projects[random() % 3];
    const std::string stamp = stamps[random() % 4];
    const bool removal = random() % 5 == 0;
    const std::string amount = removal ? "" : std::to_string(random() % 4 * 10);
    std::string line;
    switch (random() % 4) {
      case 0: line = "rate\t" + project + "\t2026-0" + std::to_string(1 + random() % 3) + "-01\t" + amount; break;
      case 1: line = "billable\t" + project + "\t" + (removal ? "" : random() % 2 ? "yes" : "no"); break;
      case 2: line = "budget\t" + project + (random() % 2 ? "\tmonth\t" : "\ttotal\t") + amount + "\t" + amount; break;
      default: line = "currency\t" + (removal ? std::string() : "C" + amount); break;
    }
    files[random() % 3].push_back(line + stamp);
  }
  return files;
}

TEST(RatesFile, MachinesAgreeWhateverOrderTheirFilesAndLinesArriveIn) {
  const char* const machines[] = {"", "desk", "laptop"};
  std::mt19937 random(7);
  for (int round = 0; round < 5; ++round) {
    std::vector<std::vector<std::string>> files = GeneratedFiles(random);
    const auto merged = [&](const std::vector<std::size_t>& order) {
      RatesBook book;
      for (std::size_t f : order) {
        std::string text;
        for (const std::string& line : files[f]) text += line + "\r\n";
        book.Take(machines[f], ReadRatesText(text, machines[f]));
      }
      return book;
    };
    const RatesBook first = merged({0, 1, 2});
    // Each fact's line as the program writes it reads back as the same fact.
    for (const std::string& line : first.HoldingLines()) {
      const RatesEntry entry = *ReadRatesText(line, "").lines.at(0).entry;
      const std::optional<RatesEntry> again = ReadRatesText(EntryLine(entry), "").lines.at(0).entry;
      ASSERT_TRUE(again) << line;
      EXPECT_EQ(KeyOf(*again), KeyOf(entry));
      EXPECT_EQ(std::tie(again->removal, again->rate, again->billable, again->budget, again->currency, again->stamp),
                std::tie(entry.removal, entry.rate, entry.billable, entry.budget, entry.currency, entry.stamp));
    }
    std::vector<std::size_t> order{0, 1, 2};
    for (int shuffle = 0; shuffle < 12; ++shuffle) {
      std::shuffle(order.begin(), order.end(), random);
      for (auto& lines : files) std::shuffle(lines.begin(), lines.end(), random);
      const RatesBook again = merged(order);
      EXPECT_EQ(again.HoldingLines(), first.HoldingLines());
    }
  }

  // The latest moment holds; a tie goes to the machine, then the line, that sorts last.
  const auto holding = [](std::vector<std::pair<std::string, std::string>> lines) {
    RatesBook book;
    for (const auto& [machine, line] : lines) book.Take(machine, ReadRatesText(line, machine));
    return book.RateOn("A", Day("2026-01-01"));
  };
  EXPECT_EQ(holding({{"zed", "rate\tA\t2026-01-01\t10\t2026-01-01T00:00:00Z"},
                     {"abe", "rate\tA\t2026-01-01\t20\t2026-01-01T00:00:01Z"}}), 2000);
  EXPECT_EQ(holding({{"abe", "rate\tA\t2026-01-01\t20\t2026-01-01T00:00:00Z"},
                     {"zed", "rate\tA\t2026-01-01\t10\t2026-01-01T00:00:00Z"}}), 1000);
  EXPECT_EQ(holding({{"abe", "rate\tA\t2026-01-01\t30\t2026-01-01T00:00:00Z"},
                     {"abe", "rate\tA\t2026-01-01\t20\t2026-01-01T00:00:00Z"}}), 3000);
  EXPECT_EQ(holding({{"abe", "rate\tA\t2026-01-01\t30"}, {"abe", "rate\tA\t2026-01-01\t20\t2026-01-01T00:00:00Z"}}), 2000);
}

class RatesFolderTest : public test::PlatformTest {
 protected:
  static constexpr std::int64_t kDecember8 = 1796724000;  // 2026-12-08T10:00:00Z
  RatesEntry Rate(const char* project, Cents cents) {
    return {Fact::Rate, project, Day("2026-01-01"), {}, false, cents, true, {}, "", ""};
  }
};

TEST_F(RatesFolderTest, ThisMachineWritesItsOwnFileKeepingHandEdits) {
  const RatesEntry acme = Rate("Acme", 8500);
  SetRates(files, folder.path(), std::span(&acme, 1), kDecember8);
  const std::string written = folder.Read("project.rates");
  const std::string guide = written.substr(0, written.find("rate\t"));
  EXPECT_TRUE(guide.starts_with("# Tallywright rates\r\n#"));
  EXPECT_EQ(written, guide + "rate\tAcme\t2026-01-01\t85.00\t2026-12-08T10:00:00Z\r\n");

  // A hand-made file with a note, a wrong line and the fact twice, the clock behind its latest line.
  folder.Write("project.rates",
               "# mine\r\nrate\tAcme\t2026-01-01\t80\t2027-01-01T10:20:30Z\r\nwrong\r\nrate\tAcme\t2026-01-01\t70\r\n");
  const RatesEntry set[] = {Rate("Acme", 9000), {Fact::Currency, "", 0, {}, false, 0, true, {}, "CHF", ""}};
  SetRates(files, folder.path(), set, kDecember8);
  const std::string rewritten = folder.Read("project.rates");
  EXPECT_EQ(rewritten, guide + "# mine\r\nrate\tAcme\t2026-01-01\t90.00\t2027-01-01T10:20:31Z\r\nwrong\r\n"
                               "currency\tCHF\t2026-12-08T10:00:00Z\r\n");
  const RatesFolder read = ReadRates(files, folder.path());
  EXPECT_EQ(read.book.RateOn("Acme", Day("2026-06-01")), 9000);
  ASSERT_EQ(read.problems.size(), 1u);
  EXPECT_EQ(read.problems[0].line, 10u);

  const RatesEntry wrong = Rate("a\tb", 100);
  const std::string before = folder.Read("project.rates");
  EXPECT_THROW(SetRates(files, folder.path(), std::span(&wrong, 1), kDecember8), std::invalid_argument);
  EXPECT_EQ(folder.Read("project.rates"), before);
}

TEST_F(RatesFolderTest, InASharedFolderEachMachineWritesItsOwnAndReadsThemAll) {
  ShareFolder(files, folder.path(), "laptop");
  settings.values[kDeviceNameKey] = "desk";
  folder.Write("project.rates", "rate\tOld\t2026-01-01\t50\r\n");
  folder.Write("project.laptop.rates", "rate\tAcme\t2026-01-01\t80\t2026-12-09T00:00:00Z\r\n");
  folder.Write("project.laptop.sync-conflict-20261207-210123-ABCDEFG.rates",
               "budget\tAcme\tmonth\t10\t\t2026-12-01T00:00:00Z\r\n");
  const RatesEntry acme = Rate("Acme", 9000);
  SetRates(files, folder.path(), std::span(&acme, 1), kDecember8);
  EXPECT_TRUE(folder.Read("project.desk.rates").ends_with("rate\tAcme\t2026-01-01\t90.00\t2026-12-09T00:00:01Z\r\n"));
  EXPECT_EQ(folder.Read("project.rates"), "rate\tOld\t2026-01-01\t50\r\n");
  EXPECT_FALSE(folder.Exists("project.desk.rates.tmp"));
  const RatesBook book = ReadRates(files, folder.path()).book;
  EXPECT_EQ(book.RateOn("Acme", Day("2026-12-01")), 9000);
  EXPECT_EQ(book.RateOn("Old", Day("2026-12-01")), 5000);
  EXPECT_EQ(book.BudgetOf("Acme", BudgetScope::Month), (Budget{36000, std::nullopt}));
}

}  // namespace
}  // namespace tw
