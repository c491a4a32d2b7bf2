#include "preferences/preferences.h"

#include <optional>

#include "errors/guard.h"
#include "platform/platform.h"
#include "tracking/away.h"

namespace tw {

int SavePreferences(const std::string& idleMinutes, const std::string& remindHours) {
  struct Value {
    const char* key;
    const std::string& text;
    int max;
    const char* what;
  };
  const Value values[] = {{kIdleMinutesKey, idleMinutes, kIdleMinutesMax, "The minutes without input"},
                          {kRemindHoursKey, remindHours, kRemindHoursMax, "The hours before a reminder"}};
  std::optional<int> numbers[2];
  for (int i = 0; i < 2; ++i) {
    numbers[i] = ParseWholeNumber(values[i].text, values[i].max);
    if (numbers[i]) continue;
    platform().dialogs->MsgBox(std::string(values[i].what) + " must be a whole number from 0 to " +
                                   std::to_string(values[i].max) + " (0 turns it off).",
                               MsgStyle::OkOnly | MsgStyle::Exclamation, kProductName);
    return i;
  }
  Guard step("frmPreferences/Save");
  for (int i = 0; i < 2; ++i) {
    const bool went = step([&] {
      platform().settings->SaveSetting(kProductName, kSettingsSection, values[i].key,
                                       std::to_string(*numbers[i]));
    });
    // Not saved: the window stays open with what was typed.
    if (!went || step.failed()) return i;
  }
  return -1;
}

}  // namespace tw
