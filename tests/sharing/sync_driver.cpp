// One machine of tools/sync-check.sh, through the program's own routines: it shares a data folder,
// records stretches into it and edits and deletes rows of its report at random (its own and the
// other machines'), while a sync service copies the folder; then it tells what the report holds.
//
//   tallywright-sync-driver share  FOLDER DEVICE
//   tallywright-sync-driver run    FOLDER DEVICE SECONDS SEED   prints "made N edited E deleted D"
//   tallywright-sync-driver report FOLDER DEVICE                prints every row and a check of them
#include <chrono>
#include <cstdio>
#include <iostream>
#include <map>
#include <random>
#include <thread>

#include "platform/shared_folder.h"
#include "store/record_store.h"
#include "report/report_files.h"
#include "summaries/summary.h"
#include "tests/sharing/sharing.h"
#include "viewer/folder_report.h"

namespace {

using namespace tw;

class MapSettings : public Settings {
 public:
  std::string GetSetting(const std::string&, const std::string&, const std::string& key,
                         const std::string& defaultValue) override {
    const auto at = values.find(key);
    return at == values.end() ? defaultValue : at->second;
  }
  void SaveSetting(const std::string&, const std::string&, const std::string& key, const std::string& value) override {
    values[key] = value;
  }
  std::map<std::string, std::string> values;
};

class FolderSystem : public PosixSystem {
 public:
  explicit FolderSystem(std::string folder) : folder_(std::move(folder)) {}
  std::string DataFolder() const override { return folder_; }

 private:
  std::string folder_;
};

constexpr int kDays = 7;
DateTime Day(int d) { return MakeDateTime({2026, 12, d}, 0, 0, 0); }

int Run(const std::string& folder, const std::string& device, int seconds, unsigned seed) {
  const Platform& p = platform();
  std::mt19937 random(seed);
  int made = 0, edited = 0, deleted = 0;
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
  while (std::chrono::steady_clock::now() < end) {
    std::this_thread::sleep_for(std::chrono::milliseconds(50 + random() % 400));
    const unsigned what = random() % 20;
    if (what < 12) {
      const DateTime start = MakeDateTime({2026, 12, 1 + static_cast<int>(random() % kDays)},
                                          static_cast<int>(random() % 22), static_cast<int>(random() % 60), 0);
      AppendRecordLine(*p.files, DataFolder::At(folder),
                   RecordLine("P" + std::to_string(random() % 5), p.dateFormat->FormatGeneral(start),
                              p.dateFormat->FormatGeneral({start.day, start.seconds + 1800}),
                              device + " " + std::to_string(++made) + ", by the driver"));
      continue;
    }
    std::vector<DayRow> rows;
    for (int d = 1; d <= kDays; ++d)
      FileMissing([&] {
        for (DayRow& row : ReadDataDayReport(Day(d)).rows) rows.push_back(std::move(row));
      });
    if (rows.empty()) continue;
    const DayRow& row = rows[random() % rows.size()];
    std::optional<std::string> replacement;
    if (what < 17) {
      const RecordFields f = row.fields();
      const DateTime start = MakeDateTime({2026, 12, 1 + static_cast<int>(random() % kDays)}, 23, 0, 0);
      replacement = JoinRecord(f.project, p.dateFormat->FormatGeneral(start),
                               p.dateFormat->FormatGeneral({start.day, start.seconds + 900}),
                               std::string(f.comment) + " edited on " + device);
    }
    ChangeRecord(*p.files, DataFolder::At(folder), RefOf(row), replacement, p.clock->UnixNow());
    ++(replacement ? edited : deleted);
  }
  std::printf("made %d edited %d deleted %d\n", made, edited, deleted);
  return 0;
}

int Report() {
  const FolderReports reports = DataFolderReports();
  for (int d = 1; d <= kDays; ++d)
    FileMissing([&] {
      for (const DayRow& row : ReadDataDayReport(Day(d)).rows) {
        const RecordFields f = row.fields();
        std::cout << row.origin->device << "|" << JoinRecord(f.project, f.start, f.end, f.comment) << "|"
                  << row.origin->amendedOn << "\n";
      }
    });
  const test::FolderCheck check = test::CheckFolder(reports, Day(1).day, Day(kDays).day);
  for (const std::string& problem : check.problems) std::cout << "PROBLEM " << problem << "\n";
  std::cout << "records " << check.records << " shown " << check.shown << " deleted " << check.deleted
            << " amendments " << check.amendments << "\n";
  return check.problems.empty() ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.size() < 3) {
    std::fprintf(stderr, "usage: tallywright-sync-driver share|run|report FOLDER DEVICE [SECONDS SEED]\n");
    return 2;
  }
  Files files;
  MapSettings settings;
  settings.values[kDeviceNameKey] = args[2];
  FolderSystem system(args[1]);
  SystemClock clock;
  const DateFormat format = test::UsFormat();
  platform() = Platform{&files, &settings, nullptr, &system, &clock, &format, nullptr};
  try {
    if (args[0] == "share") ShareFolder(files, args[1], args[2]);
    else if (args[0] == "run" && args.size() == 5) return Run(args[1], args[2], std::stoi(args[3]), std::stoul(args[4]));
    else if (args[0] == "report") return Report();
    else return 2;
  } catch (const RunError& e) {
    std::fprintf(stderr, "tallywright-sync-driver: %s\n", e.description().c_str());
    return 1;
  }
  return 0;
}
