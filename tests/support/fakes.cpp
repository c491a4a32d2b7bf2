#include "tests/support/fakes.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "errors/error.h"
#include "platform/latest_writer.h"

namespace tw::test {

TempFolder::TempFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "tallywright-test-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  path_ = pattern;
}

TempFolder::~TempFolder() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

bool TempFolder::Exists(const std::string& name) const {
  return std::filesystem::exists(std::filesystem::symlink_status(File(name)));
}

std::string TempFolder::Read(const std::string& name) const {
  std::ifstream in(File(name), std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

void TempFolder::Write(const std::string& name, const std::string& content) const {
  std::ofstream(File(name), std::ios::binary) << content;
}

std::string FakeSettings::GetSetting(const std::string& app, const std::string& section,
                                     const std::string& key, const std::string& defaultValue) {
  EXPECT_EQ(app, "Tallywright");
  EXPECT_EQ(section, "Settings");
  const auto it = values.find(key);
  return it == values.end() ? defaultValue : it->second;
}

void FakeSettings::SaveSetting(const std::string& app, const std::string& section,
                               const std::string& key, const std::string& value) {
  EXPECT_EQ(app, "Tallywright");
  EXPECT_EQ(section, "Settings");
  log_.push_back("save:" + key);
  values[key] = value;
}

int FakeDialogs::MsgBox(const std::string& prompt, int style, const std::string& title) {
  shown.push_back({prompt, style, title});
  log_.push_back("box:" + title);
  if (!answers.empty()) {
    const int answer = answers.front();
    answers.pop_front();
    return answer;
  }
  switch (style & 7) {
    case 2: return 3;  // Abort
    case 3:
    case 4: return 6;  // Yes
    case 5: return 4;  // Retry
    default: return 1; // OK
  }
}

int FakeDialogs::Choose(const std::string& prompt, const std::string& title,
                        const std::vector<std::string>& buttons, int defaultButton, int escapeButton) {
  shown.push_back({prompt, -static_cast<int>(buttons.size()), title});
  log_.push_back("choose:" + title);
  if (answers.empty()) return defaultButton;
  const int answer = answers.front();
  answers.pop_front();
  return answer == kEscape ? escapeButton : answer;
}

SysInfoFacts FakeSystem::SysInfo() const {
  if (sysInfoFails) throw RunError(429, "The system information is not available");
  return facts;
}

void FakeSystem::EndProcess(int exitCode) {
  log_.push_back("end:" + std::to_string(exitCode));
  if (endExits) std::_Exit(exitCode);
  if (endThrows) throw ProcessEnded{exitCode};
}

bool FakeShell::AddIcon(const IconRecord& icon) {
  log_.push_back("icon:add");
  icons.push_back(icon);
  return true;
}

bool FakeShell::RemoveIcon(const IconRecord& icon) {
  log_.push_back("icon:remove");
  icons.push_back(icon);
  return true;
}

bool FakeShell::ShowBalloon(const std::string& title, const std::string& text) {
  log_.push_back("balloon:" + title + ":" + text);
  return true;
}

void FakeShell::StartProgram(const std::string& path) {
  log_.push_back("start:" + path);
  if (startFails != 0) throw RunError(startFails, "File not found");
}

std::string FakeShell::FindProgram(const std::string& name) const {
  for (const std::string& program : programs)
    if (program.ends_with("/" + name)) return program;
  return {};
}

void FakeShell::OpenHelp(const std::string& helpFile, HelpPage page) {
  log_.push_back("help:" + helpFile + ":" + (page == HelpPage::Contents ? "contents" : "search"));
  if (!helpFails.empty()) throw RunError(kErrInvalidCall, helpFails);
}

ZoneRules::ZoneRules(const char* tz) : old_(std::getenv("TZ") ? std::getenv("TZ") : ""), had_(std::getenv("TZ")) {
  ::setenv("TZ", tz, 1);
  ::tzset();
}

ZoneRules::~ZoneRules() {
  if (had_) ::setenv("TZ", old_.c_str(), 1); else ::unsetenv("TZ");
  ::tzset();
}

DateFormat UsFormat() { return DateFormat(LocaleData{}); }

DateFormat GermanFormat() {
  LocaleData data;
  data.shortDate = "dd.MM.yy";
  data.longTime = "HH:mm:ss t";
  data.shortTime = "HH:mm";
  data.dayNames = {"Sonntag", "Montag", "Dienstag", "Mittwoch", "Donnerstag", "Freitag", "Samstag"};
  return DateFormat(data);
}

double screenTwipsPerPixel = 15;

PlatformTest::PlatformTest() : saved_(platform()) {
  system.folder = folder.path();
  platform() = Platform{&files, &settings, &dialogs, &system, &clock, &format, &shell};
  Error::ErrorAction = 0;
}

PlatformTest::~PlatformTest() {
  // Background file work of this test uses its files and folder.
  BackgroundFiles().Wait();
  platform() = saved_;
}

void PlatformTest::FailStep(FileStep step, int n, int err) {
  counts_.clear();
  files.SetHook([this, step, n, err](FileStep s, const std::string&) {
    return s == step && ++counts_[s] == n ? err : 0;
  });
}

void PlatformTest::LogFileSteps() {
  static const char* const kNames[] = {"open", "read", "write", "sync", "close", "rename", "remove", "lock"};
  files.SetHook([this](FileStep s, const std::string& path) {
    log.push_back(std::string(kNames[static_cast<int>(s)]) + ":" + std::filesystem::path(path).filename().string());
    return 0;
  });
}

}  // namespace tw::test
