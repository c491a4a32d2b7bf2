#pragma once
// The record of a stretch: the main window's project and comment with its start and end.
#include <string>

#include "state/main_view.h"

namespace tw {

// The project a record carries: the selected entry of the project box, or the box's edit text when
// no entry is selected.
std::string ChosenProject(const MainView& form);

}  // namespace tw

namespace Setup {

// Appends the stretch start..end with the main window's project and comment to "projrpt.pro".
// False when the record could not be written.
bool WriteRecord(const tw::MainView& form, const std::string& start, const std::string& end);

}  // namespace Setup
