#pragma once
// The Preferences window's routine: the settings of time away, checked and saved.
#include <string>

namespace tw {

// Saves both values typed, as text, or neither: a value that is no whole number in its range is
// refused with a message. Gives the box to correct (0 the minutes, 1 the hours), or -1 when saved.
int SavePreferences(const std::string& idleMinutes, const std::string& remindHours);

}  // namespace tw
