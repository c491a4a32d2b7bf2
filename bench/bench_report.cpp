// Tallywright's benchmark: how long the report's everyday operations take on files of a person who
// tracks for years (and a scripted use of millions of lines), each figure printed beside a plain
// reference measured in the same run on the same file.
//
//   tallywright-bench [--quick] [--control | --import | --timeline] [--folder DIR]
//
// --quick stops at 100,000 records; --control measures tallywright-ctl against the running program
// only (under a session bus: dbus-run-session); --import only the import of a Timewarrior folder;
// --timeline only the Timeline window's rows (bench/bench_timeline.h).
// The table goes to standard output, one figure a row.
#include <fcntl.h>
#include <malloc.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "widgets/app_style.h"
#include "shell/frm_main.h"
#include "state/program_state.h"
#include "bench/bench_money.h"
#include "bench/bench_rows.h"
#include "bench/bench_verbs.h"
#include "bench/report_generator.h"
#include "bench/bench_timeline.h"
#include "platform/files.h"
#include "platform/platform.h"
#include "platform/shared_folder.h"
#include "desktop/qt_dialogs.h"
#include "desktop/qt_settings.h"
#include "desktop/qt_system.h"
#include "projects/project_list.h"
#include "report/amendment.h"
#include "control/mend.h"
#include "store/changes.h"
#include "store/record_store.h"
#include "store/folder_reports.h"
#include "tracking/write_record.h"
#include "platform/lines.h"
#include "report/report_files.h"
#include "report/report_form.h"
#include "report/rewrite.h"
#include "store/day_index.h"
#include "store/day_report.h"
#include "viewer/folder_report.h"
#include "summaries/summary.h"
#include "viewer/frm_report.h"
#include "summaries/frm_summary.h"
#include "import/import_command.h"

namespace {

namespace fs = std::filesystem;
using namespace tw::bench;

// The program folder of the benchmark: every file the routines touch lives there.
class BenchSystem : public tw::QtSystem {
 public:
  explicit BenchSystem(std::string folder) : folder_(std::move(folder)) {}
  std::string ProgramFolder() const override { return folder_; }
  std::string ExeName() const override { return "tallywright-bench"; }

 private:
  std::string folder_;
};

// tallywright-ctl against the running program on a copy of the largest report, beside a bare
// D-Bus round trip to the same program in the same run. Needs a session bus (dbus-run-session).
// A count by grep written to a file: with its output going to /dev/null, grep stops at the first
// line it finds, and counts nothing.
std::string CountInto(const std::string& folder, const std::string& grep) { return grep + " > " + folder + "/count; :"; }

// The running program's index of days: made once, away from the window, by one read of the
// report; then a day costs the read of its own lines.
void IndexRows(const tw::Files& files, const std::string& report, const tw::DateFormat& format, const std::string& records) {
  tw::KeepDayIndexes(tw::IndexMaking::kAtOnce);
  const tw::DateTime day{tw::DayFromCivil({2020, 2, 3}), 0};
  ResetPeak();
  const long before = StatusKiB("VmRSS:");
  // A report changed in place is indexed again: its change time is all that differs here.
  const double made = Median(5, [&] { tw::ReadDayReport(files, report, day, format); }, [&] { Run("touch " + report); });
  const long peak = StatusKiB("VmHWM:");
  const double count = Median(5, [&] { Run("wc -l " + report); });
  Row("index of days made, " + records, made, "s", "wc -l of the report", count, "");
  Row("index of days, peak memory, " + records, (peak - before) / 1024.0, "MiB", "the report's size, MiB",
      static_cast<double>(fs::file_size(report)) / (1 << 20), "");
  const double indexed = Median(7, [&] { tw::ReadDayReport(files, report, day, format); });
  Row("day report by the index, " + records, indexed, "s", "the same made anew", made, "");
}

void ControlRows(const std::string& folder, const std::string& bigReport, const std::string& records) {
  if (std::getenv("DBUS_SESSION_BUS_ADDRESS") == nullptr) {
    std::printf("| %-50s |\n", "tallywright-ctl rows: no session bus (run under dbus-run-session)");
    return;
  }
  const fs::path programs = fs::read_symlink("/proc/self/exe").parent_path().parent_path() / "bin";
  const std::string data = folder + "/ctl-data", config = folder + "/ctl-config";
  fs::create_directories(data);
  fs::create_directories(config + "/Tallywright");
  fs::copy_file(bigReport, data + "/projrpt.pro", fs::copy_options::overwrite_existing);
  tw::Files().Replace(data + "/project.lst", data + "/project.lst.tmp", "Alpha\r\nBeta\r\n\r\n");
  tw::Files().Replace(config + "/Tallywright/Tallywright.ini", config + "/Tallywright/Tallywright.ini.tmp",
                      "[Settings]\nDataFolder=" + data + "\n");
  ::setenv("XDG_CONFIG_HOME", config.c_str(), 1);
  const pid_t program = ::fork();
  if (program == 0) {
    std::freopen("/dev/null", "w", stderr);
    ::execl((programs / "Tallywright").c_str(), "Tallywright", nullptr);
    ::_exit(127);
  }
  const std::string ping =
      "dbus-send --session --print-reply --dest=com.quillfen.Tallywright /com/quillfen/Tallywright "
      "org.freedesktop.DBus.Peer.Ping";
  for (int i = 0; i < 200 && std::system((ping + " >/dev/null 2>&1").c_str()) != 0; ++i) ::usleep(100000);
  const std::string ctl = (programs / "tallywright-ctl").string();
  const auto [status, pinged] = FastestPair(21, [&] { Run(ctl + " status"); }, [&] { Run(ping); });
  Row("tallywright-ctl status, program running", status, "s", "dbus-send Ping", pinged, "<= 1.5x");
  // A start from nothing running, and a switch (the running stretch recorded, the next started).
  double start = 1e9, switched = 1e9, pingedAgain = 1e9;
  for (int i = 0; i < 21; ++i) {
    Run(ctl + " stop");
    start = std::min(start, Median(1, [&] { Run(ctl + " start Alpha"); }));
    switched = std::min(switched, Median(1, [&] { Run(ctl + " start Beta"); }));
    pingedAgain = std::min(pingedAgain, Median(1, [&] { Run(ping); }));
  }
  Row("tallywright-ctl start, " + records, start, "s", "dbus-send Ping", pingedAgain, "<= 2x");
  Row("tallywright-ctl start of another project (switch)", switched, "s", "dbus-send Ping", pingedAgain, "");
  Run(ctl + " stop");
  tw::bench::VerbRows(ctl, ping, 11);
  ::kill(program, SIGTERM);
  ::waitpid(program, nullptr, 0);
  fs::remove_all(data);
  fs::remove_all(config);
}

// Importing a Timewarrior data folder into an empty report, beside `timew export` of the same
// folder; then the same import again, every interval a duplicate.
void ImportRows(const tw::Files& files, const tw::DateFormat& us, const std::string& folder, std::size_t intervals) {
  const std::string timew = folder + "/timew", data = timew + "/data", into = folder + "/imported";
  fs::create_directories(data);
  fs::create_directories(into);
  // Five minutes of work every ten, under a few projects, month file by month file.
  std::int64_t at = 1577836800;  // 2020-01-01 00:00 UTC
  std::FILE* out = nullptr;
  std::string month;
  for (std::size_t i = 0; i < intervals; ++i, at += 600) {
    const tw::CivilDate d = tw::CivilFromDay(at / 86400 - tw::kUnixDayOfDayZero);
    char name[16], line[128];
    std::snprintf(name, sizeof name, "%04d-%02d.data", d.year, d.month);
    if (name != month) {
      if (out) std::fclose(out);
      out = std::fopen((data + "/" + name).c_str(), "w");
      month = name;
    }
    const int s = static_cast<int>(at % 86400);
    std::snprintf(line, sizeof line, "inc %04d%02d%02dT%02d%02d%02dZ - %04d%02d%02dT%02d%02d%02dZ # P%zu tag%zu\n",
                  d.year, d.month, d.day, s / 3600, s / 60 % 60, s % 60, d.year, d.month, d.day, s / 3600,
                  s / 60 % 60 + 5, s % 60, i % 7, i % 3);
    std::fputs(line, out);
  }
  if (out) std::fclose(out);
  const tw::ImportContext context{&files, into, us.data(), 0};
  auto import = [&] {
    tw::ImportPreview preview = tw::PreviewImport(context, data, tw::ImportFormat::TimewarriorData);
    if (!tw::CommitImport(context, preview, true)) std::fprintf(stderr, "%s\n", preview.plan.refusal.c_str());
  };
  const bool haveTimew = std::system("command -v timew >/dev/null 2>&1") == 0;
  double exportTime = 0;
  if (haveTimew) {
    QElapsedTimer t;
    t.start();
    Run("TIMEWARRIORDB='" + timew + "' timew export");
    exportTime = t.nsecsElapsed() / 1e9;
  }
  ResetPeak();
  const long before = StatusKiB("VmRSS:");
  QElapsedTimer t;
  t.start();
  import();
  const double first = t.nsecsElapsed() / 1e9;
  const long peak = StatusKiB("VmHWM:");
  ResetPeak();
  const long beforeAgain = StatusKiB("VmRSS:");
  t.restart();
  import();
  const double again = t.nsecsElapsed() / 1e9;
  const long peakAgain = StatusKiB("VmHWM:");
  const std::string n = std::to_string(intervals);
  const std::string reference = haveTimew ? "timew export of the folder" : "timew not installed: no reference";
  Row("import of a Timewarrior folder, " + n + " intervals", first, "s", reference, exportTime, "<= 0.2x");
  Row("the same import again, every interval a duplicate", again, "s", reference, exportTime, "<= 0.2x");
  Row("import peak memory, " + n + " intervals", (peak - before) / 1024.0, "MiB", "resident before it, MiB",
      before / 1024.0, "<= 64 MiB");
  Row("the same import again, peak memory", (peakAgain - beforeAgain) / 1024.0, "MiB", "resident before it, MiB",
      beforeAgain / 1024.0, "<= 64 MiB");
  // The import undone (its records taken out, whatever follows them), against the import itself.
  tw::AppendRecordLine(files, tw::DataFolder::Plain(into), "After,12/7/2026 9:00:00 AM,12/7/2026 9:30:00 AM,recorded since");
  tw::Changes changes(files, tw::DataFolder::Plain(into), tw::kFromCommandLine, 0);
  t.restart();
  const tw::Changes::Outcome undone = changes.Undo();
  const double undo = t.nsecsElapsed() / 1e9;
  if (!undone.done) std::fprintf(stderr, "undo: %s\n", undone.refusal.c_str());
  Row("undo of that import, a record after it", undo, "s", "the import itself", first, "<= 2x");
  fs::remove_all(timew);
  fs::remove_all(into);
}

}  // namespace

int main(int argc, char** argv) {
  bool quick = false, controlOnly = false, importOnly = false, timelineOnly = false;
  std::string folder = (fs::temp_directory_path() / "tallywright-bench").string();
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--quick") quick = true;
    else if (a == "--control") controlOnly = true;
    else if (a == "--import") importOnly = true;
    else if (a == "--timeline") timelineOnly = true;
    else if (a == "--folder" && i + 1 < argc) folder = argv[++i];
    else {
      std::fprintf(stderr, "usage: tallywright-bench [--quick] [--control | --import | --timeline] [--folder DIR]\n");
      return 2;
    }
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  tw::ApplyProgramStyle(app);
  fs::create_directories(folder);

  tw::Files files;
  tw::QtSettings settings(QString::fromStdString(folder + "/settings.ini"));
  tw::QtDialogs dialogs;
  BenchSystem system(folder);
  tw::SystemClock clock;
  const tw::DateFormat us = tw::bench::UsTwelveHour();
  const tw::DateFormat dmy = tw::bench::DayMonthYear24();
  tw::platform() = tw::Platform{&files, &settings, &dialogs, &system, &clock, &us, nullptr};

  const std::string report = tw::JoinPath(folder, tw::kReportFile);

  std::printf("| %-50s | %14s | %-28s | %10s | %6s | %-9s |\n", "figure", "value", "reference (same run)",
              "reference", "ratio", "target");
  std::printf("|%s|%s|%s|%s|%s|%s|\n", std::string(52, '-').c_str(), std::string(16, '-').c_str(),
              std::string(30, '-').c_str(), std::string(12, '-').c_str(), std::string(8, '-').c_str(),
              std::string(11, '-').c_str());

  if (importOnly) {
    ImportRows(files, us, folder, quick ? 100000 : 1000000);
    return 0;
  }
  std::vector<std::size_t> sizes = {10000, 100000};
  if (!quick) sizes.push_back(1000000);
  if (timelineOnly) {
    tw::bench::GenerateReport(report, sizes.back(), us);
    Run("cat " + report);
    tw::frmMain form;
    TimelineRows(files, report, form, std::to_string(sizes.back()) + " records");
    fs::remove(report);
    return 0;
  }
  if (controlOnly) {
    tw::bench::GenerateReport(report, sizes.back(), us);
    Run("cat " + report);
    IndexRows(files, report, us, std::to_string(sizes.back()) + " records");
    ControlRows(folder, report, std::to_string(sizes.back()) + " records");
    fs::remove(report);
    return 0;
  }
  tw::bench::GeneratedReport big;
  for (const tw::DateFormat* format : {&us, &dmy}) {
    const bool isUs = format == &us;
    for (std::size_t records : sizes) {
      if (!isUs && records != sizes.back()) continue;
      const auto generated = tw::bench::GenerateReport(report, records, *format);
      const tw::DateTime day = generated.busiestDay;
      const std::string dateText = format->FormatDate(day);
      Run("cat " + report);  // both read from the page cache
      std::size_t rows = 0;
      const double scan = Median(7, [&] { rows = tw::ReadDayReport(files, report, day, *format).rows.size(); });
      const double grep = Median(7, [&] { Run(CountInto(folder, "grep -c -F '" + dateText + "' " + report)); });
      Row("day report, " + std::to_string(records) + " records" + (isUs ? "" : " (d/m/y 24h)") + ", " +
              std::to_string(rows) + " rows",
          scan, "s", "grep -c of the day's date", grep, records == 1000000 ? "<= 1.5x" : "");
      if (isUs) big = generated;
    }
  }
  // The report's date form settled from its first records, as on the first reading in a run: the
  // day-month-year file read by a United States user.
  const double settle = Median(7, [&] { tw::ReportForm(files, report, us.data()); });
  Row("date form of the d/m/y report settled under en_US", settle, "s", "", 0, "");

  // Summaries of the largest file: a month, against grep counting that month's records, and every
  // record's dates, against awk counting the records of each project.
  tw::bench::GenerateReport(report, sizes.back(), us);
  Run("cat " + report);
  const std::string records = std::to_string(sizes.back()) + " records";
  {
    const tw::Period june = tw::PeriodOf(tw::PeriodKind::Month, big.busiestDay.day, 1);
    std::int64_t stretches = 0;
    const double month = Median(7, [&] { stretches = tw::ReadSummary(files, report, june, us, 0).stretches; });
    const double grep = Median(7, [&] { Run(CountInto(folder, "grep -c -E ',6/[0-9]+/2020 ' " + report)); });
    Row("month summary, " + records + ", " + std::to_string(stretches) + " stretches", month, "s",
        "grep -c of the month's records", grep, "<= 1.5x");
    // tallywright-ctl list --month: the month's stretches, each with its id, printed.
    tw::MendContext mend;
    mend.files = &files;
    mend.folder = tw::DataFolder::Plain(fs::path(report).parent_path().string());
    mend.reportForm = &us;
    mend.user = us.data();
    const std::string listed = tw::JoinPath(mend.folder.path, "projrpt.pro");
    if (listed != report) fs::copy_file(report, listed, fs::copy_options::overwrite_existing);
    const auto [listTime, monthAgain] = FastestPair(
        7,
        [&] {
          std::ostringstream out, err;
          tw::RunMend("list", {"--month", "2020-06"}, mend, out, err);
        },
        [&] { tw::ReadSummary(files, report, june, us, 0); });
    Row("tallywright-ctl list --month, " + records, listTime, "s", "the month summary", monthAgain, "<= 1x");
    const tw::Period all{tw::DayFromCivil({2016, 1, 1}), tw::DayFromCivil({2026, 12, 31})};
    const double whole = Median(5, [&] { stretches = tw::ReadSummary(files, report, all, us, 0).stretches; });
    const double awk = Median(5, [&] { Run("awk -F, '{n[$1]++} END {for (p in n) print p, n[p]}' " + report); });
    Row("summary of the whole file, " + std::to_string(stretches) + " stretches", whole, "s",
        "awk counting each project", awk, "<= 1.0x");
    ResetPeak();
    const long before = StatusKiB("VmRSS:");
    tw::ReadSummary(files, report, all, us, 15);
    Row("summary peak memory, " + records, (StatusKiB("VmHWM:") - before) / 1024.0, "MiB",
        "resident before it, MiB", before / 1024.0, "< 16 MiB");
  }
  // What the time amounts to, with tags and a working-time target, on a file of their own.
  tw::bench::MoneyRows(folder, sizes.back());

  // A folder shared by four machines holding the same records, 250,000 each, against the one
  // report of the same run: the day report and the month's summary read every machine's report
  // (listing the folder and settling each report's form included).
  {
    const std::string shared = tw::JoinPath(folder, "shared");
    fs::create_directories(shared);
    tw::ShareFolder(files, shared, "desk");
    const char* const machines[] = {"desk", "laptop", "home", "attic"};
    // Each machine's report written whole, one after another, as a sync service writes a file: four
    // files written at once by turns would sit in the page cache in small pieces, slower to read.
    for (int m = 0; m < 4; ++m) {
      std::string lines;
      tw::Files::Reader reader = files.OpenRead(report);
      tw::LineReader reading(reader);
      std::size_t i = 0;
      for (std::string_view text; reading.Next(text); ++i)
        if (i % 4 == static_cast<std::size_t>(m)) lines.append(text).append("\r\n");
      files.Replace(tw::JoinPath(shared, tw::DeviceFileName(tw::kReportFile, machines[m])),
                    tw::JoinPath(shared, "scratch.tmp"), lines);
    }
    Run("cat " + shared + "/*");
    const auto reports = [&] { return tw::ReadFolderReports(files, shared, us.data(), us); };
    const tw::Period june = tw::PeriodOf(tw::PeriodKind::Month, big.busiestDay.day, 1);
    std::size_t rows = 0;
    std::int64_t stretches = 0;
    const auto [one, four] = FastestPair(
        21, [&] { tw::ReadDayReport(files, report, big.busiestDay, us); },
        [&] { rows = tw::ReadFolderDayReport(files, reports(), big.busiestDay).rows.size(); });
    Row("day report, 4 machines x 250000 records, " + std::to_string(rows) + " rows", four, "s",
        "one report of the same records", one, "<= 1.15x");
    const auto [oneMonth, fourMonths] = FastestPair(
        21, [&] { tw::ReadSummary(files, report, june, us, 0); },
        [&] { stretches = tw::ReadFolderSummary(files, reports(), june, 0).stretches; });
    Row("month summary, 4 machines x 250000 records, " + std::to_string(stretches) + " stretches", fourMonths, "s",
        "one report of the same records", oneMonth, "<= 1.15x");
    // A thousand of the day's and the month's records edited on another machine.
    std::vector<tw::DayRow> edited = tw::ReadFolderDayReport(files, reports(), big.busiestDay).rows;
    for (int i = 0; i < 1000; ++i) {
      const tw::DayRow& row = edited[static_cast<std::size_t>(i) % edited.size()];
      tw::AppendAmendment(files, tw::JoinPath(shared, tw::DeviceFileName(tw::kReportFile, "attic")),
                          {tw::UtcStamp(1796677283 + i), row.origin->file, row.line.offset, row.line.text,
                           row.line.text + " edited"});
    }
    const auto [oneAgain, amended] = FastestPair(
        21, [&] { tw::ReadDayReport(files, report, big.busiestDay, us); },
        [&] { tw::ReadFolderDayReport(files, reports(), big.busiestDay); });
    Row("the same day, 1000 amendments of its records", amended, "s", "one report of the same records", oneAgain, "");
    const auto [oneMonthAgain, amendedMonth] = FastestPair(
        21, [&] { tw::ReadSummary(files, report, june, us, 0); }, [&] { tw::ReadFolderSummary(files, reports(), june, 0); });
    Row("the same month, 1000 amendments of its records", amendedMonth, "s", "one report of the same records",
        oneMonthAgain, "");
    // Twenty thousand amendments of the month's records, some amended again and again: reading them
    // costs their number, not its square.
    const std::vector<tw::StoredStretch> month = tw::RecordStore(files, reports()).Stretches(june);
    std::string amendments;
    for (int i = 0; i < 19000; ++i) {
      const tw::StoredStretch& s = month[static_cast<std::size_t>(i) * 7919 % month.size()];
      amendments += tw::AmendmentLine({tw::UtcStamp(1796677283 + i), s.id.file, s.offset, s.id.text,
                                       s.id.text + " edited " + std::to_string(i)}) + "\r\n";
    }
    files.Append(tw::JoinPath(shared, tw::DeviceFileName(tw::kReportFile, "home")), amendments);
    const auto [oneMonthThird, manyAmended] = FastestPair(
        11, [&] { tw::ReadSummary(files, report, june, us, 0); }, [&] { tw::ReadFolderSummary(files, reports(), june, 0); });
    Row("the same month, 20000 amendments of its records", manyAmended, "s", "one report of the same records",
        oneMonthThird, "");
    fs::remove_all(shared);
  }

  // Appends: on an empty file and on the largest; each fsyncs its line.
  const std::string bigCopy = report + ".big";
  fs::copy_file(report, bigCopy, fs::copy_options::overwrite_existing);
  tw::frmMain form;
  form.SetComments("bench, append");
  const double appendEmpty = Median(21, [&] { Setup::WriteRecord(form, "12/7/2026 9:00 AM", "12/7/2026 9:30 AM"); },
                                    [&] { fs::remove(report); });
  fs::copy_file(bigCopy, report, fs::copy_options::overwrite_existing);
  const double appendBig = Median(21, [&] { Setup::WriteRecord(form, "12/7/2026 9:00 AM", "12/7/2026 9:30 AM"); });
  Row("WriteRecord on the " + std::to_string(sizes.back()) + "-record file", appendBig, "s",
      "WriteRecord on an empty file", appendEmpty, "<= 2x");

  // One entry changed: the whole file rewritten through report.tmp, against cp + fsync.
  fs::copy_file(bigCopy, report, fs::copy_options::overwrite_existing);
  tw::SourceLine line;
  {
    tw::Files::Reader reader = files.OpenRead(report);
    tw::LineReader lines(reader);
    std::string_view text;
    // An entry before the first empty line, so that it keeps its place when the rewrite drops them.
    for (int i = 0; i < 100 && lines.Next(text); ++i) {
      line.offset = lines.offset();
      line.text = text;
    }
  }
  std::string replacement = line.text + " (edited)";
  bool edited = true;
  const double rewrite = Median(5, [&] {
    edited = tw::RewriteReportLine(files, folder, line, replacement) && edited;
    std::swap(line.text, replacement);
  });
  const std::string copy = report + ".copy";
  const double cp = Median(5, [&] {
    Run("cp " + report + " " + copy);
    const int fd = ::open(copy.c_str(), O_RDONLY);
    ::fsync(fd);
    ::close(fd);
  });
  fs::remove(copy);
  Row(std::string("UpdateReport of one entry, ") + std::to_string(sizes.back()) + " records" +
          (edited ? "" : " (FAILED)"),
      rewrite, "s", "cp + fsync of the file", cp, "<= 2x");

  // The project list.
  {
    std::string list;
    for (int i = 0; i < 100000; ++i) list += "Project number " + std::to_string(i) + "\r\n";
    files.Replace(tw::JoinPath(folder, tw::kProjectListFile), tw::JoinPath(folder, "list.tmp"), list);
    const double read = Median(5, [&] { Setup::ReadProjectList(form); });
    Row("ReadProjectList of 100,000 names into the box", read, "s", "", 0, "");
  }

  // Peak memory of the day report, above the size of the process before it ran.
  fs::copy_file(bigCopy, report, fs::copy_options::overwrite_existing);
  ResetPeak();
  const long idle = StatusKiB("VmRSS:");
  const auto day = tw::ReadDayReport(files, report, big.busiestDay, us);
  const long peak = StatusKiB("VmHWM:");
  Row("day report peak memory, " + std::to_string(sizes.back()) + " records, " + std::to_string(day.rows.size()) +
          " rows",
      (peak - idle) / 1024.0, "MiB", "resident before it, MiB", idle / 1024.0, "< 16 MiB");

  // The report window for a day of the largest file, and seven steps with the day button.
  Setup::DisplayDate = big.busiestDay;
  double shown = 0, steps = 0;
  QElapsedTimer timer;
  timer.start();
  QTimer::singleShot(0, [&] {
    shown = timer.nsecsElapsed() / 1e9;
    if (tw::frmReport* window = tw::frmReport::Loaded()) {
      auto* next = window->findChild<QPushButton*>("cmdNextDay");
      QElapsedTimer stepping;
      stepping.start();
      for (int i = 0; i < 7; ++i) {
        next->click();
        QApplication::processEvents();
      }
      steps = stepping.nsecsElapsed() / 1e9;
      window->close();
    }
  });
  Setup::ShowReport(form, tw::ReportWindows(), Setup::DisplayDate);
  Row("report window shown and usable, " + std::to_string(sizes.back()) + " records", shown, "s", "", 0, "< 0.3 s");
  Row("seven days with the day button", steps, "s", "", 0, "< 2 s");

  // The Summary window for 2020, from the menu's click to the window drawn with its chart, and
  // the memory it took above what the program held before.
  {
    ResetPeak();
    const long before = StatusKiB("VmRSS:");
    QElapsedTimer opening;
    opening.start();
    auto* summary = new tw::frmSummary(form, nullptr);
    summary->ShowPeriod(tw::PeriodOf(tw::PeriodKind::Year, big.busiestDay.day, 1), tw::PeriodKind::Year);
    summary->show();
    QApplication::processEvents();
    summary->grab();
    const double open = opening.nsecsElapsed() / 1e9;
    const long peak = StatusKiB("VmHWM:");
    const std::string stretches = std::to_string(summary->summary().stretches);
    summary->close();
    QApplication::processEvents();
    Row("Summary window for a year shown, " + stretches + " stretches", open, "s", "", 0, "< 0.3 s");
    Row("Summary window peak memory, " + std::to_string(sizes.back()) + " records", (peak - before) / 1024.0,
        "MiB", "resident before it, MiB", before / 1024.0, "< 16 MiB");
  }

  fs::copy_file(bigCopy, report, fs::copy_options::overwrite_existing);
  TimelineRows(files, report, form, std::to_string(sizes.back()) + " records");

  ControlRows(folder, bigCopy, std::to_string(sizes.back()) + " records");

  for (const std::string& f : {bigCopy, report, tw::FormFileOf(report), tw::JoinPath(folder, tw::kProjectListFile)})
    fs::remove(f);

  ImportRows(files, us, folder, quick ? 100000 : 1000000);
  return 0;
}
