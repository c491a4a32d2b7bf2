#include "state/main_view.h"

#include <charconv>

#include "platform/platform.h"

namespace Setup {

void RestoreRememberedProject(tw::TrackingBoxes& form) {
  using namespace tw;
  const std::string text =
      platform().settings->GetSetting(kProductName, kSettingsSection, "Project", "");
  if (text.empty()) return;
  int index = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), index);
  if (ec != std::errc() || end != text.data() + text.size()) return;
  form.SetProjectIndex(index >= -1 && index < form.ProjectCount() ? index : -1);
}

void RememberProject(const tw::TrackingBoxes& form) {
  using namespace tw;
  // Written only when it changes: every write of the settings waits for the disk.
  const std::string index = std::to_string(form.ProjectIndex());
  Settings& settings = *platform().settings;
  if (settings.GetSetting(kProductName, kSettingsSection, "Project", "") != index)
    settings.SaveSetting(kProductName, kSettingsSection, "Project", index);
}

}  // namespace Setup
