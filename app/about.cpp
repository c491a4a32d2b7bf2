#include "app/about.h"

#include <exception>

#include "platform/platform.h"
#include "version.h"

namespace tw {

std::string VersionText(int major, int minor, int revision) {
  return "Version " + std::to_string(major) + "." + std::to_string(minor) + "." +
         std::to_string(revision);
}

std::string VersionText() { return VersionText(kVersionMajor, kVersionMinor, kVersionRevision); }

std::string TrimRegistryText(std::string_view buffer, std::uint32_t size) {
  std::string_view kept = buffer.substr(0, size);
  if (!kept.empty() && kept.back() == '\0') kept.remove_suffix(1);
  return std::string(kept);
}

std::string NumberValueText(std::string_view bytes) {
  // Each byte as its two hex digits, most significant first: the stored number itself.
  std::uint32_t number = 0;
  const size_t count = bytes.size() < 4 ? bytes.size() : 4;
  for (size_t i = count; i-- > 0;) number = (number << 8) | static_cast<unsigned char>(bytes[i]);
  return std::to_string(static_cast<std::int32_t>(number));
}

bool GetKeyValue(Registry& registry, std::uint32_t root, const std::string& keyName,
                 const std::string& valueName, std::string& value) {
  std::uint32_t key = 0;
  if (registry.RegOpenKeyExA(root, keyName, 0, kKeyAccess, &key) != ERROR_SUCCESS) {
    value.clear();
    registry.RegCloseKey(key);
    return false;
  }
  std::string buffer(1024, '\0');
  std::uint32_t size = 1024;
  std::uint32_t type = 0;
  if (registry.RegQueryValueExA(key, valueName, &type, buffer.data(), &size) != ERROR_SUCCESS) {
    value.clear();
    registry.RegCloseKey(key);
    return false;
  }
  const std::string trimmed = TrimRegistryText(buffer, size);
  if (type == REG_SZ) {
    value = trimmed;
  } else if (type == REG_DWORD) {
    value = NumberValueText(trimmed);
  }
  registry.RegCloseKey(key);
  return true;
}

void StartSysInfo() {
  Platform& p = platform();
  try {
    std::string path;
    if (!GetKeyValue(*p.registry, HKEY_LOCAL_MACHINE, kSysInfoKey, kSysInfoPathValue, path)) {
      if (GetKeyValue(*p.registry, HKEY_LOCAL_MACHINE, kSysInfoLocationKey, kSysInfoLocationValue,
                      path) &&
          p.files->Exists(JoinPath(path, "MSINFO32.EXE"))) {
        path = JoinPath(path, "MSINFO32.EXE");
      } else {
        p.dialogs->MsgBox(kSysInfoUnavailable, MsgStyle::OkOnly, kAppTitle);
        return;
      }
    }
    p.shell->StartProgram(path);
  } catch (const std::exception&) {
    p.dialogs->MsgBox(kSysInfoUnavailable, MsgStyle::OkOnly, kAppTitle);
  }
}

std::string HelpFileSetting(const std::string& programFolder, const std::string& buildProgramFolder,
                            const std::string& buildHelpFile, const std::string& installedHelpFile) {
  if (!buildProgramFolder.empty() && programFolder == buildProgramFolder) return buildHelpFile;
  return installedHelpFile;
}

std::string HelpFileSetting() {
  return HelpFileSetting(platform().system->ProgramFolder(), kBuildProgramFolder, kBuildHelpFile,
                         kHelpFile);
}

void ShowHelp(std::uint32_t mainWindow, const std::string& mainCaption, const std::string& helpFile,
              std::uint32_t command) {
  Platform& p = platform();
  if (helpFile.empty()) {
    p.dialogs->MsgBox(kNoHelpFile, MsgStyle::OkOnly + MsgStyle::Information, mainCaption);
    return;
  }
  // The search opens with an empty keyword: the data is a zero-length text.
  static const std::uint16_t kNoKeyword = 0;
  std::string failure;
  bool failed = false;
  try {
    p.shell->WinHelpA(mainWindow, helpFile, command, &kNoKeyword);
  } catch (const std::exception& e) {
    failed = true;
    failure = e.what();
  }
  if (failed) p.dialogs->MsgBox(failure, MsgStyle::OkOnly, kAppTitle);
}

}  // namespace tw
