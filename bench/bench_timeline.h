#pragma once
// The Timeline window's benchmark rows.
#include <string>

#include "platform/files.h"
#include "state/main_view.h"

namespace tw::bench {

// The busiest week of `report` (the program's report, in the user's form) in the Timeline window:
// its read against the day report of its busiest day, the window opened against the report window
// of that day, a drag's redraw, and the memory the window takes above what the program held.
void TimelineRows(const Files& files, const std::string& report, MainView& form, const std::string& records);

}  // namespace tw::bench
