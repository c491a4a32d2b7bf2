#pragma once
// Update Projects on the main window: the project list editor shown modally, then the remembered
// project selected again.
#include <functional>

#include "state/main_view.h"

namespace tw {

// Shows the project list editor modally for form, its Save filling form's project box; returns
// when the editor is hidden or unloaded. The windows supply it.
using ShowProjectEditor = std::function<void(MainView& form)>;

// Location "Main/UpdateProjects".
void UpdateProjects(MainView& form, const ShowProjectEditor& showEditor);

}  // namespace tw

namespace Setup {

// Shows the project list editor modally; returns when it is hidden or unloaded.
void ProjectList(tw::MainView& form, const tw::ShowProjectEditor& showEditor);

}  // namespace Setup
