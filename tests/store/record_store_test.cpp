// The record store: a record's identity, which amendment holds, short ids, readings agreeing.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <map>
#include <random>
#include <thread>

#include "platform/shared_folder.h"
#include "report/amendment.h"
#include "report/report_files.h"
#include "store/day_index.h"
#include "store/day_report.h"
#include "store/record_store.h"
#include "summaries/summary.h"
#include "tests/sharing/sharing.h"

namespace tw {
namespace {

using test::AppendLine;

class RecordStoreTest : public test::PlatformTest {
 protected:
  RecordStoreTest() {
    if (const char* index = std::getenv("TW_DAY_INDEX"))
      KeepDayIndexes(std::string_view(index) == "background" ? IndexMaking::kInTheBackground : IndexMaking::kAtOnce);
    settings.values[kDeviceNameKey] = "desk";
    test::MakeShared(folder.path(), "desk");
  }
  std::string Record(int day, int hour, const std::string& project, const std::string& comment = "") const {
    return JoinRecord(project, format.FormatGeneral(MakeDateTime({2026, 12, day}, hour, 0, 0)),
                      format.FormatGeneral(MakeDateTime({2026, 12, day}, hour + 1, 0, 0)), comment);
  }
  RecordStore Store() const { return RecordStore(files, test::Reports(folder.path(), format)); }
  // What the store shows of a period: "project comment" for each stretch, in order.
  std::vector<std::string> Shown(int first, int last) const {
    std::vector<std::string> shown;
    for (const StoredStretch& s : Store().Stretches({DayFromCivil({2026, 12, first}), DayFromCivil({2026, 12, last})}))
      shown.push_back(std::string(s.fields().project) + " " + std::string(s.fields().comment));
    return shown;
  }
  std::string Report(const std::string& device) const { return folder.Read(DeviceFileName(kReportFile, device)); }
  // A conflict copy merged as the store merges one: the missing line appended.
  void MoveToEnd(const std::string& device, const std::string& line) {
    std::string text = Report(device);
    text.erase(text.find(line + "\r\n"), line.size() + 2);
    folder.Write(DeviceFileName(kReportFile, device), text + line + "\r\n");
  }
};

// An amendment holds when its record's line moves; the newer edit wins whatever the line order.
TEST_F(RecordStoreTest, ARecordIsItsTextWhereverItsLineMoves) {
  const std::string a = Record(7, 9, "A"), b = Record(7, 11, "B"), c = Record(7, 13, "C");
  AppendLine(folder.path(), "desk", a);
  const std::uint64_t atB = AppendLine(folder.path(), "desk", b);
  const std::uint64_t atC = AppendLine(folder.path(), "desk", c);
  test::Amend(folder.path(), "laptop", "desk", atB, b, std::nullopt);
  EXPECT_EQ(Shown(7, 7), (std::vector<std::string>{"A ", "C "}));
  MoveToEnd("desk", b);
  EXPECT_EQ(Shown(7, 7), (std::vector<std::string>{"A ", "C "}));

  // The edit made later by the clock holds, though its line comes first.
  test::Amend(folder.path(), "desk", "desk", atC, c, Record(7, 13, "C", "newer"), "2026-12-07T12:00:00Z");
  test::Amend(folder.path(), "desk", "desk", atC, c, Record(7, 13, "C", "older"), "2026-12-07T11:00:00Z");
  EXPECT_EQ(Shown(7, 7), (std::vector<std::string>{"A ", "C newer"}));
  // Of two machines at the same second, the one whose name sorts last.
  test::Amend(folder.path(), "attic", "desk", atC, c, Record(7, 13, "C", "attic"), "2026-12-07T12:00:00Z");
  test::Amend(folder.path(), "home", "desk", atC, c, Record(7, 13, "C", "home"), "2026-12-07T12:00:00Z");
  EXPECT_EQ(Shown(7, 7), (std::vector<std::string>{"A ", "C home"}));
  // Amended onto the next day and then moved: the days after, read without it, find it where it is.
  test::Amend(folder.path(), "laptop", "desk", 0, a, Record(8, 9, "A", "next day"));
  MoveToEnd("desk", a);
  EXPECT_EQ(Shown(8, 9), (std::vector<std::string>{"A next day"}));
  EXPECT_EQ(Shown(7, 7), (std::vector<std::string>{"C home"}));
}

// Two identical records are two stretches; an amendment names its offset, else the first.
TEST_F(RecordStoreTest, IdenticalRecordsAreTwoStretches) {
  const std::string a = Record(8, 9, "A");
  AppendLine(folder.path(), "desk", a);
  const std::uint64_t second = AppendLine(folder.path(), "desk", a);
  test::Amend(folder.path(), "laptop", "desk", second, a, Record(8, 9, "A", "second"));
  EXPECT_EQ(Shown(8, 8), (std::vector<std::string>{"A ", "A second"}));
  folder.Write(DeviceFileName(kReportFile, "desk"), "\r\n" + a + "\r\n" + a + "\r\n");
  EXPECT_EQ(Shown(8, 8), (std::vector<std::string>{"A second", "A "}));
}

// A short id names a stretch wherever its line moves; Find takes it or a prefix of four.
TEST_F(RecordStoreTest, ShortIdsFindTheirStretch) {
  const std::string a = Record(11, 9, "A"), b = Record(11, 10, "B");
  AppendLine(folder.path(), "desk", a);
  AppendLine(folder.path(), "desk", a);
  const std::uint64_t atB = AppendLine(folder.path(), "laptop", b);
  clock.now = MakeDateTime({2026, 12, 20}, 12, 0, 0);
  std::vector<std::string> ids;
  for (const StoredStretch& s : Store().Stretches({DayFromCivil({2026, 12, 11}), DayFromCivil({2026, 12, 11})}))
    ids.push_back(s.ShortId());
  ASSERT_EQ(ids.size(), 3u);
  for (const std::string& id : ids) {
    EXPECT_EQ(id.size(), 8u);
    EXPECT_EQ(id.find_first_not_of("0123456789abcdefghjkmnpqrstvwxyz"), std::string::npos) << id;
  }
  EXPECT_NE(ids[0], ids[1]);
  // Machines sharing a folder may run two versions of the program: the ids never change.
  EXPECT_EQ(ids, (std::vector<std::string>{"d8zwcgaa", "d8zw4p3k", "d8zs1pfk"}));
  // The same records in another order and place keep their ids.
  MoveToEnd("desk", a);
  AppendLine(folder.path(), "laptop", Record(11, 8, "Before"));
  std::vector<std::string> again;
  for (const StoredStretch& s : Store().Stretches({DayFromCivil({2026, 12, 11}), DayFromCivil({2026, 12, 11})}))
    if (s.fields().project != "Before") again.push_back(s.ShortId());
  EXPECT_EQ(again, ids);

  test::Amend(folder.path(), "desk", "laptop", atB, b, Record(12, 10, "B", "moved on"));
  const auto found = Store().Find(ids[2]);
  ASSERT_TRUE(found);
  EXPECT_EQ(found->fields().comment, "moved on");
  EXPECT_EQ(found->start.day, DayFromCivil({2026, 12, 12}));
  EXPECT_EQ(found->amendedOn, "desk");
  const std::string shout = std::string(1, static_cast<char>(std::toupper(ids[2][0]))) + ids[2].substr(1, 4);
  const auto upper = Store().Find(shout);
  ASSERT_TRUE(upper) << shout << " " << ids[0] << " " << ids[1] << " " << ids[2];
  EXPECT_EQ(upper->id, found->id);
  EXPECT_FALSE(Store().Find(ids[2].substr(0, 3)));
  EXPECT_FALSE(Store().Find("iiiiiiii"));
  EXPECT_FALSE(Store().Find(ids[2].substr(0, 7) + (ids[2][7] == '0' ? "1" : "0")));
  // A stretch typed as before 1970 has an id that finds it too.
  AppendLine(folder.path(), "desk", JoinRecord("Old", "12/31/1969 9:00:00 AM", "12/31/1969 10:00:00 AM", ""));
  const std::int64_t old = DayFromCivil({1969, 12, 31});
  const std::vector<StoredStretch> before = Store().Stretches({old, old});
  ASSERT_EQ(before.size(), 1u);
  const auto oldFound = Store().Find(before[0].ShortId());
  ASSERT_TRUE(oldFound);
  EXPECT_EQ(oldFound->start.day, old);
}

// Day by day, the whole month and the summary agree on a folder of moves, deletions and edits.
TEST_F(RecordStoreTest, EveryReadingOfAPeriodAgrees) {
  std::mt19937 random(5);
  const char* devices[] = {"desk", "laptop", "home"};
  struct Made {
    std::string device, line;
    std::uint64_t at;
  };
  std::vector<Made> made;
  for (int i = 0; i < 300; ++i) {
    const std::string device = devices[random() % 3];
    const std::string line = Record(1 + static_cast<int>(random() % 10), static_cast<int>(random() % 20),
                                    "P" + std::to_string(random() % 4), std::to_string(i));
    made.push_back({device, line, AppendLine(folder.path(), device, line)});
    if (random() % 3 == 0) {
      const Made& m = made[random() % made.size()];
      std::optional<std::string> replacement;
      if (random() % 4 != 0)
        replacement = Record(1 + static_cast<int>(random() % 12), static_cast<int>(random() % 20), "Q", "edited");
      test::Amend(folder.path(), devices[random() % 3], m.device, m.at, m.line, replacement,
                  UtcStamp(1796677000 + random() % 50));
    }
  }
  const Period month{DayFromCivil({2026, 12, 1}), DayFromCivil({2026, 12, 31})};
  std::map<std::int64_t, std::int64_t> byDay;
  std::vector<std::string> days, someDays;  // someDays: the 3rd to the 6th, the others passed over by date
  for (std::int64_t d = month.first; d <= month.last; ++d)
    for (const StoredStretch& s : Store().Stretches({d, d})) {
      byDay[d] += *s.seconds;
      days.push_back(s.ShortId() + " " + s.shown);
      if (d >= month.first + 2 && d <= month.first + 5) someDays.push_back(days.back());
    }
  std::vector<std::string> whole, part;
  for (const StoredStretch& s : Store().Stretches(month)) whole.push_back(s.ShortId() + " " + s.shown);
  for (const StoredStretch& s : Store().Stretches({month.first + 2, month.first + 5})) part.push_back(s.ShortId() + " " + s.shown);
  EXPECT_EQ(whole, days);
  EXPECT_EQ(part, someDays);
  const Summary summary = ReadFolderSummary(files, test::Reports(folder.path(), format), month, 0);
  for (const DayTotal& d : summary.days) EXPECT_EQ(d.seconds, byDay[d.day]) << d.day;
  EXPECT_EQ(static_cast<std::size_t>(summary.stretches), whole.size());
  const test::FolderCheck check = test::CheckFolder(test::Reports(folder.path(), format), month.first, month.last);
  EXPECT_EQ(check.problems, std::vector<std::string>{});
}

// A writer names the record as read: amended where it stands, rewritten where it moved.
TEST_F(RecordStoreTest, ChangesNameTheRecordAsRead) {
  const std::string a = Record(14, 9, "A");
  AppendLine(folder.path(), "laptop", Record(14, 8, "First"));
  AppendLine(folder.path(), "laptop", a);
  const DataFolder shared = DataFolder::At(folder.path());
  ASSERT_TRUE(shared.shared);
  EXPECT_EQ(shared.machine, "desk");
  std::vector<StoredStretch> day = Store().Stretches({DayFromCivil({2026, 12, 14}), DayFromCivil({2026, 12, 14})});
  ASSERT_EQ(day.size(), 2u);
  EXPECT_TRUE(ChangeRecord(files, shared, RefOf(day[1]), Record(14, 9, "A", "edited"), 1796677283));
  const auto amendment = ParseAmendment(Report("desk").substr(0, Report("desk").size() - 2));
  ASSERT_TRUE(amendment);
  EXPECT_EQ(amendment->offset, day[1].offset);
  EXPECT_EQ(amendment->file, "projrpt.laptop.pro");
  EXPECT_EQ(amendment->stamp, "2026-12-07T21:01:23Z");

  test::TempFolder plain;
  plain.Write(kReportFile, "\r\n\r\n" + a + "\r\n");
  const DataFolder one = DataFolder::Plain(plain.path());
  EXPECT_TRUE(ChangeRecord(files, one, RecordRef{kReportFile, 4, a, ""}, Record(14, 9, "A", "x"), 0));
  EXPECT_EQ(plain.Read(kReportFile), Record(14, 9, "A", "x") + "\r\n");
  EXPECT_FALSE(ChangeRecord(files, one, RecordRef{kReportFile, 0, a, ""}, std::nullopt, 0));
  EXPECT_EQ(plain.Read(kReportFile), Record(14, 9, "A", "x") + "\r\n");
}

// A machine that had to take another name took its records along: an amendment made under the old
// name waits while their new report has not arrived, and holds where they are once it has.
TEST_F(RecordStoreTest, AmendmentsFollowRecordsToTheirMachinesNewName) {
  const std::string a = Record(7, 9, "A"), b = Record(7, 11, "B");
  const std::uint64_t atA = AppendLine(folder.path(), "laptop", a);
  AppendLine(folder.path(), "laptop", b);
  test::Amend(folder.path(), "desk", "laptop", atA, a, Record(7, 9, "A", "amended"));
  folder.Write(DeviceFileName(kReportFile, "laptop"), b + "\r\n");  // a taken along to laptop-2
  const auto shown = [&] {
    FolderReports reports = test::Reports(folder.path(), format);
    reports.moved = {{DeviceFileName(kReportFile, "laptop"), DeviceFileName(kReportFile, "laptop-2")}};
    std::vector<std::string> out;
    for (const StoredStretch& s : RecordStore(files, reports).Stretches({DayFromCivil({2026, 12, 7}), DayFromCivil({2026, 12, 7})}))
      out.push_back(std::string(s.fields().project) + " " + std::string(s.fields().comment));
    return out;
  };
  EXPECT_EQ(shown(), (std::vector<std::string>{"B "}));
  AppendLine(folder.path(), "laptop-2", a);
  EXPECT_EQ(shown(), (std::vector<std::string>{"A amended", "B "}));
}

// A day read through the program's index against reading every line, as the report changes under
// the index: lines appended (one that ends a line left without an end), the report changed in place
// at the same size and longer, replaced, and rewritten by the program, which the index follows.
TEST_F(RecordStoreTest, TheIndexOfDaysFollowsEveryChangeOfTheReport) {
  if (!std::getenv("TW_DAY_INDEX")) GTEST_SKIP() << "the runs tests_store_indexed_* run it";
  const std::string path = folder.File("projrpt.pro");
  const auto check = [&](const char* when) {
    for (int day = 1; day <= 5; ++day) {
      const DateTime at = MakeDateTime({2026, 12, day}, 0, 0, 0);
      const DayReport indexed = ReadDayReport(files, path, at, format), plain = ReadDayReportByLines(files, path, at, format);
      ASSERT_EQ(indexed.rows.size(), plain.rows.size()) << when << ", day " << day;
      for (std::size_t i = 0; i < plain.rows.size(); ++i) EXPECT_EQ(indexed.rows[i].line, plain.rows[i].line) << when;
    }
  };
  // Days out of order; LF alone after some lines, blank lines after others, as many bytes each way:
  // the program's rewrite of it moves lines and keeps its size.
  std::string text;
  for (int i = 0; i < 300; ++i)
    text += Record(1 + i * 3 % 5, 9, "P" + std::to_string(i)) + (i % 10 == 3 ? "\n" : i % 20 == 7 ? "\r\n\r\n" : "\r\n");
  folder.Write("projrpt.pro", text);
  check("made");
  const DataFolder one{folder.path()};
  ASSERT_TRUE(RewriteRecordLine(files, one, {0, Record(1, 9, "P0")}, Record(1, 9, "P0", "edited")));
  check("rewritten, its blank lines left out");
  files.Append(path, Record(3, 10, "Appended") + "\r\n");
  check("appended");
  const auto writeAt = [&](int flags, std::uint64_t offset, const std::string& bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | flags);
    ASSERT_EQ(::pwrite(fd, bytes.data(), bytes.size(), static_cast<off_t>(offset)), static_cast<ssize_t>(bytes.size()));
    ::close(fd);
  };
  writeAt(O_APPEND, 0, Record(4, 10, "Unended"));
  check("a line without an end");
  files.Append(path, Record(4, 11, "After") + "\r\n");
  check("its end appended");
  // The file's times are kept to a few milliseconds: a change in place of the same size is told
  // from the append before it by its time.
  std::this_thread::sleep_for(std::chrono::milliseconds(30));
  const std::string moved = Record(2, 9, "P7"), movedTo = Record(4, 9, "P7");
  writeAt(0, folder.Read("projrpt.pro").find(moved), movedTo);
  check("a day changed in place");
  writeAt(O_TRUNC, 0, "\xEF\xBB\xBF" + Record(5, 8, "First") + "\r\n" + folder.Read("projrpt.pro") + Record(2, 8, "Last") + "\r\n");
  check("written again in place, longer, with a byte-order mark");
  folder.Write("projrpt.pro", Record(2, 8, "Only") + "\r\n");
  check("replaced");
  // Lines changed and taken out by the program's own rewrite, which the index follows.
  for (int i = 0; i < 40; ++i) files.Append(path, Record(1 + i * 3 % 5, 10, "R" + std::to_string(i)) + "\r\n");
  check("appended again");
  ASSERT_TRUE(RewriteRecordLine(files, one, {0, Record(2, 8, "Only")}, Record(5, 8, "Moved")));
  check("the first line moved to another day");
  ASSERT_TRUE(RewriteRecordLine(files, one, {0, Record(2, 10, "R7")}, std::nullopt));
  check("a line taken out");
  ASSERT_TRUE(RewriteRecordLine(files, one, {0, Record(3, 10, "R9")}, Record(3, 10, "R9", "a longer comment")));
  check("a line made longer");
  // Changed in place by another program, then by the program before any read: both are seen.
  std::this_thread::sleep_for(std::chrono::milliseconds(30));
  writeAt(0, folder.Read("projrpt.pro").find(Record(1, 10, "R0")), Record(5, 10, "R0"));
  ASSERT_TRUE(RewriteRecordLine(files, one, {0, Record(4, 10, "R1")}, std::nullopt));
  check("changed in place, then rewritten");
}

}  // namespace
}  // namespace tw
