// Repeating calendar events expanded in local time; rules it cannot expand listed; cut files refused.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "import/readers.h"
#include "tests/import/import_support.h"
#include "tests/support/fakes.h"

namespace tw {
namespace {

using test::Utc;

const char* const kBerlin =
    "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nBEGIN:VTIMEZONE\r\nTZID:Europe/Berlin\r\n"
    "BEGIN:DAYLIGHT\r\nDTSTART:19810329T020000\r\nRRULE:FREQ=YEARLY;BYDAY=-1SU;BYMONTH=3\r\n"
    "TZOFFSETFROM:+0100\r\nTZOFFSETTO:+0200\r\nEND:DAYLIGHT\r\n"
    "BEGIN:STANDARD\r\nDTSTART:19961027T030000\r\nRRULE:FREQ=YEARLY;BYDAY=-1SU;BYMONTH=10\r\n"
    "TZOFFSETFROM:+0200\r\nTZOFFSETTO:+0100\r\nEND:STANDARD\r\nEND:VTIMEZONE\r\n";

std::string Event(const std::string& summary, const std::string& lines) {
  return "BEGIN:VEVENT\r\nSUMMARY:" + summary + "\r\n" + lines + "END:VEVENT\r\n";
}

std::string Calendar(const std::string& events) { return kBerlin + events + "END:VCALENDAR\r\n"; }

// The starts of a project's stretches, in order.
std::vector<std::int64_t> Starts(const ImportRead& read, const std::string& project) {
  std::vector<std::int64_t> starts;
  for (const ImportedStretch& s : read.stretches)
    if (s.project == project) starts.push_back(s.start);
  std::sort(starts.begin(), starts.end());
  return starts;
}

std::string Reasons(const ImportRead& read) {
  std::string out;
  for (const Unreadable& u : read.unreadable) out += u.place + ": " + u.reason + "\n";
  return out;
}

class ImportCalendarTest : public test::PlatformTest {
 protected:
  test::BerlinTime zone;
};

TEST_F(ImportCalendarTest, RepeatingEventsAreExpandedInTheirLocalTimeWithTheDatesLeftOutAndAdded) {
  const ImportRead read = ReadICalendar(Calendar(
      Event("Standup", "DTSTART;TZID=Europe/Berlin:20261019T090000\r\nDTEND;TZID=Europe/Berlin:20261019T093000\r\n"
                       "RRULE:FREQ=WEEKLY;BYDAY=MO,WE;COUNT=6\r\nEXDATE;TZID=Europe/Berlin:20261028T090000\r\n"
                       "RDATE;TZID=Europe/Berlin:20261031T100000\r\n") +
      Event("Board", "DTSTART;TZID=Europe/Berlin:20261109T140000\r\nDURATION:PT1H\r\n"
                     "RRULE:FREQ=MONTHLY;BYDAY=2MO,-1FR;UNTIL=20270131T235959Z\r\n") +
      Event("Month end", "DTSTART;TZID=Europe/Berlin:20261031T180000\r\nDTEND;TZID=Europe/Berlin:20261031T190000\r\n"
                         "RRULE:FREQ=MONTHLY;BYMONTHDAY=31;COUNT=3\r\n") +
      Event("Clocks", "DTSTART:20270328T090000Z\r\nDURATION:PT10M\r\nRRULE:FREQ=YEARLY;BYMONTH=3;BYDAY=-1SU;COUNT=2\r\n") +
      Event("Plants", "DTSTART:20261101T080000\r\nDURATION:PT15M\r\n"
                      "RRULE:FREQ=DAILY;INTERVAL=2;BYMONTH=11,12;UNTIL=20261107\r\n") +
      // A series with one occurrence moved and one cancelled, and a cancelled single event.
      Event("Review", "UID:s@x\r\nDTSTART:20261102T120000Z\r\nDURATION:PT1H\r\nRRULE:FREQ=WEEKLY;COUNT=3\r\n") +
      Event("Review", "UID:s@x\r\nRECURRENCE-ID:20261109T120000Z\r\nDTSTART:20261109T150000Z\r\nDURATION:PT1H\r\n") +
      Event("Review", "UID:s@x\r\nRECURRENCE-ID:20261116T120000Z\r\nSTATUS:CANCELLED\r\nDTSTART:20261116T120000Z\r\n"
                      "DURATION:PT1H\r\n") +
      Event("Offsite", "STATUS:CANCELLED\r\nDTSTART:20261105T080000Z\r\nDTEND:20261105T160000Z\r\n") +
      // Dates added as periods; a weekday counted from the year's end; a rule from before 1970.
      Event("Extra", "DTSTART:20261201T090000Z\r\nDURATION:PT1H\r\n"
                     "RDATE;VALUE=PERIOD:20261202T090000Z/20261202T120000Z,20261203T090000Z/PT30M\r\n") +
      Event("Year end", "DTSTART:20261228T090000Z\r\nDURATION:PT1H\r\nRRULE:FREQ=YEARLY;BYDAY=-1MO;COUNT=2\r\n") +
      Event("Old", "DTSTART:19691231T233000Z\r\nDURATION:PT10M\r\nRRULE:FREQ=WEEKLY;BYDAY=TH;COUNT=2\r\n")));
  ASSERT_TRUE(read.refusal.empty()) << read.refusal;
  // Nine o'clock stays nine o'clock after the clocks go back on 25 October.
  EXPECT_EQ(Starts(read, "Standup"), (std::vector<std::int64_t>{Utc(2026, 10, 19, 7, 0), Utc(2026, 10, 21, 7, 0),
                                                                 Utc(2026, 10, 26, 8, 0), Utc(2026, 10, 31, 9, 0),
                                                                 Utc(2026, 11, 2, 8, 0), Utc(2026, 11, 4, 8, 0)}));
  EXPECT_EQ(read.stretches.front().end - read.stretches.front().start, 30 * 60);
  EXPECT_EQ(Starts(read, "Board"), (std::vector<std::int64_t>{Utc(2026, 11, 9, 13, 0), Utc(2026, 11, 27, 13, 0),
                                                               Utc(2026, 12, 14, 13, 0), Utc(2026, 12, 25, 13, 0),
                                                               Utc(2027, 1, 11, 13, 0), Utc(2027, 1, 29, 13, 0)}));
  EXPECT_EQ(Starts(read, "Month end"),
            (std::vector<std::int64_t>{Utc(2026, 10, 31, 17, 0), Utc(2026, 12, 31, 17, 0), Utc(2027, 1, 31, 17, 0)}));
  EXPECT_EQ(Starts(read, "Clocks"), (std::vector<std::int64_t>{Utc(2027, 3, 28, 9, 0), Utc(2028, 3, 26, 9, 0)}));
  EXPECT_EQ(Starts(read, "Plants"), (std::vector<std::int64_t>{Utc(2026, 11, 1, 7, 0), Utc(2026, 11, 3, 7, 0),
                                                                Utc(2026, 11, 5, 7, 0), Utc(2026, 11, 7, 7, 0)}));
  EXPECT_EQ(Starts(read, "Review"), (std::vector<std::int64_t>{Utc(2026, 11, 2, 12, 0), Utc(2026, 11, 9, 15, 0)}));
  EXPECT_TRUE(Starts(read, "Offsite").empty());
  std::vector<std::int64_t> lengths;
  for (const ImportedStretch& s : read.stretches)
    if (s.project == "Extra") lengths.push_back(s.end - s.start);
  EXPECT_EQ(Starts(read, "Extra"), (std::vector<std::int64_t>{Utc(2026, 12, 1, 9, 0), Utc(2026, 12, 2, 9, 0), Utc(2026, 12, 3, 9, 0)}));
  EXPECT_EQ(lengths, (std::vector<std::int64_t>{3600, 3 * 3600, 30 * 60}));
  EXPECT_EQ(Starts(read, "Year end"), (std::vector<std::int64_t>{Utc(2026, 12, 28, 9, 0), Utc(2027, 12, 27, 9, 0)}));
  EXPECT_EQ(Starts(read, "Old"), (std::vector<std::int64_t>{Utc(1969, 12, 31, 23, 30), Utc(1970, 1, 1, 23, 30)}));
  const std::string reasons = Reasons(read);
  EXPECT_NE(reasons.find("event 9 (line 72): it is cancelled (STATUS:CANCELLED)"), std::string::npos) << reasons;
  EXPECT_NE(reasons.find("event 8 (line 64): it is cancelled (STATUS:CANCELLED)"), std::string::npos) << reasons;
}

TEST_F(ImportCalendarTest, AnEndlessRuleIsReadOverTheFilesPeriodWithinLimitsAndTheRestIsListed) {
  const std::string weekly = Event("Weekly", "DTSTART:20260105T090000Z\r\nDURATION:PT1H\r\nRRULE:FREQ=WEEKLY\r\n");
  const auto single = [](const char* day) {
    return Event("Single", std::string("DTSTART:") + day + "T090000Z\r\nDTEND:" + day + "T100000Z\r\n");
  };
  // A year past its start, where the file's single events end sooner; else to their end.
  EXPECT_EQ(Starts(ReadICalendar(Calendar(weekly + single("20260630"))), "Weekly").size(), 53u);
  const ImportRead later = ReadICalendar(Calendar(weekly + single("20270630")));
  EXPECT_EQ(Starts(later, "Weekly").size(), 78u);
  EXPECT_EQ(Starts(later, "Weekly").back(), Utc(2027, 6, 28, 9, 0));
  // However many a rule asks for, an event gives at most ten thousand.
  EXPECT_EQ(Starts(ReadICalendar(Calendar(Event("Daily", "DTSTART:20200101T090000Z\r\nDURATION:PT1H\r\n"
                                                         "RRULE:FREQ=DAILY;COUNT=100000\r\n"))), "Daily").size(),
            10000u);
  // A rule it cannot expand is listed, the event not cut down to its first occurrence.
  const ImportRead rules = ReadICalendar(Calendar(
      Event("Last workday", "DTSTART:20261130T090000Z\r\nDURATION:PT1H\r\n"
                            "RRULE:FREQ=MONTHLY;BYSETPOS=-1;BYDAY=MO,TU,WE,TH,FR\r\n") +
      Event("Hourly", "DTSTART:20261130T090000Z\r\nDURATION:PT1M\r\nRRULE:FREQ=HOURLY;COUNT=5\r\n")));
  EXPECT_TRUE(rules.stretches.empty());
  const std::string reasons = Reasons(rules);
  EXPECT_NE(reasons.find("event 1 (line 18): its repeat rule (RRULE) uses BYSETPOS"), std::string::npos) << reasons;
  EXPECT_NE(reasons.find("event 2 (line 24): its repeat rule (RRULE) repeats HOURLY"), std::string::npos) << reasons;

  // The preview says what each repeating event gave.
  folder.Write("cal.ics", Calendar(weekly + single("20260630")));
  const auto [status, text] = test::RunImport(files, folder.path(), {folder.File("cal.ics"), "--dry-run"});
  EXPECT_EQ(status, 0);
  EXPECT_NE(text.find("event 1 (line 18): repeats: 53 stretches, from 2026-01-05 to 2027-01-04 (the rule has no "
                      "end: read to a year past its start)"),
            std::string::npos) << text;
}

TEST_F(ImportCalendarTest, AFileCutShortOrWithoutLineEndsIsRefusedWithThePlace) {
  std::ifstream fixture(IMPORT_FIXTURES "/calendar.ics", std::ios::binary);
  const std::string whole((std::istreambuf_iterator<char>(fixture)), std::istreambuf_iterator<char>());
  std::string nested = kBerlin;
  for (int i = 0; i < 10000; ++i) nested += "BEGIN:VEVENT\r\n";
  const std::pair<std::string, const char*> cases[] = {
      {whole.substr(0, whole.find("SUMMARY:Servers")), "the VEVENT begun on line 28"},
      {whole.substr(0, whole.rfind("END:VCALENDAR")), "the VCALENDAR begun on line 1"},
      {nested, "line 18"},
      {Calendar(Event("Odd", "DTSTART:20261102T120000Z\r\nEND:VTODO\r\n")), "line 21: END:VTODO"},
      {"BEGIN:VCALENDAR\r\n" + std::string(2 << 20, 'x'), "line 2"},
  };
  for (const auto& [text, place] : cases) {
    folder.Write("cut.ics", text);
    const auto [status, answer] = test::RunImport(files, folder.path(), {folder.File("cut.ics")});
    EXPECT_EQ(status, kImportRefused) << answer;
    EXPECT_NE(answer.find(place), std::string::npos) << place << "\n" << answer.substr(0, 500);
  }
}

}  // namespace
}  // namespace tw
