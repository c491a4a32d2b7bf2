// One machine of tools/sync-check.sh on the program's routines; its changes go to $LEDGER (JSON lines).
//   tallywright-sync-driver INI WHO own FOLDER N        N records and a project list in a folder of its own
//   tallywright-sync-driver INI WHO share FOLDER NAME   Preferences: FOLDER shared under NAME, its files moved there
//   tallywright-sync-driver INI WHO join FOLDER NAME    Preferences: into the shared FOLDER under NAME
//   tallywright-sync-driver INI WHO record N            N records
//   tallywright-sync-driver INI WHO look                the look at start-up and every half minute
//   tallywright-sync-driver INI WHO set KEY VALUE       a setting changed by hand
//   tallywright-sync-driver INI WHO run SECONDS SEED [AWAY]   random changes, a look every 2 s;
//       with AWAY it leaves for that folder and comes back twice (moving its files, then not)
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <random>
#include <thread>

#include "desktop/qt_settings.h"
#include "platform/shared_folder.h"
#include "platform/system.h"
#include "preferences/data_preferences.h"
#include "preferences/sharing.h"
#include "projects/project_list.h"
#include "store/record_store.h"
#include "tests/sharing/sharing.h"
#include "tests/support/fakes.h"
#include "viewer/folder_report.h"

namespace {

using namespace tw;

// The system's clock, held still while one change is made, so that the ledger notes its moment.
class HeldClock : public SystemClock {
 public:
  std::int64_t UnixNow() const override { return held ? held : SystemClock::UnixNow(); }
  std::int64_t held = 0;
};

// Answers Preferences' questions as told (the first button otherwise) and tells what it was told.
class Answers : public Dialogs {
 public:
  int MsgBox(const std::string& prompt, int style, const std::string&) override {
    std::cerr << who << ": " << prompt << "\n";
    const int buttons = style & 7;
    return next ? std::exchange(next, 0) : buttons == MsgStyle::YesNoCancel ? MsgResult::Yes : MsgResult::Ok;
  }
  int Choose(const std::string&, const std::string&, const std::vector<std::string>&, int defaultButton, int) override {
    return defaultButton;
  }
  std::string who;
  int next = 0;
};

std::string Json(const std::string& text) {
  std::string out = "\"";
  for (char c : text) out += c == '"' || c == '\\' ? std::string("\\") + c : std::string(1, c);
  return out + "\"";
}

class Machine {
 public:
  Machine(std::string who, std::string ini) : who_(std::move(who)), settings_(QString::fromStdString(ini)) {
    dialogs_.who = who_;
    platform() = Platform{&files_, &settings_, &dialogs_, &system_, &clock_, &format_, nullptr};
  }
  std::string Name() const { return ThisDevice(); }
  void Note(const std::string& fields) {
    std::ofstream(std::getenv("LEDGER"), std::ios::app) << "{\"who\": " << Json(who_) << ", " << fields << "}\n";
  }
  std::string Stamp() { return Json(UtcStamp(clock_.held = clock_.SystemClock::UnixNow())); }

  void Record() {
    const DateTime start = MakeDateTime({2026, 12, 1 + static_cast<int>(random_() % 7)}, static_cast<int>(random_() % 22),
                                        static_cast<int>(random_() % 60), 0);
    const std::string line = JoinRecord("P" + std::to_string(random_() % 5), format_.FormatGeneral(start),
                                        format_.FormatGeneral({start.day, start.seconds + 1800}),
                                        who_ + "#" + std::to_string(random_()));
    AppendRecordLine(files_, ProgramDataFolder(), line);
    Note("\"op\": \"record\", \"line\": " + Json(line));
  }
  // An edit or deletion of a row this machine shows.
  void Change(bool edit) {
    std::vector<DayRow> rows;
    for (int d = 1; d <= 7; ++d)
      FileMissing([&] {
        for (DayRow& row : ReadDataDayReport(MakeDateTime({2026, 12, d}, 0, 0, 0)).rows) rows.push_back(std::move(row));
      });
    if (rows.empty()) return;
    const DayRow& row = rows[random_() % rows.size()];
    const RecordFields f = row.fields();
    std::optional<std::string> replacement;
    if (edit) {
      const DateTime start = MakeDateTime({2026, 12, 1 + static_cast<int>(random_() % 7)}, 23, 0, 0);
      replacement = JoinRecord(f.project, format_.FormatGeneral(start), format_.FormatGeneral({start.day, start.seconds + 900}),
                               std::string(f.comment) + " ~" + who_);
    }
    const std::string stamp = Stamp();
    const bool shared = ProgramDataFolder().shared;
    if (ChangeRecord(files_, ProgramDataFolder(), RefOf(row), replacement, clock_.held))
      Note("\"op\": \"change\", \"by\": " + Json(Name()) + ", \"stamp\": " + (shared ? stamp : "\"\"") +
           ", \"seq\": " + std::to_string(++seq_) + ", \"id\": " + Json(std::string(f.comment.substr(0, f.comment.find(' ')))) +
           ", \"line\": " + (replacement ? Json(*replacement) : "null"));
    clock_.held = 0;
  }
  // A name added to the project list, or one of its names removed, as the list editor saves it.
  void ChangeList() {
    if (!Setup::ReadProjectList(main_)) main_.ClearProjects();
    std::vector<std::string> names = ProjectEntries(main_);
    while (!names.empty() && names.back().empty()) names.pop_back();
    std::string name = "N" + std::to_string(random_() % 40);
    const auto at = std::find(names.begin(), names.end(), name);
    const bool add = at == names.end();
    add ? names.push_back(name) : (void)names.erase(at);
    main_.ClearProjects();
    main_.AddProjects(names);
    const std::string stamp = Stamp();
    Setup::WriteProjectList(main_);
    if (ProgramDataFolder().shared) NoteList(add, name, stamp);
    clock_.held = 0;
  }
  void NoteList(bool add, const std::string& name, const std::string& stamp) {
    Note("\"op\": \"list\", \"by\": " + Json(Name()) + ", \"stamp\": " + stamp + ", \"seq\": " + std::to_string(++seq_) +
         ", \"sign\": \"" + (add ? "+" : "-") + "\", \"name\": " + Json(name));
  }
  void Look() { CheckSharedFolder(main_); }
  // Preferences' OK with a data folder (and the answer to its question).
  bool Choose(const std::string& folder, bool shared, const std::string& name, int answer = 0) {
    dialogs_.next = answer;
    return SaveDataChoice(main_, {folder, shared, name}) == -1;
  }
  // The first look in the folder the setting names: the names a list of its own brings in are noted.
  void JoinBySetting() {
    const std::string last = settings_.GetSetting(kProductName, kSettingsSection, kLastDataFolderKey, "");
    std::string theirs, ours;
    FileMissing([&] { theirs = files_.ReadAll(JoinPath(system_.DataFolder(), kProjectListFile)); });
    FileMissing([&] { ours = files_.ReadAll(JoinPath(last, kProjectListFile)); });
    const std::string stamp = Stamp();
    Look();
    for (const std::string& name : SplitLines(ours))
      if (!name.empty() && theirs.find("\r\n" + name + "\r\n") == std::string::npos) NoteList(true, name, stamp);
    clock_.held = 0;
  }
  void Run(int seconds, const std::string& away) {
    const std::string shared = system_.DataFolder(), name = Name();
    if (!away.empty()) JoinBySetting();
    const auto begin = std::chrono::steady_clock::now();
    auto lastLook = begin;
    int leg = 0;
    for (;;) {
      const auto now = std::chrono::steady_clock::now();
      const double part = std::chrono::duration<double>(now - begin).count() / seconds;
      if (part >= 1) break;
      // Away from 1/5 to 2/5 and from 3/5 to 4/5 of the run; back with its files, then without.
      if (!away.empty() && leg < 4 && part >= 0.2 * (leg + 1)) {
        const bool went = leg % 2 == 0 ? Choose(away, false, name) : Choose(shared, true, name, leg == 1 ? MsgResult::Yes : MsgResult::No);
        std::cerr << who_ << ": " << (leg % 2 == 0 ? "left for " : "came back to ") << system_.DataFolder()
                  << (went ? "" : " FAILED") << "\n";
        ++leg;
      }
      if (now - lastLook > std::chrono::seconds(2)) Look(), lastLook = now;
      std::this_thread::sleep_for(std::chrono::milliseconds(50 + random_() % 400));
      const unsigned what = random_() % 20;
      if (what < 12) Record();
      else if (what < 18) Change(what < 16);
      else if (ProgramDataFolder().shared) ChangeList();
    }
    Look();
  }
  void Seed(unsigned seed) { random_.seed(seed); }
  Files files_;
  HeldClock clock_;

 private:
  std::string who_;
  QtSettings settings_;
  Answers dialogs_;
  PosixSystem system_;
  DateFormat format_ = test::UsFormat();
  test::FakeMainView main_;
  std::mt19937 random_{std::random_device{}()};
  int seq_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> a(argv + 1, argv + argc);
  if (a.size() < 3 || !std::getenv("LEDGER")) {
    std::fprintf(stderr, "usage: LEDGER=FILE tallywright-sync-driver INI WHO own|share|join|record|look|run ...\n");
    return 2;
  }
  Machine m(a[1], a[0]);
  const auto arg = [&](size_t i) { return i < a.size() ? a[i] : std::string(); };
  try {
    if (a[2] == "own") {
      platform().settings->SaveSetting(kProductName, kSettingsSection, kDataFolderKey, a[3]);
      for (int i = std::stoi(a[4]); i > 0; --i) m.Record();
      m.files_.Replace(JoinPath(a[3], kProjectListFile), JoinPath(a[3], "list.tmp"),
                       ListText({"", "Alpha", a[1] + "-only", "Reise"}));
      m.Look();  // a run there: the folder it last kept its files in
    } else if (a[2] == "share" || a[2] == "join") {
      return m.Choose(a[3], true, a[4]) ? 0 : 1;
    } else if (a[2] == "record") {
      for (int i = std::stoi(a[3]); i > 0; --i) m.Record();
    } else if (a[2] == "look") {
      m.Look();
    } else if (a[2] == "set") {
      platform().settings->SaveSetting(kProductName, kSettingsSection, a[3], arg(4));
    } else if (a[2] == "run") {
      m.Seed(std::stoul(a[4]));
      m.Run(std::stoi(a[3]), arg(5));
    } else {
      return 2;
    }
  } catch (const RunError& e) {
    std::fprintf(stderr, "tallywright-sync-driver: %s\n", e.description().c_str());
    return 1;
  }
  return 0;
}
