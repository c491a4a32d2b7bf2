// Where the data lives.
#include <gtest/gtest.h>

#include "platform/system.h"

namespace tw {
namespace {

TEST(Platform, DataLivesBesideAWritableProgramOtherwiseInTheUsersDataFolder) {
  EXPECT_EQ(ChooseDataFolder("/opt/tw", true, "/x", "/home/u"), "/opt/tw");
  EXPECT_EQ(ChooseDataFolder("/usr/bin", false, "/x/data", "/home/u"), "/x/data/Tallywright");
  // A relative or empty XDG_DATA_HOME is ignored, as the base directory rules say.
  for (const char* xdg : {"", "relative", static_cast<const char*>(nullptr)})
    EXPECT_EQ(ChooseDataFolder("/usr/bin", false, xdg, "/home/u"), "/home/u/.local/share/Tallywright");
}

}  // namespace
}  // namespace tw
