#pragma once
// What Start Project and End Project share with the rest of the program: the moment as the report
// writes it and the project of the stretch recorded last. The routines themselves are the tracker
// model's (tracking/tracker.h).
#include <string>

namespace tw {

// The project of the stretch recorded last, typed or chosen from the list (the setting
// "LastProject"): what tallywright-ctl toggle starts again. Empty when none was kept.
inline constexpr const char* kLastProjectKey = "LastProject";
std::string LastProject();
// Keeps project as the last recorded; a failure to keep it costs no more than toggle's choice.
void RememberLastProject(const std::string& project);

// The current moment as the program writes it: in the report's date form.
std::string NowText();

}  // namespace tw
