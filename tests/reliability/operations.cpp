#include "tests/reliability/operations.h"

#include "dates/local_time.h"
#include "import/import_write.h"
#include "projects/project_list.h"
#include "store/record_store.h"
#include "tracking/write_record.h"
#include "store/backup.h"
#include "store/changes.h"
#include "platform/lines.h"
#include "viewer/report_menu.h"
#include "report/rewrite.h"
#include "tracking/running.h"
#include "tracking/stretch.h"

namespace tw::test {
namespace {

std::string Lines(int count, const char* comment) {
  std::string text;
  for (int i = 0; i < count; ++i)
    text += "P" + std::to_string(i) + ",1/5/2026 9:00:00 AM,1/5/2026 9:30:00 AM," + comment + "\r\n";
  return text;
}

// Whether a developer-mode failure box was shown since `from`.
bool Reported(const FakeDialogs& dialogs, size_t from) {
  for (size_t i = from; i < dialogs.shown.size(); ++i)
    if (dialogs.shown[i].title.rfind("Design-Time Error", 0) == 0) return true;
  return false;
}

// Runs a routine that reports its failures to the handler (or throws them to its caller).
bool Guarded(const FakeDialogs& dialogs, const std::function<void()>& routine) {
  const size_t from = dialogs.shown.size();
  try {
    routine();
  } catch (const RunError&) {
    return false;
  }
  return !Reported(dialogs, from);
}

}  // namespace

std::string Content(const TempFolder& folder, const std::string& name) {
  return folder.Exists(name) ? folder.Read(name) : std::string(kMissing);
}

std::vector<Operation> FileOperations(const TempFolder& folder, FakeMainView& form,
                                      FakeDialogs& dialogs, int lines) {
  const std::string report = Lines(lines / 2, "first half") + "\r\n" + Lines(lines / 2, "second, half");
  // The same report without its empty line, as every rewrite leaves it.
  const std::string rewritten = Lines(lines / 2, "first half") + Lines(lines / 2, "second, half");
  const std::string firstLine = "P0,1/5/2026 9:00:00 AM,1/5/2026 9:30:00 AM,first half";
  const std::string afterFirst = rewritten.substr(firstLine.size() + 2);
  const std::string backup = Lines(3, "from the last exit");
  const std::string appended = "Beta,12/7/2026 9:00 PM,12/7/2026 9:01:23 PM,late\r\n";
  auto reportOnly = [&folder, report, backup] {
    folder.Write("projrpt.pro", report);
    folder.Write("projrpt.bak", backup);
  };
  auto rewrite = [&folder](std::optional<std::string> replacement) {
    SourceLine line;
    line.text = "P0,1/5/2026 9:00:00 AM,1/5/2026 9:30:00 AM,first half";
    return RewriteReportLine(*platform().files, folder.path(), line, replacement);
  };

  std::vector<Operation> ops;
  ops.push_back({"append", "projrpt.pro", "Setup/WriteRecord", "A,1/1/2026,1/2/2026,\r\nhalf a line",
                 "A,1/1/2026,1/2/2026,\r\nhalf a line\r\n" + appended,
                 [&folder] { folder.Write("projrpt.pro", "A,1/1/2026,1/2/2026,\r\nhalf a line"); },
                 [&form] {
                   form.SetProjectText("Beta");
                   form.SetComments("late");
                   return Setup::WriteRecord(form, "12/7/2026 9:00 PM", "12/7/2026 9:01:23 PM");
                 }});
  ops.push_back({"update", "projrpt.pro", "", report,
                 "P0,1/5/2026 9:00:00 AM,1/5/2026 9:30:00 AM,corrected, twice\r\n" + afterFirst,
                 reportOnly, [&dialogs, rewrite] {
                   bool changed = false;
                   return Guarded(dialogs, [&] {
                     changed = rewrite("P0,1/5/2026 9:00:00 AM,1/5/2026 9:30:00 AM,corrected, twice");
                   }) && changed;
                 }});
  ops.push_back({"project list", "project.lst", "Setup/WriteProjectList", "Old\r\nList\r\n\r\n", "Alpha\r\nBeta\r\n\r\n",
                 [&folder, &form] {
                   folder.Write("project.lst", "Old\r\nList\r\n\r\n");
                   form.ClearProjects(), form.AddProjects({"Alpha", "Beta"});
                 },
                 [&dialogs, &form] {
                   form.ClearProjects(), form.AddProjects({"Alpha", "Beta"});
                   return Guarded(dialogs, [&] { Setup::WriteProjectList(form); });
                 }});
  ops.push_back({"backup", "projrpt.bak", "", backup, report, reportOnly, [&dialogs, &folder] {
                   return Guarded(dialogs, [&] { BackupReport(*platform().files, folder.path()); });
                 }});
  ops.push_back({"restore", "projrpt.pro", "frmMain/RestoreReport", report, backup, reportOnly, [&dialogs] {
                   dialogs.answers = {MsgResult::Yes};
                   return Guarded(dialogs, RestoreReport);
                 }});
  ops.push_back({"clear", "projrpt.pro", "Main/ClearReport", report, kMissing, reportOnly, [&dialogs] {
                   dialogs.answers = {MsgResult::Ok};
                   return Guarded(dialogs, ClearReport);
                 }});
  // An import lands whole after the report's last byte, or not at all.
  ops.push_back({"import", "projrpt.pro", "", report,
                 report + "Imported,12/7/2026 9:00:00 AM,12/7/2026 10:00:00 AM,from, elsewhere\r\n", reportOnly,
                 [&dialogs, &folder] {
                   return Guarded(dialogs, [&] {
                     ImportRead read;
                     const std::int64_t start = InstantOfLocal(MakeDateTime({2026, 12, 7}, 9, 0, 0));
                     read.stretches = {{"Imported", start, start + 3600, "from, elsewhere"}};
                     const DateFormat form = UsFormat();
                     WriteImport(*platform().files, folder.path(), ReadStretches(read), form, LocaleData{}, false, 0);
                   });
                 }});
  // Undo, whole or not at all: a kill between the report and the history leaves the undo made, noted next time.
  const std::string edited = "P0,1/5/2026 9:00:00 AM,1/5/2026 9:30:00 AM,corrected\r\n" + afterFirst;
  auto changes = [&folder] { return Changes(*platform().files, DataFolder::At(folder.path()), kFromWindow, 1796677283); };
  auto undo = [changes] {
    try {
      return changes().Undo().done;
    } catch (const RunError&) {
      return false;
    }
  };
  ops.push_back({"undo of an edit", "projrpt.pro", "", edited, rewritten,
                 [&folder, report, firstLine, changes] {
                   folder.Write("projrpt.pro", report);
                   std::remove(folder.File("projrpt.hst").c_str());
                   changes().Change({"projrpt.pro", 0, firstLine, ""}, "P0,1/5/2026 9:00:00 AM,1/5/2026 9:30:00 AM,corrected");
                 },
                 undo});
  ops.push_back({"undo of Clear Report", "projrpt.pro", "", appended, report + appended,
                 [&folder, report, appended, changes] {
                   folder.Write("projrpt.pro", report);
                   std::remove(folder.File("projrpt.hst").c_str());
                   changes().Clear();
                   folder.Write("projrpt.pro", appended);
                 },
                 undo});
  ops.push_back({"undo of an import", "projrpt.pro", "", report + appended, report,
                 [&folder, report, appended, changes] {
                   folder.Write("projrpt.pro", report + appended);
                   std::remove(folder.File("projrpt.hst").c_str());
                   changes().Appended(StepKind::Import, report.size(), appended.size(), "of a file", false);
                 },
                 undo});
  // The running stretch: saved when it starts; recorded once, however its end was cut short.
  const RunningStretch running{"Beta", "12/7/2026 8:00 PM", "late", "12/7/2026 9:01:23 PM", "", ""};
  // The boxes as they stood before the operation: put there, not typed, so nothing is saved yet.
  auto runningForm = [&form] {
    const bool owns = std::exchange(platform().ownsDataFolder, false);
    form.SetProjectIndex(-1);
    form.SetProjectText("Beta");
    form.SetStartText("12/7/2026 8:00 PM");
    form.SetEndText("");
    form.SetComments("late");
    platform().ownsDataFolder = owns;
  };
  ops.push_back({"start", "projrpt.run", "", kMissing, RunningFileText(running),
                 [&folder, runningForm] { std::remove(folder.File("projrpt.run").c_str()), runningForm(); },
                 [&form] { return form.tracker().StartProject(), WaitForRunningFile(); }});
  ops.push_back({"end", "projrpt.pro", "Setup/WriteRecord", "A,1/1/2026,1/2/2026,\r\n",
                 "A,1/1/2026,1/2/2026,\r\nBeta,12/7/2026 8:00 PM,12/7/2026 9:01:23 PM,late\r\n",
                 [&folder, runningForm, running] {
                   folder.Write("projrpt.pro", "A,1/1/2026,1/2/2026,\r\n");
                   folder.Write("projrpt.run", RunningFileText(running));
                   runningForm();
                 },
                 [&dialogs, &form] { return Guarded(dialogs, [&] { form.tracker().EndProject(); }) && dialogs.shown.empty(); },
                 [&dialogs, &folder] {
                   FakeMainView fresh;
                   dialogs.answers = {1};
                   fresh.tracker().OfferSaved(), WaitForRunningFile();
                   EXPECT_FALSE(folder.Exists("projrpt.run"));
                 }});
  return ops;
}

}  // namespace tw::test
