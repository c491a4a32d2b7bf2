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

// What the settings hold, as the boxes show it. A setting that cannot be read is shown as it is
// written (a target on Monday's box), so that nothing is lost and OK asks to correct it.
WorkPreferences CurrentWorkPreferences();

// What was typed, as the three settings' texts, or the box to correct and why.
struct TypedWork {
  std::string target, daysOff, since;
  int wrong = -1;  // 0 to 6 a weekday's box from Monday, 7 the days off, 8 the first day; -1: none
  std::string problem;
};
// A day's hours may be written with a decimal comma (7,5); the texts come out in the settings' own
// form ("Mon=7.5", "2026-12-24,2026-12-28..2026-12-31").
TypedWork ReadTypedWork(const WorkPreferences& typed);

// Saves the settings whose text changes (none when what was typed cannot be read). False when a
// setting could not be saved: the window stays open with what was typed.
bool SaveTypedWork(const TypedWork& work);

}  // namespace tw
