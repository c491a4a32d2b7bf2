#include "platform/registry.h"

#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <filesystem>

namespace tw {
namespace {

std::string Upper(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

}  // namespace

RegistryView::Key& RegistryView::KeyAt(std::uint32_t root, const std::string& key) {
  return keys_[{root, Upper(key)}];
}

void RegistryView::SetValue(std::uint32_t root, const std::string& key, const std::string& name,
                            Value value) {
  KeyAt(root, key).values[Upper(name)] = std::move(value);
}

void RegistryView::SetText(std::uint32_t root, const std::string& key, const std::string& name,
                           const std::string& text) {
  SetValue(root, key, name, {REG_SZ, text + '\0'});
}

void RegistryView::DenyKey(std::uint32_t root, const std::string& key) { KeyAt(root, key).denied = true; }

long RegistryView::RegOpenKeyExA(std::uint32_t root, const std::string& subKey, std::uint32_t,
                                 std::uint32_t, std::uint32_t* result) {
  *result = 0;
  const auto it = keys_.find({root, Upper(subKey)});
  if (it == keys_.end()) return ERROR_FILE_NOT_FOUND;
  if (it->second.denied) return ERROR_ACCESS_DENIED;
  *result = nextHandle_++;
  open_[*result] = &it->second;
  return ERROR_SUCCESS;
}

long RegistryView::RegQueryValueExA(std::uint32_t key, const std::string& valueName,
                                    std::uint32_t* type, char* data, std::uint32_t* size) {
  const auto open = open_.find(key);
  if (open == open_.end()) return ERROR_INVALID_HANDLE;
  const auto it = open->second->values.find(Upper(valueName));
  if (it == open->second->values.end()) return ERROR_FILE_NOT_FOUND;
  const Value& value = it->second;
  const auto length = static_cast<std::uint32_t>(value.bytes.size());
  if (type != nullptr) *type = value.type;
  const std::uint32_t room = *size;
  *size = length;
  if (data == nullptr) return ERROR_SUCCESS;
  if (length > room) return ERROR_MORE_DATA;
  std::memcpy(data, value.bytes.data(), length);
  return ERROR_SUCCESS;
}

long RegistryView::RegCloseKey(std::uint32_t key) {
  return open_.erase(key) == 1 ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}

const std::vector<std::string>& SysInfoPrograms() {
  static const std::vector<std::string> names{"kinfocenter", "hardinfo2", "hardinfo",
                                              "gnome-system-monitor", "mate-system-monitor",
                                              "xfce4-taskmanager", "lxtask"};
  return names;
}

std::string FindProgram(const std::string& searchPath, const std::vector<std::string>& names) {
  std::vector<std::string> folders;
  for (size_t start = 0;;) {
    const size_t colon = searchPath.find(':', start);
    const std::string folder = searchPath.substr(start, colon - start);
    if (!folder.empty()) folders.push_back(folder);
    if (colon == std::string::npos) break;
    start = colon + 1;
  }
  for (const std::string& name : names) {
    for (const std::string& folder : folders) {
      const std::string path = (std::filesystem::path(folder) / name).string();
      std::error_code ec;
      if (std::filesystem::is_regular_file(path, ec) && ::access(path.c_str(), X_OK) == 0) return path;
    }
  }
  return {};
}

RegistryView SystemRegistry(const std::string& searchPath) {
  RegistryView view;
  const std::string program = FindProgram(searchPath, SysInfoPrograms());
  if (!program.empty()) view.SetText(HKEY_LOCAL_MACHINE, kSysInfoKey, kSysInfoPathValue, program);
  return view;
}

}  // namespace tw
