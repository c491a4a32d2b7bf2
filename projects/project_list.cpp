#include "projects/project_list.h"

#include <charconv>

#include "errors/guard.h"
#include "platform/platform.h"

namespace tw {

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.emplace_back(line);
    start = end + 1;
  }
  return lines;
}

}  // namespace tw

namespace Setup {

void RestoreRememberedProject(tw::MainView& form) {
  using namespace tw;
  const std::string text =
      platform().settings->GetSetting(kAppName, kSettingsSection, "Project", "");
  if (text.empty()) return;
  int index = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), index);
  if (ec != std::errc() || end != text.data() + text.size()) return;
  form.SetProjectIndex(index >= -1 && index < form.ProjectCount() ? index : -1);
}

bool ReadProjectList(tw::MainView& form) {
  using namespace tw;
  const bool result = true;
  Guard step("Setup/ReadProjectList");
  if (!step([&] { form.ClearProjects(); })) return result;
  const std::string path = ProgramFile(kProjectListFile);
  std::string content;
  bool missing = false;
  if (!step([&] {
        try {
          content = platform().files->ReadAll(path);
        } catch (const RunError& e) {
          if (e.number() != kErrFileNotFound) throw;
          missing = true;
        }
      }))
    return result;
  if (missing) return false;
  if (!step([&] { form.AddProjects(SplitLines(content)); })) return result;
  // The second entry, as files the program writes always have one; a shorter list made by hand
  // selects what it has.
  step([&] { form.SetProjectIndex(form.ProjectCount() >= 2 ? 1 : form.ProjectCount() - 1); });
  return result;
}

}  // namespace Setup
