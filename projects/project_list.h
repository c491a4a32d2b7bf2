#pragma once
// The project list: "project.lst" in the program folder, one name per line, and the project box.
#include <string>
#include <string_view>
#include <vector>

#include "app/main_view.h"

namespace tw {

inline constexpr const char* kProjectListFile = "project.lst";

// The lines of a text, without their line ends (CR LF, or LF alone); a last line without a line
// end counts, an empty text has none.
std::vector<std::string> SplitLines(std::string_view text);

}  // namespace tw

namespace Setup {

// Selects the remembered project: the setting "Project" when it is not empty. A value that is not a
// number counts as absent; a position the box no longer has clears the selection.
void RestoreRememberedProject(tw::MainView& form);

// Fills the project box from "project.lst" and selects its second entry. False only when the file
// does not exist.
bool ReadProjectList(tw::MainView& form);

}  // namespace Setup
