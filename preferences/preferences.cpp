#include "preferences/preferences.h"

#include <optional>

#include "errors/guard.h"
#include "platform/platform.h"
#include "tracking/away.h"
#include "platform/translate.h"

namespace tw {

int SavePreferences(const std::string& idleMinutes, const std::string& remindHours) {
  struct Value {
    const char* key;
    const std::string& text;
    int max;
    const char* what;  // the message for a value that is no such number
  };
  const Value values[] = {
      {kIdleMinutesKey, idleMinutes, kIdleMinutesMax,
       TW_TEXT("Preferences", "The minutes without input must be a whole number from 0 to %1 (0 turns it off).")},
      {kRemindHoursKey, remindHours, kRemindHoursMax,
       TW_TEXT("Preferences", "The hours before a reminder must be a whole number from 0 to %1 (0 turns it off).")}};
  std::optional<int> numbers[2];
  for (int i = 0; i < 2; ++i) {
    numbers[i] = ParseWholeNumber(values[i].text, values[i].max);
    if (numbers[i]) continue;
    platform().dialogs->MsgBox(Arg(Tr("Preferences", values[i].what), {std::to_string(values[i].max)}),
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
