// The platform layer's records and views: the notification icon's record, the registry this
// platform offers, and where the data lives.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include "platform/notify_icon.h"
#include "platform/registry.h"
#include "platform/system.h"
#include "tests/support/fakes.h"

namespace tw {
namespace {

TEST(Platform, TheIconRecordIsTheShellsEightyEightBytes) {
  const auto bytes = MakeNotifyIconRecord(0x01020304, 0x0A0B0C0D).Bytes();
  const std::string head = std::string("\x58\0\0\0\x04\x03\x02\x01\x01\0\0\0\x07\0\0\0\0\x02\0\0\x0D\x0C\x0B\x0A", 24) +
                           std::string("Tallywright\0", 12) + std::string(52, ' ');
  EXPECT_EQ(std::string(bytes.begin(), bytes.end()), head);
}

TEST(Platform, DataLivesBesideAWritableProgramOtherwiseInTheUsersDataFolder) {
  EXPECT_EQ(ChooseDataFolder("/opt/tw", true, "/x", "/home/u"), "/opt/tw");
  EXPECT_EQ(ChooseDataFolder("/usr/bin", false, "/x/data", "/home/u"), "/x/data/Tallywright");
  // A relative or empty XDG_DATA_HOME is ignored, as the base directory rules say.
  for (const char* xdg : {"", "relative", static_cast<const char*>(nullptr)})
    EXPECT_EQ(ChooseDataFolder("/usr/bin", false, xdg, "/home/u"), "/home/u/.local/share/Tallywright");
}

TEST(Platform, TheRegistryNamesTheFirstSystemInformationProgramOnTheSearchPath) {
  test::TempFolder first, second;
  first.Write("kinfocenter", "");  // not executable: passed over
  second.Write("kinfocenter", "");
  second.Write("hardinfo", "");
  ::chmod(second.File("kinfocenter").c_str(), 0755);
  ::chmod(second.File("hardinfo").c_str(), 0755);
  RegistryView view = SystemRegistry(first.path() + "::" + second.path());
  std::uint32_t key = 0, type = 0, size = 1024;
  std::string value(size, '\0');
  ASSERT_EQ(view.RegOpenKeyExA(HKEY_LOCAL_MACHINE, kSysInfoKey, 0, 0, &key), ERROR_SUCCESS);
  ASSERT_EQ(view.RegQueryValueExA(key, "path", &type, value.data(), &size), ERROR_SUCCESS);
  EXPECT_EQ(value.substr(0, size), second.File("kinfocenter") + '\0');
  EXPECT_EQ(view.RegCloseKey(key), ERROR_SUCCESS);
  RegistryView none = SystemRegistry(first.path());
  EXPECT_EQ(none.RegOpenKeyExA(HKEY_LOCAL_MACHINE, kSysInfoKey, 0, 0, &key), ERROR_FILE_NOT_FOUND);
}

}  // namespace
}  // namespace tw
