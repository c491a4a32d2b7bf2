#pragma once
// Start Project and End Project of the main window.
#include <string>

#include "state/main_view.h"

namespace tw {

// Empties the end box and, unless the start box already holds a date-time, puts the current moment
// into it; the stretch, now running, is saved on disk. After the program's own End Then the old
// start is not taken up again: the new stretch starts now.
void StartProject(MainView& form);
// Puts the current moment into the end box unless it holds a date-time, shows the elapsed time and
// appends the stretch to the report (and then forgets the saved running stretch); tells the user when
// the record could not be written. True when the stretch was recorded.
bool EndProject(MainView& form);
// End Then of the program's questions (a stretch found at start-up, time away): End Project with
// `end` in the end box. The time after `end` is not work, so the next Start Project starts anew.
bool EndThen(MainView& form, const std::string& end);

// The project of the stretch recorded last, typed or chosen from the list (the setting
// "LastProject"): what tallywright-ctl toggle starts again. Empty when none was kept.
inline constexpr const char* kLastProjectKey = "LastProject";
std::string LastProject();

// The current moment as the program writes it: in the report's date form.
std::string NowText();

}  // namespace tw
