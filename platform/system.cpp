#include "platform/system.h"

#include <sys/stat.h>

#include <sys/utsname.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <mutex>

#include "platform/platform.h"
#include "platform/product.h"

namespace tw {

std::string ExecutablePath() {
  std::error_code ec;
  const auto path = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::string() : path.string();
}

std::string PosixSystem::ExeName() const {
  return std::filesystem::path(ExecutablePath()).stem().string();
}

std::string PosixSystem::ProgramFolder() const {
  return std::filesystem::path(ExecutablePath()).parent_path().string();
}

std::string ChooseDataFolder(const std::string& programFolder, bool programFolderWritable,
                             const char* xdgDataHome, const char* home) {
  if (programFolderWritable) return programFolder;
  const std::string base = xdgDataHome && xdgDataHome[0] == '/'
                               ? std::string(xdgDataHome)
                               : std::string(home ? home : "") + "/.local/share";
  return base + "/" + kProductName;
}

std::optional<std::string> ChosenDataFolder(const std::string& setting, const char* home) {
  std::string folder = setting;
  while (!folder.empty() && folder.back() == ' ') folder.pop_back();
  while (!folder.empty() && folder.front() == ' ') folder.erase(0, 1);
  if (home && home[0] == '/' && (folder == "~" || folder.rfind("~/", 0) == 0))
    folder = std::string(home) + folder.substr(1);
  if (folder.empty() || folder[0] != '/') return std::nullopt;
  folder = std::filesystem::path(folder).lexically_normal().string();
  while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  return folder;
}

std::string PosixSystem::DataFolder() const {
  // The setting is read at every call, so that a folder chosen in Preferences holds at once; the
  // answer for each setting is worked out once.
  static std::mutex mutex;
  static std::string lastSetting;
  static std::optional<std::string> lastFolder;
  Settings* settings = platform().settings;
  const std::string setting =
      settings ? settings->GetSetting(kProductName, kSettingsSection, kDataFolderKey, "") : "";
  const std::lock_guard hold(mutex);
  if (lastFolder && setting == lastSetting) return *lastFolder;
  const std::string program = ProgramFolder();
  std::string folder;
  if (const auto chosen = ChosenDataFolder(setting, std::getenv("HOME")))
    folder = *chosen;
  else
    folder = ChooseDataFolder(program, ::access(program.c_str(), W_OK) == 0, std::getenv("XDG_DATA_HOME"),
                              std::getenv("HOME"));
  std::error_code ec;
  // A folder made for the user's data is the user's alone.
  if (folder != program && std::filesystem::create_directories(folder, ec)) ::chmod(folder.c_str(), 0700);
  lastSetting = setting;
  lastFolder = folder;
  return folder;
}

std::string PosixSystem::DataFolderNotice() const {
  const std::string program = ProgramFolder(), folder = DataFolder();
  // Only where the rule, not the setting, chose the user's data folder over the program folder.
  if (folder != ChooseDataFolder(program, false, std::getenv("XDG_DATA_HOME"), std::getenv("HOME")) ||
      ::access(program.c_str(), W_OK) == 0)
    return "";
  std::error_code ec;
  const auto holds = [&](const char* name) { return std::filesystem::exists(std::filesystem::path(program) / name, ec); };
  if (!holds("projrpt.pro") && !holds("projrpt.run")) return "";
  return std::string(kProductName) + " cannot write in " + program + ", where your report is, so it keeps its files in " +
         folder + " for now. Make that folder writable again and start " + kProductName +
         " anew to go on with the report there.";
}

SysInfoFacts SysInfoFromKernel(const std::string& release, int acOnline) {
  SysInfoFacts facts;
  int major = 0, minor = 0, patch = 0;
  if (std::sscanf(release.c_str(), "%d.%d.%d", &major, &minor, &patch) >= 2) {
    facts.build = patch;
    // Built from digits, not parsed: the C library's decimal point follows the user's locale.
    double scale = 10.0;
    while (minor >= scale) scale *= 10.0;
    facts.version = static_cast<float>(major + minor / scale);
  }
  facts.battery = acOnline;
  return facts;
}

SysInfoFacts PosixSystem::SysInfo() const {
  utsname names{};
  const std::string release = ::uname(&names) == 0 ? names.release : "";
  int ac = 255;
  std::error_code ec;
  for (const auto& entry :
       std::filesystem::directory_iterator("/sys/class/power_supply", ec)) {
    std::ifstream type(entry.path() / "type");
    std::string kind;
    if (!(type >> kind) || kind != "Mains") continue;
    std::ifstream online(entry.path() / "online");
    int value = 0;
    if (online >> value) {
      ac = value != 0 ? 1 : 0;
      break;
    }
  }
  return SysInfoFromKernel(release, ac);
}

void PosixSystem::DebugBreak() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("TracerPid:", 0) == 0) {
      if (std::atoi(line.c_str() + 10) != 0) std::raise(SIGTRAP);
      return;
    }
  }
}

void PosixSystem::EndProcess(int exitCode) {
  std::fflush(nullptr);
  std::_Exit(exitCode);
}

}  // namespace tw
