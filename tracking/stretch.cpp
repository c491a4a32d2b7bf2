#include "tracking/stretch.h"

#include "platform/platform.h"
#include "report/report_form.h"

namespace tw {

std::string NowText() {
  const Platform& p = platform();
  return ReportDateFormat().FormatGeneral(p.clock->Now());
}

std::string LastProject() {
  return platform().settings->GetSetting(kProductName, kSettingsSection, kLastProjectKey, "");
}

// Kept as a stretch is recorded, not as it starts, so that a start never waits on the settings
// file's write.
void RememberLastProject(const std::string& project) {
  try {
    if (!project.empty() && project != LastProject())
      platform().settings->SaveSetting(kProductName, kSettingsSection, kLastProjectKey, project);
  } catch (...) {
  }
}

}  // namespace tw
