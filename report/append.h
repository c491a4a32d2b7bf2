#pragma once
// Appending one record to the report.
#include <string>

#include "app/main_view.h"
#include "platform/files.h"

namespace tw {

// The record line for a stretch, with its CR LF. It is always one record: line breaks become blanks,
// and so do commas in the project, start and end (the comment may hold commas).
std::string RecordLine(const std::string& project, const std::string& start, const std::string& end,
                       const std::string& comment);

// The project a record carries: the selected entry of the project box, or the box's edit text when
// no entry is selected.
std::string ChosenProject(const MainView& form);

}  // namespace tw

namespace Setup {

// Appends the stretch start..end with the main window's project and comment to "projrpt.pro".
// False when the record could not be written.
bool WriteRecord(const tw::MainView& form, const std::string& start, const std::string& end);

}  // namespace Setup
