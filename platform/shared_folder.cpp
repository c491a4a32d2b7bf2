#include "platform/shared_folder.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <random>
#include <tuple>

#include "dates/date_value.h"
#include "platform/lines.h"
#include "platform/platform.h"
#include "platform/product.h"

namespace tw {
namespace {

constexpr std::string_view kReportStem = "projrpt.";
constexpr std::string_view kSharedByKey = "SharedBy=";
constexpr std::string_view kSharedByIdKey = "SharedById=";
constexpr std::string_view kClaimStem = "machine.";
constexpr std::string_view kClaimExtension = ".id";

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool DeviceChar(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '_';
}

// The device of a machine's own file DeviceFileName(base, device), for the base names given.
std::optional<std::string> DeviceOf(std::string_view name, std::initializer_list<std::string_view> bases) {
  for (std::string_view base : bases) {
    const size_t dot = base.find('.');
    const std::string_view stem = base.substr(0, dot + 1), extension = base.substr(dot);
    if (name.size() <= stem.size() + extension.size() || name.substr(0, stem.size()) != stem ||
        name.substr(name.size() - extension.size()) != extension)
      continue;
    const std::string_view device = name.substr(stem.size(), name.size() - stem.size() - extension.size());
    if (!DeviceNameProblem(device)) return std::string(device);
  }
  return std::nullopt;
}

// Whether a name is one of the program's files, of the folder or of a machine.
bool ProgramFileName(std::string_view name) {
  return name.substr(0, kReportStem.size()) == kReportStem || name.substr(0, 8) == "project." ||
         name.starts_with(kClaimStem) ||
         name.substr(0, 7) == "report." || name == kSharedMarker ||
         (name.starts_with(kProductName) && name.ends_with(".log"));
}

bool IsIdentity(std::string_view id) {
  return id.size() == 16 && std::all_of(id.begin(), id.end(), [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); });
}

// The name and identity of a claim file's name "machine.<name>.<identity>.id".
std::optional<std::pair<std::string, std::string>> ClaimOfFileName(std::string_view name) {
  if (!name.starts_with(kClaimStem) || !name.ends_with(kClaimExtension)) return std::nullopt;
  name.remove_prefix(kClaimStem.size());
  name.remove_suffix(kClaimExtension.size());
  const size_t dot = name.rfind('.');
  if (dot == std::string_view::npos || DeviceNameProblem(name.substr(0, dot)) || !IsIdentity(name.substr(dot + 1)))
    return std::nullopt;
  return std::pair{std::string(name.substr(0, dot)), std::string(name.substr(dot + 1))};
}

// A "Key=" line's value in the marker; empty when it has none.
std::string MarkerValue(const Files& files, const std::string& folder, std::string_view key) {
  std::string text;
  try {
    if (FileMissing([&] { text = files.ReadTail(JoinPath(folder, kSharedMarker), 4096); })) return "";
  } catch (const RunError&) {
    return "";
  }
  for (const std::string& line : SplitLines(text))
    if (line.starts_with(key)) return line.substr(key.size());
  return "";
}

std::vector<std::string> NamesIn(const std::string& folder) {
  std::vector<std::string> names;
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
    std::error_code typeError;
    if (entry.is_regular_file(typeError)) names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace

std::optional<std::string> DeviceNameProblem(std::string_view name) {
  if (name.empty()) return "A machine's name cannot be empty.";
  if (name.size() > kDeviceNameMax)
    return "A machine's name can be at most " + std::to_string(kDeviceNameMax) + " characters long.";
  if (!std::all_of(name.begin(), name.end(), DeviceChar))
    return "A machine's name can hold only the letters A to Z, digits, '-' and '_'.";
  return std::nullopt;
}

bool SameDeviceName(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return Lower(x) == Lower(y); });
}

std::string DeviceNameOfHost(std::string_view host) {
  std::string name;
  for (char c : host.substr(0, host.find('.')))
    if (DeviceChar(c) && name.size() < kDeviceNameMax) name += c;
  return name.empty() ? "machine" : name;
}

std::string ThisDevice() {
  if (Settings* settings = platform().settings) {
    const std::string chosen = settings->GetSetting(kProductName, kSettingsSection, kDeviceNameKey, "");
    if (!DeviceNameProblem(chosen)) return chosen;
  }
  char host[256] = {};
  ::gethostname(host, sizeof host - 1);
  return DeviceNameOfHost(host);
}

bool DeviceNameSettled() {
  Settings* settings = platform().settings;
  return settings && !DeviceNameProblem(settings->GetSetting(kProductName, kSettingsSection, kDeviceNameKey, ""));
}

std::string ThisMachineId() {
  Settings* settings = platform().settings;
  if (!settings) return "";
  std::string id = settings->GetSetting(kProductName, kSettingsSection, kMachineIdKey, "");
  if (IsIdentity(id)) return id;
  std::random_device random;
  const std::uint64_t bits = (std::uint64_t{random()} << 32) ^ random();
  char text[17];
  std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(bits));
  settings->SaveSetting(kProductName, kSettingsSection, kMachineIdKey, text);
  return text;
}

std::string ClaimFileName(std::string_view device, std::string_view identity) {
  return std::string(kClaimStem) + std::string(device) + "." + std::string(identity) + std::string(kClaimExtension);
}

std::string ClaimText(const MachineClaim& claim) {
  std::string text = "; This machine keeps its files in this folder under the name " + claim.device +
                     ". The identity below, made at\r\n; random, tells it from another machine given the same name.\r\n";
  text += "Name=" + claim.device + "\r\nIdentity=" + claim.identity + "\r\nSince=" + claim.since + "\r\n";
  if (!claim.first.empty()) text += "First=" + claim.first + "\r\n";
  if (!claim.was.empty()) text += "Was=" + claim.was + "\r\n";
  if (!claim.moved.empty()) text += "Moved=" + claim.moved + "\r\n";
  return text;
}

std::optional<MachineClaim> ParseClaim(std::string_view text) {
  MachineClaim claim;
  for (const std::string& line : SplitLines(text)) {
    const size_t equals = line.find('=');
    if (line.empty() || line[0] == ';' || equals == std::string::npos) continue;
    const std::string key = line.substr(0, equals), value = line.substr(equals + 1);
    if (key == "Name") claim.device = value;
    if (key == "Identity") claim.identity = value;
    if (key == "Since") claim.since = value;
    if (key == "First") claim.first = value;
    if (key == "Was") claim.was = value;
    if (key == "Moved") claim.moved = value;
  }
  if (DeviceNameProblem(claim.device) || !IsIdentity(claim.identity) || claim.since.size() != 20) return std::nullopt;
  return claim;
}

std::vector<MachineClaim> ClaimsIn(const Files& files, const std::string& folder, std::string_view device) {
  std::vector<MachineClaim> claims;
  for (const std::string& name : NamesIn(folder)) {
    const auto claimed = ClaimOfFileName(name);
    if (!claimed || (!device.empty() && !SameDeviceName(claimed->first, device))) continue;
    std::string text;
    try {
      if (FileMissing([&] { text = files.ReadTail(JoinPath(folder, name), 4096); })) continue;
    } catch (const RunError&) {
      continue;
    }
    // The file's name decides whose claim it is; its text, since when.
    auto claim = ParseClaim(text);
    if (claim && SameDeviceName(claim->device, claimed->first) && claim->identity == claimed->second)
      claims.push_back(std::move(*claim));
  }
  return claims;
}

std::optional<MachineClaim> NameHolder(const std::vector<MachineClaim>& claims) {
  const auto holder = std::min_element(claims.begin(), claims.end(), [](const MachineClaim& a, const MachineClaim& b) {
    return std::tuple(!a.moved.empty(), a.since, a.identity) < std::tuple(!b.moved.empty(), b.since, b.identity);
  });
  if (holder != claims.end() && !holder->moved.empty()) return std::nullopt;
  if (holder == claims.end()) return std::nullopt;
  return *holder;
}

void WriteClaim(const Files& files, const std::string& folder, const MachineClaim& claim) {
  const std::string path = JoinPath(folder, ClaimFileName(claim.device, claim.identity));
  files.Replace(path, path + ".tmp", ClaimText(claim));
}

std::optional<std::string> MachineNameRefusal(const std::string& folder, std::string_view name,
                                              std::string_view current) {
  if (auto problem = DeviceNameProblem(name)) return problem;
  const Files files;
  const std::string self = ThisMachineId();
  const std::string taken = "Another machine already keeps its records in this folder under the name ";
  bool claimed = false;
  for (const MachineClaim& claim : ClaimsIn(files, folder, name)) {
    if (!claim.moved.empty()) continue;  // given up for another name
    if (claim.identity != self)
      return taken + claim.device + " (since " + claim.since + "). Please choose another name for this machine.";
    claimed = true;
  }
  if (claimed) return std::nullopt;
  // The machine that shared the folder keeps its name there even before its files have arrived.
  const std::string sharedBy = SharedBy(files, folder), sharerId = SharedById(files, folder);
  const bool ours = !current.empty() && SameDeviceName(name, current);
  if (SameDeviceName(sharedBy, name) && (sharerId.empty() ? !ours : sharerId != self))
    return "The machine that shared this folder keeps its records there under the name " + sharedBy +
           ". Please choose another name for this machine.";
  if (ours) return std::nullopt;
  for (const std::string& device : DevicesInFolder(folder))
    if (SameDeviceName(device, name)) return taken + device + ". Please choose another name for this machine.";
  return std::nullopt;
}

bool MachineNameWanted(const std::string& folder) {
  if (!DeviceNameSettled()) return true;
  const std::string name = ThisDevice(), self = ThisMachineId();
  for (const MachineClaim& claim : ClaimsIn(Files(), folder, name))
    if (claim.identity == self && claim.moved.empty()) return false;
  return MachineNameRefusal(folder, name, name).has_value();
}

std::string FreeDeviceName(const std::string& folder, std::string_view wanted) {
  const std::string base = DeviceNameOfHost(wanted);
  if (!MachineNameRefusal(folder, base, "")) return base;
  for (int n = 2;; ++n) {
    const std::string suffix = "-" + std::to_string(n);
    const std::string name = base.substr(0, kDeviceNameMax - suffix.size()) + suffix;
    if (!MachineNameRefusal(folder, name, "")) return name;
  }
}

std::string UtcStamp(std::int64_t unixSeconds) {
  const std::int64_t day = unixSeconds >= 0 ? unixSeconds / 86400 : (unixSeconds - 86399) / 86400;
  const std::int64_t second = unixSeconds - day * 86400;
  const CivilDate date = CivilFromDay(day - kUnixDayOfDayZero);
  char text[40];
  std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02dZ", date.year, date.month, date.day,
                static_cast<int>(second / 3600), static_cast<int>(second / 60 % 60), static_cast<int>(second % 60));
  return text;
}

std::string DeviceFileName(std::string_view name, std::string_view device) {
  const size_t dot = name.find('.');
  std::string out(name.substr(0, dot));
  out.append(".").append(device);
  if (dot != std::string_view::npos) out.append(name.substr(dot));
  return out;
}

std::optional<std::pair<std::string, std::string>> MachineOfFile(std::string_view name) {
  const size_t first = name.find('.');
  if (first == std::string_view::npos) return std::nullopt;
  const size_t second = name.find('.', first + 1);
  const std::string_view device = name.substr(first + 1, second == std::string_view::npos ? std::string_view::npos : second - first - 1);
  if (second == std::string_view::npos || DeviceNameProblem(device)) return std::nullopt;
  return std::pair{std::string(device), std::string(name.substr(0, first + 1)) + std::string(name.substr(second + 1))};
}

bool FolderFile(std::string_view name) {
  return name == kSharedMarker || name == "project.lst";
}

std::string MachineFile(const std::string& folder, std::string_view name) {
  if (FolderFile(name) || !IsSharedFolder(folder)) return JoinPath(folder, std::string(name));
  return JoinPath(folder, DeviceFileName(name, ThisDevice()));
}

bool IsSharedFolder(const std::string& folder) {
  return Files().Exists(JoinPath(folder, kSharedMarker));
}

std::string SharedMarkerText(std::string_view sharedBy, std::string_view identity) {
  return "; This folder is shared by several machines through a file-sync service. Each machine\r\n"
         "; writes only its own files here, named by the machine (projrpt.<machine>.pro), and\r\n"
         "; Tallywright reads them all. projrpt.pro, if there is one, is the report of the machine\r\n"
         "; that shared the folder.\r\n" +
         std::string(kSharedByKey) + std::string(sharedBy) + "\r\n" +
         (identity.empty() ? "" : std::string(kSharedByIdKey) + std::string(identity) + "\r\n");
}

std::string SharedBy(const Files& files, const std::string& folder) {
  const std::string name = MarkerValue(files, folder, kSharedByKey);
  return DeviceNameProblem(name) ? "" : name;
}

std::string SharedById(const Files& files, const std::string& folder) {
  const std::string id = MarkerValue(files, folder, kSharedByIdKey);
  return IsIdentity(id) ? id : "";
}

void ShareFolder(const Files& files, const std::string& folder, std::string_view device) {
  const std::string marker = JoinPath(folder, kSharedMarker);
  const Files::Lock lock = files.LockFor(marker);
  if (files.Exists(marker)) return;
  files.Replace(marker, marker + "." + std::string(device) + ".tmp", SharedMarkerText(device, ThisMachineId()));
}

std::optional<std::string> ConflictOriginal(std::string_view name) {
  std::string original(name);
  // Syncthing: ".sync-conflict-<date>-<time>-<device id>" before the extension.
  if (const size_t at = original.find(".sync-conflict-"); at != std::string::npos) {
    const size_t end = original.find('.', at + 1);
    original.erase(at, end == std::string::npos ? std::string::npos : end - at);
  } else if (const size_t open = original.find(" ("); open != std::string::npos) {
    // Nextcloud, ownCloud and Dropbox: " (conflicted copy ...)", " (desk's conflicted copy ...)".
    const size_t close = original.find(')', open);
    if (close == std::string::npos || original.find("conflicted copy", open) > close) return std::nullopt;
    original.erase(open, close + 1 - open);
  } else {
    return std::nullopt;
  }
  if (!ProgramFileName(original)) return std::nullopt;
  return original;
}

SharedFolderFiles ListSharedFolder(const std::string& folder) {
  SharedFolderFiles found;
  for (const std::string& name : NamesIn(folder)) {
    if (name == "projrpt.pro") found.legacyReport = true;
    if (const auto device = DeviceOf(name, {"projrpt.pro"})) found.reports.push_back({*device, name});
    if (const auto device = DeviceOf(name, {"projrpt.run"})) found.running.push_back({*device, name});
    if (const auto original = ConflictOriginal(name)) found.conflicts.push_back({name, *original});
  }
  return found;
}

std::vector<SharedFolderFiles::DeviceFile> DeviceFiles(const std::string& folder, std::string_view base) {
  std::vector<SharedFolderFiles::DeviceFile> found;
  for (const std::string& name : NamesIn(folder))
    if (const auto device = DeviceOf(name, {base})) found.push_back({*device, name});
  return found;
}

std::vector<std::string> DevicesInFolder(const std::string& folder) {
  std::vector<std::string> devices;
  for (const std::string& name : NamesIn(folder)) {
    const auto device = DeviceOf(name, {"projrpt.pro", "projrpt.bak", "projrpt.fmt", "projrpt.run"});
    if (device && std::find(devices.begin(), devices.end(), *device) == devices.end()) devices.push_back(*device);
  }
  return devices;
}

}  // namespace tw
