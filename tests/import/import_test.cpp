// Each reader on the real programs' files, duplicates, a write keeping every byte, the iCalendar round trip.
#include <gtest/gtest.h>

#include <sstream>
#include <tuple>

#include "dates/local_time.h"
#include "import/hamster.h"
#include "import/import_command.h"
#include "import/import_write.h"
#include "import/json.h"
#include "import/readers.h"
#include "summaries/export.h"
#include "tests/import/import_support.h"
#include "tests/support/fakes.h"

namespace tw {
namespace {

using test::Utc;

ImportRead Fixture(ImportFormat format, const char* name) {
  Files files;
  return ReadImport(files, std::string(IMPORT_FIXTURES) + "/" + name, format, LocaleData{});
}

class ImportTest : public test::PlatformTest {
 protected:
  test::BerlinTime zone;  // the fixtures' zone: summer time ends at 3:00 on 25 October 2026
};

TEST_F(ImportTest, TimewarriorFolderAndExportGiveTheSameStretchesAcrossTheClockChange) {
  const ImportRead data = Fixture(ImportFormat::TimewarriorData, "timew-data");
  const ImportRead json = Fixture(ImportFormat::TimewarriorJson, "timew-export.json");
  ASSERT_EQ(data.stretches.size(), 4u);
  ASSERT_EQ(json.stretches.size(), 4u);
  for (std::size_t i = 0; i < 4; ++i) {
    const ImportedStretch &d = data.stretches[i], &j = json.stretches[i];
    EXPECT_EQ(std::tie(d.project, d.comment, d.start, d.end), std::tie(j.project, j.comment, j.start, j.end)) << i;
  }
  EXPECT_EQ(data.stretches[0].project, "Website");
  EXPECT_EQ(data.stretches[0].comment, "#design-review");  // its tag "design review"
  EXPECT_EQ(data.stretches[0].start, Utc(2026, 10, 24, 7, 0));
  // 1:30 summer time to 3:30 winter time: three hours.
  EXPECT_EQ(data.stretches[1].end - data.stretches[1].start, 3 * 3600);
  EXPECT_EQ(data.stretches[2].comment, "call, with \"quotes\"");
  EXPECT_EQ(data.stretches[3].project, "Client, Ltd");
  ASSERT_EQ(data.unreadable.size(), 2u);
  EXPECT_EQ(data.unreadable[0].place, "2026-11.data line 1");
  EXPECT_EQ(data.unreadable[1].reason, "it is still open (no end)");
  EXPECT_EQ(json.unreadable[1].place, "item 6");
  EXPECT_FALSE(ReadTimewarriorData("just text\n").refusal.empty());
  // A file of mostly garbage: the first thousand unreadable lines are listed, the rest counted.
  std::string garbage = "inc 20261024T070000Z - 20261024T080000Z # Website\n";
  for (int i = 0; i < 1500; ++i) garbage += "garbage\n";
  const ImportPlan plan = PlanImport(ReadStretches(ReadTimewarriorData(garbage)), {}, {}, DateFormat(LocaleData{}));
  EXPECT_EQ(plan.added, 1u);
  EXPECT_EQ(plan.unreadable.size(), kListedUnreadable);
  EXPECT_EQ(plan.unreadableCount, 1500u);
  EXPECT_NE(PlanText(plan, DateFormat(LocaleData{}), true).find("1500 items could not be read:"), std::string::npos);
}

TEST_F(ImportTest, HamsterFactsAsActivityAtCategoryWithDescriptionAndTags) {
  const ImportRead db = ReadHamster(std::string(IMPORT_FIXTURES) + "/hamster.db");
  ASSERT_EQ(db.stretches.size(), 3u) << db.refusal;
  EXPECT_EQ(db.stretches[0].project, "Website@Acme");
  EXPECT_EQ(db.stretches[0].comment, "design review #urgent");
  EXPECT_EQ(db.stretches[0].start, Utc(2026, 10, 24, 7, 0));
  EXPECT_EQ(db.stretches[1].project, "Servers, migration");  // no category
  EXPECT_EQ(db.stretches[1].end - db.stretches[1].start, 3 * 3600);
  ASSERT_EQ(db.unreadable.size(), 1u);
  EXPECT_EQ(db.unreadable[0].place, "fact 4");
  EXPECT_FALSE(ReadHamster(std::string(IMPORT_FIXTURES) + "/timelog.txt").refusal.empty());
}

TEST_F(ImportTest, ICalendarZonesDurationsFloatingTimesAndFoldedText) {
  const ImportRead ics = Fixture(ImportFormat::ICalendar, "calendar.ics");
  ASSERT_EQ(ics.stretches.size(), 4u);
  EXPECT_EQ(ics.stretches[0].start, Utc(2026, 10, 24, 7, 0));  // summer time
  EXPECT_EQ(ics.stretches[0].comment,
            "design review; with a long description that runs past the seventy-five octets of one line");
  EXPECT_EQ(ics.stretches[1].start, Utc(2026, 10, 26, 7, 0));  // winter time
  EXPECT_EQ(ics.stretches[2].end - ics.stretches[2].start, 45 * 60);
  EXPECT_EQ(ics.stretches[2].comment, "in UTC, with a DURATION");
  EXPECT_EQ(ics.stretches[3].start, Utc(2026, 11, 3, 8, 0));  // floating: the user's clock
  ASSERT_EQ(ics.unreadable.size(), 1u);
  EXPECT_EQ(ics.unreadable[0].place, "event 5 (line 51)");
  EXPECT_FALSE(ReadICalendar("BEGIN:VCARD\r\n").refusal.empty());
}

TEST_F(ImportTest, GTimeLogEntriesEndAtTheNextLineAndBreaksAreLeftOut) {
  const ImportRead log = Fixture(ImportFormat::GTimeLog, "timelog.txt");
  ASSERT_EQ(log.stretches.size(), 4u);
  EXPECT_EQ(log.stretches[0].project, "Website");
  EXPECT_EQ(log.stretches[0].comment, "design review");
  EXPECT_EQ(log.stretches[0].start, Utc(2026, 10, 24, 6, 55));
  EXPECT_EQ(log.stretches[1].start, Utc(2026, 10, 24, 8, 15));  // after the break
  EXPECT_EQ(log.stretches[3].start, Utc(2026, 10, 26, 8, 30));  // the unreadable line between ends nothing
  EXPECT_EQ(log.stretches[3].comment, "migration, part 3");
  ASSERT_EQ(log.unreadable.size(), 1u);
  EXPECT_EQ(log.unreadable[0].place, "line 9");
}

TEST_F(ImportTest, ServicesCsvWatsonAndTallywrightsOwnFiles) {
  const ImportRead toggl = ReadServiceCsv(
      test::kTogglHeader + "Ann,a@x,Acme,Website,,\"Menu, new\",No,2026-10-26,09:00:00,2026-10-26,10:15:00,01:15:00,urgent,\n"
      "Ann,a@x,Acme,Website,,broken,No,2026-13-01,09:00:00,2026-10-26,10:15:00,01:15:00,,\n",
      ImportFormat::Toggl);
  ASSERT_EQ(toggl.stretches.size(), 1u);
  EXPECT_EQ(toggl.stretches[0].start, Utc(2026, 10, 26, 8, 0));
  EXPECT_EQ(toggl.stretches[0].comment, "Menu, new #urgent");
  EXPECT_EQ(toggl.unreadable.at(0).place, "line 3");
  const ImportRead clockify = ReadServiceCsv(
      "Project,Client,Description,Task,User,Group,Email,Tags,Billable,Start Date,Start Time,End Date,End Time,"
      "Duration (h),Duration (decimal)\r\n"
      ",Acme,Support call,,Ann,,a@x,,Yes,10/26/2026,11:45 PM,10/27/2026,12:15 AM,00:30:00,0.50\r\n",
      ImportFormat::Clockify);
  ASSERT_EQ(clockify.stretches.size(), 1u);
  EXPECT_EQ(clockify.stretches[0].project, "Support call");  // no project: the description names it
  EXPECT_EQ(clockify.stretches[0].end - clockify.stretches[0].start, 30 * 60);
  EXPECT_FALSE(ReadServiceCsv("a,b\n1,2\n", ImportFormat::Toggl).refusal.empty());

  const ImportRead watson = ReadWatsonFrames(
      "[[1793001600, 1793005200, \"Website\", \"abc\", [\"css\", \"menu\"], 1793005200], [1, \"x\"]]");
  ASSERT_EQ(watson.stretches.size(), 1u);
  EXPECT_EQ(watson.stretches[0].comment, "#css #menu");
  EXPECT_EQ(watson.unreadable.at(0).place, "item 2");

  // A report in the day-first form, settled as the program settles one; an amendment is no item.
  const ImportRead own = ReadTallywrightReport(
      "Alpha,24.10.2026 09:00:00,24.10.2026 10:00:00,one, two\r\nAlpha,25.10.2026 13:00:00,25.10.2026 14:00:00,\r\n"
      "broken\r\n", LocaleData{});
  ASSERT_EQ(own.stretches.size(), 2u);
  EXPECT_EQ(own.stretches[0].start, Utc(2026, 10, 24, 7, 0));
  EXPECT_EQ(own.stretches[0].comment, "one, two");
  EXPECT_EQ(own.unreadable.at(0).place, "line 3");
  const ImportRead csv = ReadTallywrightCsv(
      "Project Name,Start of Project,End of Project,Project Time,Comments\r\n"
      "Alpha,10/24/2026 9:00:00 AM,10/24/2026 10:00:00 AM,01:00:00,\"a, b\"\r\nTotal Time:,,,01:00:00,\r\n",
      LocaleData{});
  ASSERT_EQ(csv.stretches.size(), 1u);
  EXPECT_EQ(csv.stretches[0].comment, "a, b");
  EXPECT_TRUE(csv.unreadable.empty());
}

TEST_F(ImportTest, AnImportKeepsEveryByteAddsOnlyWhatIsNewAndLandsOnceWhateverTheRuns) {
  // A last line without its end, as a sync service may leave one.
  const std::string before = "Old,10/24/2026 9:00:00 AM,10/24/2026 12:30:00 PM,kept\r\nOdd line";
  folder.Write("projrpt.pro", before);
  folder.Write("project.lst", "Old\r\n\r\n");
  auto run = [&](const std::vector<std::string>& args) { return test::RunImport(files, folder.path(), args); };
  const std::string data = std::string(IMPORT_FIXTURES) + "/timew-data";
  auto [status, text] = run({data, "--dry-run"});
  EXPECT_EQ(status, 0);
  EXPECT_EQ(folder.Read("projrpt.pro"), before);
  EXPECT_NE(text.find("Project \"Client, Ltd\" is written as \"Client  Ltd\""), std::string::npos);
  EXPECT_NE(text.find("1 overlaps a stretch of the report"), std::string::npos);

  std::tie(status, text) = run({data});
  ASSERT_EQ(status, 0) << text;
  const std::string after = folder.Read("projrpt.pro");
  EXPECT_EQ(after.substr(0, before.size() + 2), before + "\r\n");
  EXPECT_NE(after.find("\r\nWebsite,10/24/2026 9:00:00 AM,10/24/2026 12:30:00 PM,#design-review\r\n"), std::string::npos);
  EXPECT_EQ(folder.Read("projrpt.imp"), before);
  EXPECT_EQ(folder.Read("project.lst"), "Old\r\nClient  Ltd\r\nServers\r\nSupport\r\nWebsite\r\n\r\n");

  // Again, and from the export of the same intervals: nothing more.
  std::tie(status, text) = run({std::string(IMPORT_FIXTURES) + "/timew-export.json", "--json"});
  EXPECT_EQ(status, 0);
  EXPECT_NE(text.find("\"added\": 0"), std::string::npos);
  EXPECT_NE(text.find("\"duplicates\": 4"), std::string::npos);
  EXPECT_EQ(folder.Read("projrpt.pro"), after);
  // Another copy imports the same stretches while this one waits for the lock: they land once.
  ImportRead late;
  const std::int64_t start = InstantOfLocal(MakeDateTime({2026, 12, 7}, 9, 0, 0));
  late.stretches = {{"Late", start, start + 600, ""}, {"Late", start + 600, start + 900, ""}};
  const ReadStretches lateFile(late);
  const DateFormat form{LocaleData{}};
  Files other;
  std::size_t otherAdded = 0;
  files.SetHook([&](FileStep step, const std::string&) {
    if (step == FileStep::Lock && otherAdded == 0)
      otherAdded = WriteImport(other, folder.path(), lateFile, form, LocaleData{}, false, 0).added;
    return 0;
  });
  EXPECT_EQ(WriteImport(files, folder.path(), lateFile, form, LocaleData{}, false, 0).added, 0u);
  files.SetHook(nullptr);
  EXPECT_EQ(otherAdded, 2u);
  // A file that changed since its preview: what lies outside the period the preview found is judged too.
  const ImportPeriod october{Utc(2026, 10, 1, 0, 0), Utc(2026, 10, 2, 0, 0)};
  EXPECT_EQ(WriteImport(files, folder.path(), lateFile, form, LocaleData{}, false, 0, october).added, 0u);
  const std::string once = folder.Read("projrpt.pro");
  EXPECT_EQ(std::count(once.begin(), once.end(), '\n'), std::count(after.begin(), after.end(), '\n') + 2);

  // Refusals write nothing.
  EXPECT_EQ(run({data, "--format", "nonsense"}).first, kImportBadCommand);
  EXPECT_EQ(run({"--dry-run"}).first, kImportBadCommand);
  EXPECT_EQ(run({std::string(IMPORT_FIXTURES) + "/timelog.txt", "--format", "ical"}).first, kImportRefused);
  EXPECT_EQ(run({folder.File("missing.ics")}).first, kImportRefused);
  // A failed write leaves the report as it was.
  FailStep(FileStep::Rename, 2, 28);
  EXPECT_EQ(run({std::string(IMPORT_FIXTURES) + "/calendar.ics"}).first, kImportRefused);
  EXPECT_EQ(folder.Read("projrpt.pro"), once);
}

TEST_F(ImportTest, ICalendarExportFoldsEscapesKeepsItsUidsAndReadsBackTheSame) {
  const std::string comment = "Caf\xC3\xA9 \xC3\xA9t\xC3\xA9; notes, \\ and a line\nbreak " + std::string(60, 'x') + "\xE2\x82\xAC";
  std::vector<SummaryEntry> entries(3);
  entries[0] = {"Alpha", "10/25/2026 1:30:00 AM", "10/25/2026 3:30:00 AM", comment, "", MakeDateTime({2026, 10, 25}, 1, 30, 0),
                MakeDateTime({2026, 10, 25}, 3, 30, 0), 0, {}};
  entries[1] = {"Beta", "x", "y", "", "laptop", MakeDateTime({2026, 11, 2}, 9, 0, 0), MakeDateTime({2026, 11, 2}, 9, 45, 0), 0, {}};
  entries[2] = entries[1];  // the same record twice: two events, two UIDs
  std::ostringstream out;
  WriteICalendar(Summary{}, entries, out);
  const std::string ics = out.str();
  for (std::size_t at = 0, next; (next = ics.find("\r\n", at)) != std::string::npos; at = next + 2) {
    EXPECT_LE(next - at, 75u);
    EXPECT_EQ(ics.find('\n', at), next + 1);  // no line ended by LF alone
    if (next + 3 < ics.size() && ics[next + 2] == ' ') {  // a fold never splits a character
      EXPECT_NE(static_cast<unsigned char>(ics[next + 3]) & 0xC0, 0x80u);
    }
  }
  const ImportRead back = ReadICalendar(ics);
  ASSERT_EQ(back.stretches.size(), 3u);
  EXPECT_EQ(back.stretches[0].comment, "Caf\xC3\xA9 \xC3\xA9t\xC3\xA9; notes, \\ and a line\nbreak " + std::string(60, 'x') + "\xE2\x82\xAC");
  EXPECT_EQ(back.stretches[0].start, InstantOfLocal(entries[0].startValue));
  EXPECT_EQ(back.stretches[0].end, Utc(2026, 10, 25, 2, 30));
  EXPECT_EQ(back.stretches[1].project, "Beta");
  // The same record keeps its UID from one export to the next; twins differ.
  std::ostringstream again;
  WriteICalendar(Summary{}, {entries[1]}, again);
  const auto uid = [](const std::string& text, std::size_t nth) {
    std::size_t at = 0;
    for (std::size_t i = 0; i <= nth; ++i) at = text.find("UID:", at) + 4;
    return text.substr(at, text.find("\r\n", at) - at);
  };
  EXPECT_EQ(uid(again.str(), 0), uid(ics, 1));
  EXPECT_NE(uid(ics, 1), uid(ics, 2));
  EXPECT_NE(uid(ics, 0), uid(ics, 1));
}

}  // namespace
}  // namespace tw
