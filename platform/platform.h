#pragma once
// The platform services the program runs on. Start-up fills them with the real ones; tests fill
// them with fakes. Routines that only decide something take what they need as parameters instead.
#include <optional>
#include <string_view>

#include "dates/date_format.h"
#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/clock.h"
#include "platform/settings.h"
#include "platform/shell.h"
#include "platform/system.h"

namespace tw {

struct Platform {
  Files* files = nullptr;
  Settings* settings = nullptr;
  Dialogs* dialogs = nullptr;
  System* system = nullptr;
  Clock* clock = nullptr;
  const DateFormat* dateFormat = nullptr;
  Shell* shell = nullptr;
  // Whether this copy owns the data folder (ClaimFolder, at start-up): only the owner keeps the
  // running stretch on disk. Another copy in the same folder leaves that to the owner.
  bool ownsDataFolder = true;
};

Platform& platform();

// A whole number from 0 to max, blanks around it allowed; nothing for any other text.
std::optional<int> ParseWholeNumber(std::string_view text, int max);
// A setting of the "Settings" section that holds such a number; any other text counts as fallback.
int WholeSetting(const char* key, int fallback, int max);

// A data file's full name: the data folder and the file name.
std::string DataFile(const std::string& name);

}  // namespace tw
