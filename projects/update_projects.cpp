#include "projects/update_projects.h"

#include "errors/guard.h"
#include "projects/project_list.h"

namespace tw {

void UpdateProjects(MainView& form, const ShowProjectEditor& showEditor) {
  Guard step("Main/UpdateProjects");
  if (!step([&] { Setup::ProjectList(form, showEditor); })) return;
  step([&] { Setup::RestoreRememberedProject(form); });
}

}  // namespace tw

namespace Setup {

void ProjectList(tw::MainView& form, const tw::ShowProjectEditor& showEditor) {
  tw::Guard step("Setup/ProjectList");
  step([&] { showEditor(form); });
}

}  // namespace Setup
