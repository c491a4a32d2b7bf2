#include "app/sysinfo.h"

#include <exception>

#include "platform/platform.h"

namespace tw {

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
        p.dialogs->MsgBox(kSysInfoUnavailable, MsgStyle::OkOnly, kProductName);
        return;
      }
    }
    p.shell->StartProgram(path);
  } catch (const std::exception&) {
    p.dialogs->MsgBox(kSysInfoUnavailable, MsgStyle::OkOnly, kProductName);
  }
}

}  // namespace tw
