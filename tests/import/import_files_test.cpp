// The import against files as they come: odd locales and marks, changed, cut short, unreadable, odd names.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QUuid>
#include <chrono>
#include <clocale>
#include <filesystem>
#include <fstream>
#include <random>

#include "import/hamster.h"
#include "import/import_write.h"
#include "import/readers.h"
#include "tests/import/import_support.h"
#include "tests/support/fakes.h"

namespace tw {
namespace {

namespace fs = std::filesystem;
using test::InChild;
using test::kTogglHeader;
using test::TogglRow;

// A decimal comma for the C library while it lives; built with localedef where not installed.
class GermanNumbers {
 public:
  GermanNumbers() {
    if (std::setlocale(LC_ALL, "de_DE.UTF-8")) return;
    const std::string build = "localedef -i de_DE -f UTF-8 '" + folder_.File("de_DE.UTF-8") + "' >/dev/null 2>&1";
    if (std::system(build.c_str()) == 0) {
      ::setenv("LOCPATH", folder_.path().c_str(), 1);
      std::setlocale(LC_ALL, "de_DE.UTF-8");
    }
  }
  ~GermanNumbers() {
    std::setlocale(LC_ALL, "C");
    ::unsetenv("LOCPATH");
  }
  bool Holds() const { return std::localeconv()->decimal_point == std::string(","); }

 private:
  test::TempFolder folder_;
};

struct Sample {
  ImportFormat format;
  std::string name;
  std::string text;
};

// A small file of each format read from text, with fractions and compact JSON where numbers are.
std::vector<Sample> Samples() {
  std::ifstream ics(IMPORT_FIXTURES "/calendar.ics", std::ios::binary);
  const std::string calendar((std::istreambuf_iterator<char>(ics)), std::istreambuf_iterator<char>());
  return {
      {ImportFormat::TimewarriorData, "2026-10.data", "inc 20261024T070000Z - 20261024T103000Z # Website review\n"},
      {ImportFormat::TimewarriorJson, "export.json",
       R"([{"id":1,"start":"20261024T070000Z","end":"20261024T103000Z","tags":["Website","review"]}])"},
      {ImportFormat::Watson, "frames",
       "[[1793001600,1793005200,\"Website\",\"abc\",[\"css\"],1793005200.5],"
       "[1793005200, 1793008800.25, \"Ops\", \"d\", [], 1.5e9]]"},
      {ImportFormat::GTimeLog, "timelog.txt", "2026-10-24 08:55: arrived\n2026-10-24 09:30: Website: review\n"},
      {ImportFormat::Toggl, "toggl.csv", kTogglHeader + TogglRow("Website", "2026-10-26", "menu")},
      {ImportFormat::Clockify, "clockify.csv",
       "Project,Client,Description,Task,User,Group,Email,Tags,Billable,Start Date,Start Time,End Date,End Time,"
       "Duration (h),Duration (decimal)\r\nWebsite,Acme,Support call,,Ann,,a@x,,Yes,10/26/2026,11:45 PM,"
       "10/27/2026,12:15 AM,00:30:00,0.50\r\n"},
      {ImportFormat::ICalendar, "calendar.ics", calendar},
      {ImportFormat::TallywrightCsv, "stretches.csv",
       "Project Name,Start of Project,End of Project,Project Time,Comments\r\n"
       "Alpha,10/24/2026 9:00:00 AM,10/24/2026 10:00:00 AM,01:00:00,\"a, b\"\r\n"},
      {ImportFormat::TallywrightJson, "export-own.json",
       R"({"from":"2026-10-24","totalSeconds":3600.5,"entries":[{"project":"Website","startIso":"2026-10-24T09:00:00",)"
       R"("endIso":"2026-10-24T10:00:00","seconds":3600.5,"comment":"x"}]})"},
      {ImportFormat::TallywrightReport, "projrpt-old.pro", "Alpha,24.10.2026 09:00:00,24.10.2026 10:00:00,one\r\n"},
  };
}

std::string Dump(const ImportRead& read) {
  std::string out = read.refusal.empty() ? "" : "refused: " + read.refusal + "\n";
  for (const ImportedStretch& s : read.stretches)
    out += s.project + "|" + std::to_string(s.start) + "|" + std::to_string(s.end) + "|" + s.comment + "\n";
  for (const Unreadable& u : read.unreadable) out += u.place + ": " + u.reason + "\n";
  return out;
}

class ImportFilesTest : public test::PlatformTest {
 protected:
  ImportRead Read(const std::string& name, ImportFormat format) {
    return ReadImport(files, name.starts_with("/") ? name : folder.File(name), format, LocaleData{});
  }
  std::pair<int, std::string> Run(const std::vector<std::string>& args) {
    return test::RunImport(files, folder.path(), args);
  }
  // The command's status and output as one text, from a child process (see InChild).
  std::string RunInChild(const std::vector<std::string>& args, bool otherUser = false) {
    return InChild([&] {
      const auto [status, text] = Run(args);
      return std::to_string(status) + " " + text;
    }, otherUser);
  }

  test::BerlinTime zone;
};

TEST_F(ImportFilesTest, EveryReaderReadsTheSameUnderADecimalCommaLocaleAndAfterAByteOrderMark) {
  SetDatabaseReader(ReadHamster);
  for (const Sample& s : Samples()) {
    folder.Write(s.name, s.text);
    folder.Write("bom-" + s.name, "\xEF\xBB\xBF" + s.text);
  }
  const auto readAll = [&](const std::string& prefix) {
    std::string out;
    for (const Sample& s : Samples()) out += s.name + ":\n" + Dump(Read(prefix + s.name, s.format));
    out += Dump(Read(IMPORT_FIXTURES "/timew-data", ImportFormat::TimewarriorData));
    return out + Dump(Read(IMPORT_FIXTURES "/hamster.db", ImportFormat::Hamster));
  };
  const std::string plain = readAll("");
  for (const Sample& s : Samples()) EXPECT_FALSE(Read(s.name, s.format).stretches.empty()) << s.name;
  const ImportRead frames = Read("frames", ImportFormat::Watson);
  ASSERT_EQ(frames.stretches.size(), 2u);
  EXPECT_EQ(frames.stretches[1].end, 1793008800);
  // An editor's byte-order mark is no part of the first line, in any format.
  EXPECT_EQ(readAll("bom-"), plain);
  GermanNumbers german;
  ASSERT_TRUE(german.Holds()) << "no German locale, and localedef could not build one (Debian: locales)";
  EXPECT_EQ(readAll(""), plain);
}

TEST_F(ImportFilesTest, ImportWritesWhatTheFileHoldsWhenImportIsPressed) {
  const ImportContext context{&files, folder.path(), LocaleData{}, 0};
  folder.Write("toggl.csv", kTogglHeader + TogglRow("Website", "2026-10-26") + TogglRow("Website", "2026-10-27"));
  ImportPreview preview = PreviewImport(context, folder.File("toggl.csv"), std::nullopt);
  ASSERT_EQ(preview.plan.added, 2u) << preview.plan.refusal;
  // Rewritten between the preview and Import: only what it holds now is written.
  folder.Write("toggl.csv", kTogglHeader + TogglRow("Servers", "2026-11-02"));
  ASSERT_TRUE(CommitImport(context, preview, false)) << preview.plan.refusal;
  EXPECT_EQ(preview.plan.added, 1u);
  const std::string report = folder.Read("projrpt.pro");
  EXPECT_EQ(report, "Servers,11/2/2026 9:00:00 AM,11/2/2026 10:00:00 AM,\r\n");

  // Deleted between the preview and Import, in each way of reading: refused with the reason.
  folder.Write("gone.csv", kTogglHeader + TogglRow("Website", "2026-10-28"));
  fs::create_directories(folder.File("timew/data"));
  folder.Write("timew/data/2026-10.data", Samples()[0].text);
  for (const std::string gone : {"gone.csv", "timew"}) {
    preview = PreviewImport(context, folder.File(gone), std::nullopt);
    ASSERT_EQ(preview.plan.added, 1u) << gone << ": " << preview.plan.refusal;
    fs::remove_all(folder.File(gone));
    EXPECT_FALSE(CommitImport(context, preview, false)) << gone;
    EXPECT_NE(preview.plan.refusal.find("there is no file " + folder.File(gone)), std::string::npos)
        << preview.plan.refusal;
    EXPECT_EQ(folder.Read("projrpt.pro"), report);
  }
}

TEST_F(ImportFilesTest, FilesCutShortOrNotOfTheirFormatAreRefusedWithThePlace) {
  std::mt19937 random(34);
  std::string noise(65536, '\0');
  for (char& c : noise) c = static_cast<char>(random());
  folder.Write("noise", noise);
  auto [status, text] = Run({folder.File("noise"), "--format", "tallywright"});
  EXPECT_EQ(status, kImportRefused) << text;
  folder.Write("empty.pro", "");
  std::tie(status, text) = Run({folder.File("empty.pro"), "--format", "tallywright"});
  EXPECT_EQ(status, 0) << text;
  EXPECT_NE(text.find("Nothing to write."), std::string::npos);

  // A quoted cell that runs to the end of the file: cut short.
  folder.Write("cut.csv", kTogglHeader + TogglRow("Website", "2026-10-26") + "Ann,a@x,Acme,Website,,\"a note");
  std::tie(status, text) = Run({folder.File("cut.csv")});
  EXPECT_EQ(status, kImportRefused) << text;
  EXPECT_NE(text.find("line 3"), std::string::npos) << text;
  // Megabytes without a line end are no line of a line-by-line format.
  const std::string endless(2 << 20, 'x');
  folder.Write("timelog.txt", Samples()[3].text + endless);
  fs::create_directories(folder.File("timew/data"));
  folder.Write("timew/data/2026-10.data", Samples()[0].text + endless);
  const std::vector<std::vector<std::string>> endlessFiles = {{"timelog.txt", "gtimelog", "line 3"},
                                                               {"timew", "timewarrior", "2026-10.data line 2"}};
  for (const auto& file : endlessFiles) {
    std::tie(status, text) = Run({folder.File(file[0]), "--format", file[1]});
    EXPECT_EQ(status, kImportRefused) << text;
    EXPECT_NE(text.find(file[2] + " runs on for more than 1 MiB"), std::string::npos) << text;
  }
}

TEST_F(ImportFilesTest, OnlyRegularFilesAreReadAndAFolderOnlyAsTimewarriorsData) {
  ASSERT_EQ(::mkfifo(folder.File("pipe").c_str(), 0600), 0);
  std::string answer = RunInChild({folder.File("pipe")});
  EXPECT_TRUE(answer.starts_with("1 ") && answer.find("named pipe") != std::string::npos) << answer;
  answer = RunInChild({"/dev/zero", "--format", "gtimelog"});
  EXPECT_TRUE(answer.starts_with("1 ") && answer.find("device") != std::string::npos) << answer;
  fs::create_directories(folder.File("timew/data"));
  std::tie(std::ignore, answer) = Run({folder.File("timew"), "--format", "watson"});
  EXPECT_NE(answer.find("is a folder"), std::string::npos) << answer;
  // In Timewarrior's folder, a month that is no regular file is listed; the others are read.
  folder.Write("timew/data/2026-10.data", Samples()[0].text);
  ASSERT_EQ(::mkfifo(folder.File("timew/data/2026-11.data").c_str(), 0600), 0);
  answer = RunInChild({folder.File("timew"), "--dry-run"});
  EXPECT_TRUE(answer.starts_with("0 ")) << answer;
  EXPECT_NE(answer.find("1 stretch to add"), std::string::npos) << answer;
  EXPECT_NE(answer.find("2026-11.data: it is a named pipe, not a file"), std::string::npos) << answer;
}

TEST_F(ImportFilesTest, NamesAndCommentsAreMadeFitForARecordAndEachChangeIsListed) {
  std::string longName, longTag;
  for (int i = 0; i < 150; ++i) longName += "\xC3\xA9";  // é: 300 bytes
  for (int i = 0; i < 1667; ++i) longTag += "\xE2\x82\xAC";  // €: 5,001 bytes
  folder.Write("frames", "[[1793001600, 1793005200, \"" + longName + "\", \"a\", [\"" + longTag + "\"]],"
                         " [1793005200, 1793008800, \"Night\\nshift\\u2028B\", \"b\", [\"bell\\u0007\"]],"
                         " [1793008800, 1793012400, \"Nul\\u0000x\\ty\\u007f\", \"c\", []]]");
  folder.Write("toggl.csv", kTogglHeader + TogglRow("Caf\xE9\x80", "2026-10-26", "del\x7F"));
  auto [status, text] = Run({folder.File("frames")});
  ASSERT_EQ(status, 0) << text;
  std::string cut, cutTag;
  for (int i = 0; i < 100; ++i) cut += "\xC3\xA9";
  for (int i = 0; i < 1333; ++i) cutTag += "\xE2\x82\xAC";  // the last whole character within 4,000 bytes
  const std::string report = folder.Read("projrpt.pro");
  EXPECT_TRUE(report.starts_with(cut + ",")) << report.substr(0, 300);
  EXPECT_NE(report.find(",#" + cutTag + "\r\n"), std::string::npos);
  EXPECT_NE(report.find("\r\nNight shift B,"), std::string::npos);
  EXPECT_NE(report.find(",#bell\r\n"), std::string::npos);  // a tag word holds no control character
  EXPECT_NE(report.find("\r\nNul x y,"), std::string::npos);
  // The preview names each change by its reason, with what it cannot print escaped.
  EXPECT_NE(text.find("(a project name is at most 200 bytes)"), std::string::npos) << text;
  EXPECT_NE(text.find("\n  stretch at 10/26/2026 9:00:00 AM: its comment is cut to 4000 bytes, the longest a comment can be\n"),
            std::string::npos) << text;
  EXPECT_NE(text.find("Project \"Night\\nshift\\u2028B\" is written as \"Night shift B\" (a project name holds no line "
                      "break)"),
            std::string::npos) << text;
  EXPECT_NE(text.find("Project \"Nul\\x00x\\ty\\x7F\" is written as \"Nul x y\" (a project name holds no control "
                      "character)"),
            std::string::npos) << text;
  EXPECT_EQ(text.find("holds no comma"), std::string::npos);
  EXPECT_EQ(text.find("\nshift"), std::string::npos);
  EXPECT_EQ(text.find('\a'), std::string::npos);
  std::tie(status, text) = Run({folder.File("toggl.csv")});
  ASSERT_EQ(status, 0) << text;
  EXPECT_NE(folder.Read("projrpt.pro").find("\r\nCaf\xEF\xBF\xBD\xEF\xBF\xBD,10/26/2026 9:00:00 AM,10/26/2026 10:00:00 AM,del \r\n"),
            std::string::npos);
  EXPECT_NE(text.find("\n  stretch at 10/26/2026 9:00:00 AM: the control characters of its comment are written as blanks\n"),
            std::string::npos) << text;
  EXPECT_NE(text.find("Project \"Caf\\xE9\\x80\" is written as \"Caf\xEF\xBF\xBD\xEF\xBF\xBD\" (it is not UTF-8 text)"),
            std::string::npos) << text;
}

// The most memory the process has held since the last reset.
long PeakKiB() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);)
    if (line.starts_with("VmHWM:")) return std::stol(line.substr(6));
  return 0;
}

TEST_F(ImportFilesTest, AFiftyMegabyteSummaryIsCutWithoutHoldingItManyTimesOver) {
  {
    std::ofstream ics(folder.File("big.ics"), std::ios::binary);
    ics << "BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nDTSTART:20261024T070000Z\r\nDTEND:20261024T080000Z\r\nSUMMARY:";
    const std::string fold(73, 'x');
    for (int i = 0; i < 50 * 1024 * 1024 / 73; ++i) ics << fold << "\r\n ";
    ics << "x\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n";
  }
  std::ofstream("/proc/self/clear_refs") << "5";
  const long before = PeakKiB();
  const auto [status, text] = Run({folder.File("big.ics"), "--dry-run"});
  const long grown = (PeakKiB() - before) / 1024;
  EXPECT_EQ(status, 0) << text.substr(0, 1000);
  EXPECT_NE(text.find("(a project name is at most 200 bytes)"), std::string::npos);
#if !defined(__SANITIZE_ADDRESS__) && !defined(__SANITIZE_THREAD__)
  EXPECT_LT(grown, 120) << "MiB";  // a sanitizer's own bookkeeping would count here
#endif
}

TEST_F(ImportFilesTest, MessagesSayTheRealReason) {
  // Another user's file, and Timewarrior's folder, that this user may not read.
  ASSERT_EQ(::chmod(folder.path().c_str(), 0755), 0);
  folder.Write("private.csv", kTogglHeader + TogglRow("Website", "2026-10-26"));
  ASSERT_EQ(::chmod(folder.File("private.csv").c_str(), 0), 0);
  std::string answer = RunInChild({folder.File("private.csv"), "--dry-run"}, true);
  EXPECT_TRUE(answer.starts_with("1 ")) << answer;
  EXPECT_NE(answer.find("Permission denied"), std::string::npos) << answer;
  fs::create_directories(folder.File("timew/data"));
  ASSERT_EQ(::chmod(folder.File("timew/data").c_str(), 0), 0);
  answer = RunInChild({folder.File("timew"), "--dry-run"}, true);
  EXPECT_NE(answer.find("Permission denied"), std::string::npos) << answer;
  ::chmod(folder.File("timew/data").c_str(), 0700);

  // Hamster's database while Hamster writes to it: locked, said at once.
  fs::copy_file(IMPORT_FIXTURES "/hamster.db", folder.File("hamster.db"));
  const QString holder = QUuid::createUuid().toString();
  {
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", holder);
    db.setDatabaseName(QString::fromStdString(folder.File("hamster.db")));
    ASSERT_TRUE(db.open());
    QSqlQuery lock(db);
    ASSERT_TRUE(lock.exec("BEGIN EXCLUSIVE"));
    const auto start = std::chrono::steady_clock::now();
    const ImportRead locked = ReadHamster(folder.File("hamster.db"));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    EXPECT_NE(locked.refusal.find("locked"), std::string::npos) << locked.refusal;
    EXPECT_NE(locked.refusal.find("try again"), std::string::npos) << locked.refusal;
    lock.exec("ROLLBACK");
  }
  QSqlDatabase::removeDatabase(holder);
  EXPECT_EQ(ReadHamster(folder.File("hamster.db")).stretches.size(), 3u);
}

}  // namespace
}  // namespace tw
