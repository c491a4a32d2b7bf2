// tallywright-report over periods: a weekly timesheet, CSV and JSON that other programs read back,
// and its errors.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <filesystem>
#include <sstream>

#include "tests/support/fakes.h"
#include "summaries/export.h"
#include "summaries/report_command.h"

namespace tw {
namespace {

// The week of Monday 7 December 2026 (the clock's today), a night into Tuesday, and the Monday after.
const char* const kReport =
    "Alpha,12/7/2026 9:00:00 AM,12/7/2026 10:30:00 AM,layout, then \"proofs\"\r\n"
    "Say \"hi\",12/7/2026 11:00:00 AM,12/7/2026 11:07:30 AM,\xC3\xA9t\xC3\xA9 \xFF\x01\r\n"
    "Alpha,12/8/2026 11:00:00 PM,12/9/2026 1:00:00 AM,night\r\n"
    "Open,12/10/2026 9:00 AM,not yet,\r\n"
    "broken line\r\n"
    "Beta,12/14/2026 9:00 AM,12/14/2026 9:10 AM,next week\r\n";

class SummaryCommandTest : public test::PlatformTest {
 protected:
  SummaryCommandTest() { folder.Write("projrpt.pro", kReport); }
  int Run(std::vector<std::string> args) {
    out.str(""), err.str("");
    return RunReportCommand(args, files, format, clock.now, folder.File("projrpt.pro"), out, err, 1);
  }
  std::ostringstream out, err;
};

TEST_F(SummaryCommandTest, AWeeklyTimesheetPerProjectAndPerDay) {
  ASSERT_EQ(Run({"--week", "--csv"}), 0);
  EXPECT_EQ(out.str(),
            "Project,Duration,Hours,Stretches,Amount,Billable Hours,Not Billable Hours\r\n"
            "Alpha,03:30:00,3.50,2,0.00,3.50,0.00\r\n"
            "\"Say \"\"hi\"\"\",00:07:30,0.13,1,0.00,0.13,0.00\r\n"
            "Open,00:00:00,0.00,1,0.00,0.00,0.00\r\n"
            "Total Time:,03:37:30,3.63,4,0.00,3.63,0.00\r\n");
  EXPECT_EQ(err.str(), "tallywright-report: 1 line of the report file is not a record and was skipped\n");
  ASSERT_EQ(Run({"--from", "2026-12-06", "--to=2026-12-08", "--by", "day", "--round", "15"}), 0);
  EXPECT_EQ(out.str(),
            "Date\tDuration\tHours\tStretches\tAmount\tBillable Hours\tNot Billable Hours\n"
            "2026-12-06\t00:00:00\t0.00\t0\t0.00\t0.00\t0.00\n"
            "2026-12-07\t01:45:00\t1.75\t2\t0.00\t1.75\t0.00\n"
            "2026-12-08\t02:00:00\t2.00\t1\t0.00\t2.00\t0.00\n"
            "Total Time:\t03:45:00\t3.75\t3\t0.00\t3.75\t0.00\n");
  // A period's stretches in the day report's columns; one day stays exactly as the day report.
  ASSERT_EQ(Run({"--week", "2026-12-14", "--by", "entry"}), 0);
  EXPECT_EQ(out.str(), "Project Name\tStart of Project\tEnd of Project\tProject Time\tComments\tAmount\n"
                       "Beta\t12/14/2026 9:00 AM\t12/14/2026 9:10 AM\t00:10:00\tnext week\t0.00\n");
  ASSERT_EQ(Run({"--month", "--by", "project"}), 0);
  EXPECT_NE(out.str().find("Beta\t00:10:00\t0.17\t1\t"), std::string::npos);
  ASSERT_EQ(Run({"--year", "2025"}), 0);
  EXPECT_EQ(out.str(), "Project\tDuration\tHours\tStretches\tAmount\tBillable Hours\tNot Billable Hours\n"
                       "Total Time:\t00:00:00\t0.00\t0\t0.00\t0.00\t0.00\n");
}

TEST_F(SummaryCommandTest, JsonReadsBackWithEveryField) {
  ASSERT_EQ(Run({"--week", "2026-12-09", "--json"}), 0);
  QJsonParseError error;
  const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(out.str()), &error);
  ASSERT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString() << out.str();
  const QJsonObject o = doc.object();
  EXPECT_EQ(o.keys(), (QStringList{"amount", "billableSeconds", "currency", "days", "entries", "from",
                                   "notBillableSeconds", "notBillableValue", "projects", "skippedLines", "tags",
                                   "to", "totalSeconds"}));
  EXPECT_EQ(o["from"].toString(), "2026-12-07");
  EXPECT_EQ(o["to"].toString(), "2026-12-13");
  EXPECT_EQ(o["totalSeconds"].toInteger(), 13050);
  EXPECT_EQ(o["skippedLines"].toInteger(), 1);
  EXPECT_EQ(o["projects"].toArray()[1].toObject()["project"].toString(), "Say \"hi\"");
  EXPECT_EQ(o["days"].toArray().size(), 7);
  EXPECT_EQ(o["days"].toArray()[1].toObject()["stretches"].toInteger(), 1);
  const QJsonArray entries = o["entries"].toArray();
  ASSERT_EQ(entries.size(), 4);
  const QJsonObject second = entries[1].toObject(), open = entries[3].toObject();
  EXPECT_EQ(second["comment"].toString(), QString::fromUtf8("\xC3\xA9t\xC3\xA9 \xEF\xBF\xBD\x01"));
  EXPECT_EQ(entries[2].toObject()["endIso"].toString(), "2026-12-09T01:00:00");
  EXPECT_EQ(open["startIso"].toString(), "2026-12-10T09:00:00");
  EXPECT_TRUE(open["endIso"].isNull());
  EXPECT_TRUE(open["seconds"].isNull());
  EXPECT_EQ(open["end"].toString(), "not yet");
  EXPECT_EQ(JsonString("\"\\\n\x1f"), "\"\\\"\\\\\\u000a\\u001f\"");
}

// A day's report or a period's summary: each error one line on standard error, status 2, no file written.
TEST_F(SummaryCommandTest, ErrorsAreOneLineWithStatusTwo) {
  const std::vector<std::vector<std::string>> bad = {
      {"--date", "2026-02-29"}, {"--date"}, {"--weekly"}, {"extra"}, {"--date", "2026-12-07", "--today"},
      {"--file", folder.path()}, {"--from", "2026-12-09", "--to", "2026-12-01"}, {"--from", "2026-12-01"}, {"--to"},
      {"--week", "2026-02-30"}, {"--month", "2026-13"}, {"--year", "26"}, {"--week", "--month"},
      {"--by", "week", "--week"}, {"--round", "7"}, {"--round", "15x"}, {"--week", "--csv", "--json"}, {"--by"},
      {"--week", "--file", folder.File("none.pro")}, {"--year", "2024", "--year", "2025"}, {"--week", "9999-12-31"},
      {"--week", "--tag"}, {"--week", "--tag", "#"}, {"--week", "--ics", "--invoice"}, {"--balance", "--by", "day"}};
  for (const auto& args : bad) {
    EXPECT_EQ(Run(args), 2) << args[0] << args.size();
    EXPECT_EQ(out.str(), "") << args[0];
    const std::string e = err.str();
    EXPECT_EQ(e.rfind("tallywright-report: ", 0), 0u) << e;
    EXPECT_EQ(e.find('\n'), e.size() - 1) << e;
  }
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), std::filesystem::directory_iterator()), 1);
  EXPECT_EQ(folder.Read("projrpt.pro"), kReport);
  ASSERT_EQ(Run({"--help"}), 0);
  EXPECT_EQ(err.str(), "");
}

}  // namespace
}  // namespace tw
