#pragma once
// The Preferences window's routines for the working-time target: the hours of each weekday, the
// days off and the first day of the balance, as the window's boxes show them, checked and saved as
// the settings WorkTarget, DaysOff and BalanceSince (billing/work_target.h).
#include <array>
#include <string>

namespace tw {

struct WorkPreferences {
  std::array<std::string, 7> hours;  // Monday first; empty: no work that day
  std::string daysOff;
  std::string since;
};

// What the settings hold, as the boxes show it (a setting that cannot be read shown as it is
// written, in the box of days off or of the first day, or on Monday's box).
WorkPreferences CurrentWorkPreferences();

// Saves the three settings, or none when one cannot be read: the message is shown, and the box to
// correct is given (0 to 6 a weekday's from Monday, 7 the days off, 8 the first day); -1 when saved.
// A day's hours may be written with a decimal comma (7,5).
int SaveWorkPreferences(const WorkPreferences& typed);

}  // namespace tw
