// Undo and redo give the report's bytes back; in a shared folder by amendments only.
#include <gtest/gtest.h>

#include <random>

#include "platform/lines.h"
#include "platform/shared_folder.h"
#include "report/amendment.h"
#include "report/record.h"
#include "report/report_files.h"
#include "store/changes.h"
#include "tests/sharing/sharing.h"

namespace tw {
namespace {

constexpr const char* kNone = "<none>";

class HistoryTest : public test::PlatformTest {
 protected:
  std::string Line(int day, int hour, const std::string& project, const std::string& comment = "") const {
    return RecordLine(project, format.FormatGeneral(MakeDateTime({2026, 12, day}, hour, 0, 0)),
                      format.FormatGeneral(MakeDateTime({2026, 12, day}, hour, 45, 0)), comment);
  }
  Changes Make(const std::string& origin = kFromWindow) {
    return Changes(files, DataFolder::At(folder.path()), origin, ++now);
  }
  std::string Report() const { return folder.Exists(kReportFile) ? folder.Read(kReportFile) : kNone; }
  // The records of this machine's report, where they stand.
  std::vector<SourceLine> Records() const {
    std::vector<SourceLine> found;
    if (!folder.Exists(kReportFile)) return found;
    Files::Reader reader = files.OpenRead(folder.File(kReportFile));
    LineReader lines(reader);
    for (std::string_view line; lines.Next(line);)
      if (SplitRecord(line)) found.push_back({lines.offset(), std::string(line)});
    return found;
  }
  // An import as the import writes one: its block after the report's last byte, one step.
  void Import(const std::string& block) {
    const Files::Lock lock = files.LockFor(folder.File(kReportFile));
    const std::uint64_t at = files.SizeOf(folder.File(kReportFile));
    const bool made = !folder.Exists(kReportFile);
    files.Append(folder.File(kReportFile), block);
    Make().Appended(StepKind::Import, at, files.SizeOf(folder.File(kReportFile)) - at, "of a file", made);
  }
  std::int64_t now = 1796677283;
};

// Random changes, undos and redos against a model: each gives back the bytes of its state.
TEST_F(HistoryTest, UndoAndRedoGiveTheBytesBackInAnyOrder) {
  for (unsigned seed = 1; seed <= 6; ++seed) {
    std::mt19937 random(seed);
    std::string start;
    for (int i = 0; i < 8; ++i) start += Line(1 + i, 9, "P" + std::to_string(i % 3), "n, " + std::to_string(i)) + "\r\n";
    folder.Write(kReportFile, start);
    folder.Write(kBackupFile, Line(1, 8, "From the backup") + "\r\n");
    std::remove(folder.File(kHistoryFile).c_str());
    std::vector<std::string> done{start}, undone;
    for (int action = 0; action < 40; ++action) {
      const unsigned what = random() % 9;
      const std::vector<SourceLine> records = Records();
      bool changed = true;
      if (what == 0 && !records.empty()) {
        const SourceLine& r = records[random() % records.size()];
        ASSERT_TRUE(Make().Change({kReportFile, r.offset, r.text, ""}, Line(20, static_cast<int>(random() % 20), "Edited")));
      } else if (what == 1 && !records.empty()) {
        const SourceLine& r = records[random() % records.size()];
        ASSERT_TRUE(Make().Change({kReportFile, r.offset, r.text, ""}, std::nullopt));
      } else if (what == 2) {
        Make(kFromCommandLine).Add(Line(21, static_cast<int>(random() % 20), "Added", "by hand"));
      } else if (what == 3) {
        Import(Line(22, 9, "Imported", "a") + "\r\n" + Line(22, 11, "Imported", "b") + "\r\n");
      } else if (what == 4 && folder.Exists(kReportFile)) {
        ASSERT_TRUE(Make().Clear());
      } else if (what == 5) {
        ASSERT_TRUE(Make().Restore());
      } else if (what <= 7 && done.size() > 1) {
        const Changes::Outcome undo = Make().Undo();
        ASSERT_TRUE(undo.done) << undo.refusal;
        undone.push_back(done.back());
        done.pop_back();
        ASSERT_EQ(Report(), done.back()) << seed << " " << action << " undo " << undo.what;
        continue;
      } else if (what == 8 && !undone.empty()) {
        const Changes::Outcome redo = Make().Redo();
        ASSERT_TRUE(redo.done) << redo.refusal;
        done.push_back(undone.back());
        undone.pop_back();
        ASSERT_EQ(Report(), done.back()) << seed << " " << action << " redo " << redo.what;
        continue;
      } else {
        changed = false;
      }
      if (!changed) continue;
      done.push_back(Report());
      undone.clear();
      EXPECT_FALSE(Make().Redo().done);  // a new change leaves nothing to redo
    }
    // Everything undone gives the report it began with; a history read anew after a restart agrees.
    while (done.size() > 1) {
      ASSERT_TRUE(Make().Undo().done);
      done.pop_back();
    }
    EXPECT_EQ(Report(), start);
    const Changes::Outcome nothing = Make().Undo(true);
    EXPECT_FALSE(nothing.done);
    EXPECT_EQ(nothing.refusal, "there is nothing to undo");
  }
}

// Four undos give the bytes before them, keeping a stretch recorded between; four redos return.
TEST_F(HistoryTest, FourUndosKeepAStretchRecordedBetween) {
  std::string start;
  for (int i = 0; i < 5; ++i) start += Line(1 + i, 9, "P" + std::to_string(i)) + "\r\n";
  folder.Write(kReportFile, start);
  const std::vector<SourceLine> r = Records();
  ASSERT_TRUE(Make().Change({kReportFile, r[1].offset, r[1].text, ""}, Line(2, 10, "P1", "edited")));
  ASSERT_TRUE(Make().Change({kReportFile, r[3].offset, r[3].text, ""}, std::nullopt));
  Import(Line(9, 9, "Timewarrior", "#call") + "\r\n");
  const std::string beforeClear = Report();
  ASSERT_TRUE(Make().Clear());
  EXPECT_EQ(Report(), kNone);
  const std::string recorded = Line(10, 9, "Recorded", "by End Project");
  AppendRecordLine(files, DataFolder::At(folder.path()), recorded);
  EXPECT_EQ(Make().Undo(true).what, "Clear Report");
  for (int i = 0; i < 4; ++i) ASSERT_TRUE(Make().Undo().done) << i;
  EXPECT_EQ(Report(), start + recorded + "\r\n");
  for (int i = 0; i < 3; ++i) ASSERT_TRUE(Make(kFromCommandLine).Redo().done) << i;
  EXPECT_EQ(Report(), beforeClear + recorded + "\r\n");
  ASSERT_TRUE(Make(kFromCommandLine).Redo().done);
  EXPECT_EQ(Report(), recorded + "\r\n");
  // The history says what each step was and where it came from.
  const HistoryState state = Make().State();
  ASSERT_EQ(state.steps.size(), 4u);
  EXPECT_EQ(state.steps[0].what, "the edit of P1 " + std::string(SplitRecord(r[1].text)->start));
  EXPECT_EQ(state.steps[3].origin, kFromWindow);
  EXPECT_EQ(state.done.size(), 4u);
}

// An import larger than the history's blocks comes out and goes back whole.
TEST_F(HistoryTest, ALargeImportIsUndoneAndRedoneWhole) {
  const std::string start = Line(1, 9, "Before") + "\r\n";
  folder.Write(kReportFile, start);
  std::string block;
  for (int i = 0; block.size() < (3u << 20) / 2; ++i) block += Line(1 + i % 28, 9 + i % 10, "Imported", std::to_string(i)) + "\r\n";
  Import(block);
  const std::string after = Line(2, 9, "After");
  AppendRecordLine(files, DataFolder::At(folder.path()), after);
  ASSERT_TRUE(Make().Undo().done);
  EXPECT_EQ(Report(), start + after + "\r\n");
  ASSERT_TRUE(Make().Redo().done);
  EXPECT_EQ(Report(), start + block + after + "\r\n");
}

// Moved records are still found; an undo a crash left made is noted, never made twice.
TEST_F(HistoryTest, AnUndoFindsMovedRecordsAndNeverRepeatsItself) {
  folder.Write(kReportFile, "\r\n" + Line(1, 9, "First") + "\r\n");
  const std::string block = Line(3, 9, "Imported") + "\r\n";
  Import(block);
  std::vector<SourceLine> r = Records();
  ASSERT_TRUE(Make().Change({kReportFile, r[0].offset, r[0].text, ""}, Line(1, 9, "First", "edited")));
  ASSERT_TRUE(Make().Undo().done);
  ASSERT_TRUE(Make().Undo().done);  // its record now two bytes earlier
  EXPECT_EQ(Report(), Line(1, 9, "First") + "\r\n");

  // A deletion undone by hand, as a crash after the report's rename would leave it.
  folder.Write(kReportFile, Line(1, 9, "A") + "\r\n" + Line(2, 9, "B") + "\r\n");
  const std::string both = Report();
  r = Records();
  ASSERT_TRUE(Make().Change({kReportFile, r[1].offset, r[1].text, ""}, std::nullopt));
  folder.Write(kReportFile, both);
  ASSERT_TRUE(Make().Undo().done);
  EXPECT_EQ(Report(), both);  // not put back a second time
  ASSERT_TRUE(Make().Redo().done);
  EXPECT_EQ(Report(), Line(1, 9, "A") + "\r\n");
}

// A change the history cannot find as it left it is refused, never made over the newer change.
TEST_F(HistoryTest, AnUndoOverANewerChangeIsRefused) {
  folder.Write(kReportFile, Line(1, 9, "A") + "\r\n" + Line(2, 9, "B") + "\r\n");
  std::vector<SourceLine> r = Records();
  ASSERT_TRUE(Make().Change({kReportFile, r[0].offset, r[0].text, ""}, Line(1, 9, "A", "mine")));
  // Another copy of the program (or a person with an editor) changes the line again.
  const std::string theirs = Line(1, 9, "A", "theirs") + "\r\n" + Line(2, 9, "B") + "\r\n";
  folder.Write(kReportFile, theirs);
  const Changes::Outcome undo = Make().Undo();
  EXPECT_FALSE(undo.done);
  EXPECT_NE(undo.refusal.find("changed since"), std::string::npos) << undo.refusal;
  EXPECT_EQ(Report(), theirs);
}

// An undo is an amendment in this machine's report; one over a later amendment is refused.
TEST_F(HistoryTest, SharedFolderUndoesByAmendments) {
  settings.values[kDeviceNameKey] = "desk";
  test::MakeShared(folder.path(), "desk");
  const std::string l1 = Line(3, 9, "L1"), l2 = Line(3, 11, "L2");
  test::AppendLine(folder.path(), "laptop", l1);
  const std::uint64_t at2 = test::AppendLine(folder.path(), "laptop", l2);
  const std::string laptop = folder.Read("projrpt.laptop.pro");
  const auto shown = [&] { return test::DayRows(folder.path(), MakeDateTime({2026, 12, 3}, 0, 0, 0), format); };
  const std::vector<std::string> original = shown();
  ASSERT_TRUE(Make().Change({"projrpt.laptop.pro", 0, l1, ""}, Line(3, 9, "L1", "edited")));
  ASSERT_TRUE(Make().Change({"projrpt.laptop.pro", at2, l2, ""}, std::nullopt));
  EXPECT_EQ(shown().size(), 1u);
  ASSERT_TRUE(Make().Undo().done);
  ASSERT_TRUE(Make().Undo().done);
  EXPECT_EQ(shown()[0], "laptop|" + l1 + "|desk");  // shown as it was, by desk's amendment
  EXPECT_EQ(shown()[1], "laptop|" + l2 + "|desk");
  EXPECT_EQ(original[1], "laptop|" + l2 + "|");
  ASSERT_TRUE(Make().Redo().done);
  EXPECT_EQ(shown()[0], "laptop|" + Line(3, 9, "L1", "edited") + "|desk");
  EXPECT_EQ(folder.Read("projrpt.laptop.pro"), laptop);
  // The laptop's later edit arrives: desk's undo would undo it, and is refused.
  test::Amend(folder.path(), "laptop", "laptop", 0, l1, Line(3, 9, "L1", "laptop's"), UtcStamp(now + 100));
  const Changes::Outcome refused = Make().Undo();
  EXPECT_FALSE(refused.done);
  EXPECT_EQ(shown()[0], "laptop|" + Line(3, 9, "L1", "laptop's") + "|laptop");
  // Every step of desk's history is in desk's own files.
  EXPECT_TRUE(folder.Exists("projrpt.desk.hst"));
  EXPECT_FALSE(folder.Exists(kHistoryFile));
}

// The history is bounded by days: older steps, and the bytes they put aside, go.
TEST_F(HistoryTest, PruningLeavesOutOldStepsAndTheirFiles) {
  folder.Write(kReportFile, Line(1, 9, "A") + "\r\n");
  ASSERT_TRUE(Make().Clear());
  const HistoryStep cleared = Make().State().steps.at(0);
  ASSERT_TRUE(folder.Exists(cleared.aside));
  now += 30 * 86400;
  Make().Add(Line(2, 9, "B"));
  History(files, DataFolder::At(folder.path())).Prune(now, 10);
  const HistoryState state = Make().State();
  ASSERT_EQ(state.steps.size(), 1u);
  EXPECT_EQ(state.steps[0].kind, StepKind::Add);
  EXPECT_FALSE(folder.Exists(cleared.aside));
  EXPECT_EQ(Make().Undo().what, "the stretch added, B " + std::string(SplitRecord(Line(2, 9, "B"))->start));
  EXPECT_FALSE(Make().Undo().done);
}

// The file's lines read back as written; lines cut short or made up are passed over.
TEST(HistoryFileTest, StepsReadBackAndDamageIsPassedOver) {
  HistoryStep step;
  step.number = 3, step.stamp = "2026-12-08T10:00:00Z", step.origin = "command line", step.file = "projrpt.desk.pro";
  step.record = step.before = "A,1,2,x, y\t100%", step.offset = 42, step.after = "A,1,2,z\r\n";
  step.what = "the edit of A 1";
  const std::string line = StepLine(step);
  EXPECT_EQ(line.find(','), std::string::npos);
  const HistoryState state = ParseHistory("Tallywright history\r\n" + line + "\r\nundo\t3\t2026-12-08T10:01:00Z\twindow\r\n" +
                                          line.substr(0, line.size() - 3) + "\r\nredo\t9\tx\ty\r\n");
  ASSERT_EQ(state.steps.size(), 1u);
  EXPECT_EQ(state.steps[0], step);
  EXPECT_TRUE(state.done.empty());
  EXPECT_EQ(state.undone, std::vector<std::uint64_t>{3});
}

}  // namespace
}  // namespace tw
