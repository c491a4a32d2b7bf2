#pragma once
// A read-only view of the registry: the keys and values the program reads, answered from a table.
// The view this platform offers is built by SystemRegistry; tests fill one of their own.
#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace tw {

inline constexpr std::uint32_t HKEY_LOCAL_MACHINE = 0x80000002;
inline constexpr std::uint32_t REG_SZ = 1;
inline constexpr std::uint32_t REG_DWORD = 4;
inline constexpr long ERROR_SUCCESS = 0;
inline constexpr long ERROR_FILE_NOT_FOUND = 2;
inline constexpr long ERROR_ACCESS_DENIED = 5;
inline constexpr long ERROR_INVALID_HANDLE = 6;
inline constexpr long ERROR_MORE_DATA = 234;

class Registry {
 public:
  virtual ~Registry() = default;
  // Opens subKey under root; *result receives the key's handle (0 when the call fails).
  virtual long RegOpenKeyExA(std::uint32_t root, const std::string& subKey, std::uint32_t options,
                             std::uint32_t access, std::uint32_t* result) = 0;
  // Copies the value's bytes into data (*size bytes at most) and sets *type and *size, the value's
  // length in bytes; ERROR_MORE_DATA when it does not fit.
  virtual long RegQueryValueExA(std::uint32_t key, const std::string& valueName, std::uint32_t* type,
                                char* data, std::uint32_t* size) = 0;
  virtual long RegCloseKey(std::uint32_t key) = 0;
};

// Keys and value names are compared without regard to letter case, as the registry does.
class RegistryView : public Registry {
 public:
  struct Value {
    std::uint32_t type = REG_SZ;
    std::string bytes;
  };

  void SetValue(std::uint32_t root, const std::string& key, const std::string& name, Value value);
  // A text value stored with its terminating zero, as the registry keeps it.
  void SetText(std::uint32_t root, const std::string& key, const std::string& name,
               const std::string& text);
  // Opening the key is refused (access denied).
  void DenyKey(std::uint32_t root, const std::string& key);
  // Keys opened and not closed yet.
  int OpenKeys() const { return static_cast<int>(open_.size()); }

  long RegOpenKeyExA(std::uint32_t root, const std::string& subKey, std::uint32_t options,
                     std::uint32_t access, std::uint32_t* result) override;
  long RegQueryValueExA(std::uint32_t key, const std::string& valueName, std::uint32_t* type,
                        char* data, std::uint32_t* size) override;
  long RegCloseKey(std::uint32_t key) override;

 private:
  struct Key {
    bool denied = false;
    std::map<std::string, Value> values;
  };
  Key& KeyAt(std::uint32_t root, const std::string& key);

  std::map<std::pair<std::uint32_t, std::string>, Key> keys_;
  std::map<std::uint32_t, const Key*> open_;
  std::uint32_t nextHandle_ = 0x100;
};

inline constexpr const char* kSysInfoKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
inline constexpr const char* kSysInfoPathValue = "PATH";
inline constexpr const char* kSysInfoLocationKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
inline constexpr const char* kSysInfoLocationValue = "MSINFO";

// The system-information programs of this platform, in the order they are looked for.
const std::vector<std::string>& SysInfoPrograms();
// The first of names found as an executable file in a folder of searchPath (folders separated by
// ':', as in PATH), or empty.
std::string FindProgram(const std::string& searchPath, const std::vector<std::string>& names);
// The registry this platform offers: the "PATH" value of the system-information key names the
// first system-information program on searchPath; when there is none, the key is missing.
RegistryView SystemRegistry(const std::string& searchPath);

}  // namespace tw
