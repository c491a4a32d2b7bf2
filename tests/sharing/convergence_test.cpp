// Three machines record and amend at random while files sync in random, partial copies; they end up alike.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "platform/shared_folder.h"
#include "report/report_files.h"
#include "summaries/summary.h"
#include "tests/sharing/sharing.h"
#include "viewer/folder_report.h"

namespace tw {
namespace {

namespace fs = std::filesystem;

struct Machine {
  std::string device;
  test::TempFolder folder;
};

class ConvergenceTest : public test::PlatformTest {
 protected:
  // What machine m shows: every row of the days, and the period's summary.
  std::vector<std::string> View(const Machine& m) {
    settings.values[kDeviceNameKey] = m.device;
    std::vector<std::string> view;
    for (int d = 1; d <= kDays; ++d)
      for (const std::string& row : test::DayRows(m.folder.path(), Day(d), format)) view.push_back(row);
    Summary s;
    FileMissing([&] {
      s = ReadFolderSummary(files, test::Reports(m.folder.path(), format), Month(), 0,
                            [&](const SummaryEntry& e) { view.push_back(e.device + " " + e.comment); });
    });
    view.push_back(std::to_string(s.stretches) + " " + std::to_string(s.totalSeconds));
    return view;
  }
  static DateTime Day(int d) { return MakeDateTime({2026, 12, d}, 0, 0, 0); }
  static Period Month() { return {DayFromCivil({2026, 12, 1}), DayFromCivil({2026, 12, 31})}; }
  static constexpr int kDays = 5;
};

// Copies `name` to a machine whose copy is shorter (files here only grow), whole or up to a random byte.
void Sync(const Machine& from, const Machine& to, const std::string& name, bool whole, std::mt19937& random) {
  const std::string source = from.folder.Read(name), target = to.folder.Read(name);
  if (!from.folder.Exists(name) || source.size() <= target.size()) return;
  ASSERT_EQ(source.compare(0, target.size(), target), 0) << name;
  const size_t size = whole ? source.size() : target.size() + 1 + random() % (source.size() - target.size());
  to.folder.Write(name, source.substr(0, size));
}

TEST_F(ConvergenceTest, ThreeMachinesShowTheSameReportOnceEverythingHasArrived) {
  std::mt19937 random(11);
  Machine machines[3] = {{"desk", {}}, {"laptop", {}}, {"home", {}}};
  // desk had a report of its own before it shared its folder.
  machines[0].folder.Write(kReportFile, JoinRecord("Old", "12/1/2026 8:00:00 AM", "12/1/2026 9:00:00 AM", "before") +
                                            "\r\n" +
                                            JoinRecord("Old", "12/2/2026 8:00:00 AM", "12/2/2026 9:00:00 AM", "") + "\r\n");
  for (Machine& m : machines) test::MakeShared(m.folder.path(), "desk");
  int made = 0;
  for (int step = 0; step < 700; ++step) {
    Machine& m = machines[random() % 3];
    const unsigned what = random() % 10;
    if (what < 3) {
      const DateTime start = MakeDateTime({2026, 12, 1 + static_cast<int>(random() % 4)}, static_cast<int>(random() % 20),
                                          static_cast<int>(random() % 60), 0);
      test::AppendLine(m.folder.path(), m.device,
                       JoinRecord("P" + std::to_string(random() % 3), format.FormatGeneral(start),
                                  format.FormatGeneral({start.day, start.seconds + 3600}), m.device + " " + std::to_string(++made)));
    } else if (what < 5) {
      // An edit or a deletion of a row this machine shows now, on any day.
      settings.values[kDeviceNameKey] = m.device;
      std::vector<DayRow> rows;
      for (int d = 1; d <= kDays; ++d)
        FileMissing([&] {
          for (DayRow& row : ReadFolderDayReport(files, test::Reports(m.folder.path(), format), Day(d)).rows)
            rows.push_back(std::move(row));
        });
      if (rows.empty()) continue;
      const DayRow& row = rows[random() % rows.size()];
      std::optional<std::string> replacement;
      if (random() % 4 != 0) {
        const RecordFields f = row.fields();
        const DateTime start = MakeDateTime({2026, 12, 1 + static_cast<int>(random() % kDays)}, 8, 0, 0);
        replacement = JoinRecord(f.project, format.FormatGeneral(start), format.FormatGeneral({start.day, start.seconds + 600}),
                                 std::string(f.comment) + " edited on " + m.device);
      }
      // Few distinct stamps: machines often amend at the same second.
      test::AppendLine(m.folder.path(), m.device,
                       AmendmentLine({UtcStamp(1796677000 + random() % 4), row.origin->file, row.line.offset,
                                      row.line.text, replacement}));
    } else {
      Machine& to = machines[random() % 3];
      if (&to == &m) continue;
      std::vector<std::string> names;
      for (const auto& entry : fs::directory_iterator(m.folder.path())) names.push_back(entry.path().filename().string());
      Sync(m, to, names[random() % names.size()], random() % 3 != 0, random);
    }
  }
  // Everything arrives everywhere.
  for (int round = 0; round < 2; ++round)
    for (Machine& from : machines)
      for (Machine& to : machines)
        if (&from != &to)
          for (const auto& entry : fs::directory_iterator(from.folder.path()))
            Sync(from, to, entry.path().filename().string(), true, random);

  const std::vector<std::string> view = View(machines[0]);
  for (int k = 1; k < 3; ++k) {
    const std::vector<std::string> other = View(machines[k]);
    EXPECT_EQ(other.size(), view.size());
    for (size_t i = 0; i < std::min(other.size(), view.size()); ++i)
      if (other[i] != view[i]) ADD_FAILURE() << k << " " << i << "\n" << view[i] << "\n" << other[i];
  }

  // Every record made is there once, unless deleted.
  settings.values[kDeviceNameKey] = "desk";
  const test::FolderCheck check =
      test::CheckFolder(test::Reports(machines[0].folder.path(), format), Day(1).day, Day(kDays).day);
  EXPECT_EQ(check.problems, std::vector<std::string>{});
  EXPECT_EQ(check.records, made + 2u);
  EXPECT_GT(made, 100);
  EXPECT_GT(check.deleted, 5u);
}

}  // namespace
}  // namespace tw
