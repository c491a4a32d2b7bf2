// The moments typed on the command line, accepted and refused, around Berlin's clock changes.
#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <ctime>
#include <string>

#include "dates/local_time.h"
#include "dates/time_expression.h"
#include "tests/support/fakes.h"

namespace tw {
namespace {

// Nows, in UTC.
constexpr std::int64_t kTuesday = 1796721330;     // Tuesday 2026-12-08 10:15:30 +01:00
constexpr std::int64_t kSpringNoon = 1774778400;  // Sunday 2026-03-29 12:00 +02:00, the clocks went forward at 2:00
constexpr std::int64_t kSpringNight = 1774744200; // the same Sunday 1:30 +01:00, half an hour before the change
constexpr std::int64_t kAutumnNoon = 1792926000;  // Sunday 2026-10-25 12:00 +01:00, the clocks went back at 3:00

std::string Utc(std::int64_t instant) {
  const std::time_t t = static_cast<std::time_t>(instant);
  std::tm tm{};
  gmtime_r(&t, &tm);
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &tm);
  return text;
}

std::string Local(const DateTime& local) {
  const CivilDate d = CivilFromDay(local.day);
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", d.year, d.month, d.day, local.seconds / 3600,
                local.seconds / 60 % 60, local.seconds % 60);
  return text;
}

struct Accepted {
  const char* text;
  std::int64_t now;
  const char* utc;    // the moment
  const char* local;  // its wall-clock time here
};

const Accepted kAccepted[] = {
    {"now", kTuesday, "2026-12-08T09:15:30Z", "2026-12-08 10:15:30"},
    {" NOW\t", kTuesday, "2026-12-08T09:15:30Z", "2026-12-08 10:15:30"},
    // Today, with or without the word; a time still to come today is read too.
    {"9:00", kTuesday, "2026-12-08T08:00:00Z", "2026-12-08 09:00:00"},
    {"0:00", kTuesday, "2026-12-07T23:00:00Z", "2026-12-08 00:00:00"},
    {"23:59:59", kTuesday, "2026-12-08T22:59:59Z", "2026-12-08 23:59:59"},
    {"Today  9:00", kTuesday, "2026-12-08T08:00:00Z", "2026-12-08 09:00:00"},
    {"yesterday 17:30", kTuesday, "2026-12-07T16:30:00Z", "2026-12-07 17:30:00"},
    // Weekdays: the latest such moment not after now.
    {"tue 10:15:30", kTuesday, "2026-12-08T09:15:30Z", "2026-12-08 10:15:30"},
    {"tuesday 10:15:31", kTuesday, "2026-12-01T09:15:31Z", "2026-12-01 10:15:31"},
    {"mon 9:00", kTuesday, "2026-12-07T08:00:00Z", "2026-12-07 09:00:00"},
    {"wednesday 9:00", kTuesday, "2026-12-02T08:00:00Z", "2026-12-02 09:00:00"},
    {"FRI 9:00", kTuesday, "2026-12-04T08:00:00Z", "2026-12-04 09:00:00"},
    {"sunday 0:00", kTuesday, "2026-12-05T23:00:00Z", "2026-12-06 00:00:00"},
    // ISO 8601: local, or exact with Z or an offset (any date, to come as well).
    {"2026-12-08T09:00", kTuesday, "2026-12-08T08:00:00Z", "2026-12-08 09:00:00"},
    {"2026-07-01 9:00", kTuesday, "2026-07-01T07:00:00Z", "2026-07-01 09:00:00"},
    {"2027-01-04T08:00", kTuesday, "2027-01-04T07:00:00Z", "2027-01-04 08:00:00"},
    {"2026-12-08T09:00Z", kTuesday, "2026-12-08T09:00:00Z", "2026-12-08 10:00:00"},
    {"2026-12-08 09:00:10+01:00", kTuesday, "2026-12-08T08:00:10Z", "2026-12-08 09:00:10"},
    {"2026-12-08T09:00-0530", kTuesday, "2026-12-08T14:30:00Z", "2026-12-08 15:30:00"},
    {"2026-12-08T01:00+05", kTuesday, "2026-12-07T20:00:00Z", "2026-12-07 21:00:00"},
    {"2026-12-08T09:00-23:59", kTuesday, "2026-12-09T08:59:00Z", "2026-12-09 09:59:00"},
    {"2024-02-29T12:00", kTuesday, "2024-02-29T11:00:00Z", "2024-02-29 12:00:00"},
    // Lengths: real seconds back (or ahead) from now.
    {"-15min", kTuesday, "2026-12-08T09:00:30Z", "2026-12-08 10:00:30"},
    {"-2h", kTuesday, "2026-12-08T07:15:30Z", "2026-12-08 08:15:30"},
    {"-90s", kTuesday, "2026-12-08T09:14:00Z", "2026-12-08 10:14:00"},
    {"-1h30min15s", kTuesday, "2026-12-08T07:45:15Z", "2026-12-08 08:45:15"},
    {"+15min", kTuesday, "2026-12-08T09:30:30Z", "2026-12-08 10:30:30"},
    // The day the clocks went forward: two real hours back from 4:00 is 1:00; around the skipped hour.
    {"-2h", kSpringNoon - 8 * 3600, "2026-03-29T00:00:00Z", "2026-03-29 01:00:00"},
    {"1:59:59", kSpringNoon, "2026-03-29T00:59:59Z", "2026-03-29 01:59:59"},
    {"3:00", kSpringNoon, "2026-03-29T01:00:00Z", "2026-03-29 03:00:00"},
    {"2026-03-29T02:30+01:00", kSpringNoon, "2026-03-29T01:30:00Z", "2026-03-29 03:30:00"},
    {"yesterday 2:30", kSpringNoon, "2026-03-28T01:30:00Z", "2026-03-28 02:30:00"},
    {"sat 12:00", kSpringNoon, "2026-03-28T11:00:00Z", "2026-03-28 12:00:00"},
    // Before the change that night, Sunday's 2:30 is still to come: the Sunday before's.
    {"sun 2:30", kSpringNight, "2026-03-22T01:30:00Z", "2026-03-22 02:30:00"},
    // The day the clocks went back: 2:30 came twice, the first is taken, an offset picks either.
    {"2:30", kAutumnNoon, "2026-10-25T00:30:00Z", "2026-10-25 02:30:00"},
    {"2026-10-25T02:30+02:00", kAutumnNoon, "2026-10-25T00:30:00Z", "2026-10-25 02:30:00"},
    {"2026-10-25T02:30+01:00", kAutumnNoon, "2026-10-25T01:30:00Z", "2026-10-25 02:30:00"},
    {"3:00", kAutumnNoon, "2026-10-25T02:00:00Z", "2026-10-25 03:00:00"},
    {"1:59", kAutumnNoon, "2026-10-24T23:59:00Z", "2026-10-25 01:59:00"},
    {"-1h", kAutumnNoon - 9 * 3600, "2026-10-25T01:00:00Z", "2026-10-25 02:00:00"},
};

struct Refused {
  const char* text;
  std::int64_t now;
  const char* reason;  // a part of the refusal
};

const Refused kRefused[] = {
    {"", kTuesday, "empty"},
    // Things that could mean two things.
    {"-15m", kTuesday, "minutes or months"},
    {"15", kTuesday, "a number alone"},
    {"-15", kTuesday, "a number needs a unit"},
    {"15min", kTuesday, "ago or ahead: -15min"},
    {"12/08/2026 9:00", kTuesday, "YYYY-MM-DD"},
    {"20261208T0900", kTuesday, "YYYY-MM-DD"},
    {"9am", kTuesday, "24-hour clock"},
    {"5:30 pm", kTuesday, "24-hour clock"},
    {"yesterday 5:30 PM", kTuesday, "24-hour clock"},
    {"2026-12-08 5:30pm", kTuesday, "24-hour clock"},
    {"9:00Z", kTuesday, "needs a date"},
    {"today 9:00+01:00", kTuesday, "needs a date"},
    // Lengths.
    {"-2d", kTuesday, "units are h, min and s"},
    {"-30min1h", kTuesday, "in the order h, min, s"},
    {"-", kTuesday, "a sign is followed"},
    {"-1.5h", kTuesday, "numbers with units"},
    {"-1h 30min", kTuesday, "without blanks"},
    {"-1234567h", kTuesday, "too large"},
    // A day with no time, and no day at all.
    {"2026-12-08", kTuesday, "needs a time"},
    {"today", kTuesday, "a day needs a time"},
    {"mon", kTuesday, "a day needs a time"},
    {"yesterday 9", kTuesday, "followed by a time"},
    {"2026-12-08 noon", kTuesday, "followed by a time"},
    {"tomorrow 9:00", kTuesday, "no such day"},
    {"noon", kTuesday, "no such time"},
    {"2026-12-08 09:00 CET", kTuesday, "too many words"},
    // Fields out of range and forms cut short.
    {"24:00", kTuesday, "hours run from 0 to 23"},
    {"9:60", kTuesday, "hours run from 0 to 23"},
    {"23:59:60", kTuesday, "hours run from 0 to 23"},
    {"9:5", kTuesday, "minutes are two digits"},
    {"9:000", kTuesday, "minutes are two digits"},
    {"9:00:5", kTuesday, "seconds are two digits"},
    {"9:00:00.5", kTuesday, "followed by \".5\""},
    {"2026-02-29 09:00", kTuesday, "no such day"},
    {"2026-13-01 09:00", kTuesday, "no such day"},
    {"2026-00-10 09:00", kTuesday, "no such day"},
    {"2026-12-00 09:00", kTuesday, "no such day"},
    {"0099-12-31T23:00Z", kTuesday, "years run from 0100 to 9999"},
    {"2026-12-8 09:00", kTuesday, "YYYY-MM-DD"},
    {"2026-12-081 09:00", kTuesday, "YYYY-MM-DD"},
    {"2026-12-08X09:00", kTuesday, "a blank or a T"},
    {"2026-12-08T09:00:00.5", kTuesday, "Z or an offset"},
    {"2026-12-08T09:00+24:00", kTuesday, "Z or an offset"},
    {"2026-12-08T09:00+1", kTuesday, "Z or an offset"},
    {"2026-12-08T09:00:01:00", kTuesday, "Z or an offset"},
    {"2026-12-08T09:00+01:60", kTuesday, "Z or an offset"},
    {"2026-12-08T09:00+x1:00", kTuesday, "Z or an offset"},
    {"2026-12-08T09:00 +01:00", kTuesday, "without a blank"},
    // The hour skipped when the clocks went forward.
    {"2:30", kSpringNoon, "there is no 02:30 on 2026-03-29 here: the clocks went forward from 02:00 to 03:00"},
    {"today 2:00", kSpringNoon, "there is no 02:00 on 2026-03-29"},
    {"2026-03-29 02:30", kTuesday, "the clocks went forward from 02:00 to 03:00"},
};

class TimeExpressionTest : public ::testing::Test {
 protected:
  test::BerlinTime zone_;
};

// The reading never follows the C library's locale (Turkish lowers "I" to a dotless i).
TEST_F(TimeExpressionTest, ReadsTheFormsAndRefusesTheRestInEveryLocale) {
  const std::string before = std::setlocale(LC_ALL, nullptr);
  int locales = 0;
  for (const char* locale : {"C", "de_DE.UTF-8", "tr_TR.UTF-8"}) {
    if (std::setlocale(LC_ALL, locale) == nullptr) {
      std::printf("[ SKIPPED  ] the locale %s is not installed here\n", locale);
      continue;
    }
    ++locales;
    for (const Accepted& a : kAccepted) {
      const TypedMoment m = ReadTypedMoment(a.text, a.now);
      ASSERT_TRUE(m.read) << locale << " \"" << a.text << "\": " << m.refusal;
      EXPECT_EQ(Utc(m.instant), a.utc) << locale << " \"" << a.text << "\"";
      EXPECT_EQ(Local(m.local), a.local) << locale << " \"" << a.text << "\"";
      EXPECT_EQ(m.refusal, "");
    }
    for (const Refused& r : kRefused) {
      const TypedMoment m = ReadTypedMoment(r.text, r.now);
      ASSERT_FALSE(m.read) << locale << " \"" << r.text << "\" read as " << Utc(m.instant);
      // The reason, before the accepted forms that end most refusals.
      const std::string reason = m.refusal.substr(0, m.refusal.find(std::string("; ") + kTypedMomentForms));
      EXPECT_NE(reason.find(r.reason), std::string::npos) << locale << " \"" << r.text << "\": " << m.refusal;
      EXPECT_EQ(m.refusal.find('\n'), std::string::npos);
    }
  }
  std::setlocale(LC_ALL, before.c_str());
  EXPECT_GE(locales, 1);
}

// A text of no form is told the forms; a time that does not exist here is told why, and only that.
TEST_F(TimeExpressionTest, RefusalsSayWhatToWrite) {
  const TypedMoment m = ReadTypedMoment("-15m", kTuesday);
  EXPECT_EQ(m.refusal.rfind("\"-15m\" is not a time: \"m\" could mean minutes or months: write min for minutes; times are: now;", 0), 0u)
      << m.refusal;
  for (const char* form : {"yesterday HH:MM", "monday 9:00", "YYYY-MM-DDTHH:MM[:SS]", "+HH:MM", "-1h30min", "-90s"})
    EXPECT_NE(m.refusal.find(form), std::string::npos) << form;
  const TypedMoment skipped = ReadTypedMoment("2:30", kSpringNoon);
  EXPECT_EQ(skipped.refusal, "\"2:30\": there is no 02:30 on 2026-03-29 here: the clocks went forward from 02:00 to 03:00");
  // Quoted on one line, however long or odd the text: whole up to 40 characters.
  EXPECT_EQ(ReadTypedMoment(std::string(40, 'x'), kTuesday).refusal.rfind("\"" + std::string(40, 'x') + "\" is not", 0), 0u);
  const std::string odd = ReadTypedMoment("9:00\nrm -rf " + std::string(100, 'x'), kTuesday).refusal;
  EXPECT_EQ(odd.rfind("\"9:00?rm -rf " + std::string(25, 'x') + "...\" is not a time: ", 0), 0u) << odd;
}

// A doubled hour's first is taken and the note says how to write the second; other moments have no note.
TEST_F(TimeExpressionTest, ADoubledHourIsReadAsTheFirstAndSaysSo) {
  EXPECT_EQ(ReadTypedMoment("2:30", kAutumnNoon).note,
            "02:30 came twice on 2026-10-25 (the clocks went back): the first, 2026-10-25T02:30+02:00, is taken; "
            "write 2026-10-25T02:30+01:00 for the second");
  EXPECT_NE(ReadTypedMoment("sun 2:00", kAutumnNoon).note, "");
  for (const char* exact : {"2:59:59", "2026-10-25 02:00"}) EXPECT_NE(ReadTypedMoment(exact, kAutumnNoon).note, "") << exact;
  for (const char* single : {"1:59:59", "3:00", "2026-10-25T02:30+01:00", "-10h", "yesterday 2:30", "2:30"})
    EXPECT_EQ(ReadTypedMoment(single, single == std::string("2:30") ? kTuesday : kAutumnNoon).note, "") << single;
}

// What mends the record names the past: now itself is allowed, a second later is not.
TEST_F(TimeExpressionTest, ThePastAloneWhereThePastIsAsked) {
  for (const char* past : {"now", "-0s", "10:15:30", "tue 10:15:30", "-1h", "yesterday 23:00", "2026-12-08T09:15:30Z"})
    EXPECT_TRUE(ReadPastMoment(past, kTuesday).read) << past;
  EXPECT_EQ(ReadPastMoment("17:30", kTuesday).refusal, "\"17:30\": 2026-12-08 17:30 is still to come");
  EXPECT_EQ(ReadPastMoment("+1s", kTuesday).refusal, "\"+1s\": 2026-12-08 10:15:31 is still to come");
  for (const char* future : {"10:15:31", "2026-12-08T09:15:31Z", "2027-01-01 00:00"})
    EXPECT_FALSE(ReadPastMoment(future, kTuesday).read) << future;
  EXPECT_NE(ReadPastMoment("-15m", kTuesday).refusal.find("minutes or months"), std::string::npos);
}

}  // namespace
}  // namespace tw
