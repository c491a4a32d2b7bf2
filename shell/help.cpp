#include "shell/help.h"

#include <exception>
#include <filesystem>

#include "platform/platform.h"
#include "version.h"

namespace tw {

std::string FindHelpFile(const Files& files, const std::string& programFolder,
                         const std::string& configuredFolder) {
  if (configuredFolder.empty()) return {};
  namespace fs = std::filesystem;
  const fs::path program(programFolder);
  const fs::path configured = fs::path(configuredFolder) / kHelpFileName;
  for (const fs::path& place : {program / kHelpFileName,
                                program / ".." / "share" / "tallywright" / kHelpFileName,
                                configured}) {
    const std::string path = place.lexically_normal().string();
    if (files.Exists(path)) return path;
  }
  return configured.lexically_normal().string();
}

std::string HelpFileSetting() {
  return FindHelpFile(*platform().files, platform().system->ProgramFolder(), kHelpFolder);
}

void ShowHelp(const std::string& mainCaption, const std::string& helpFile, HelpPage page) {
  Platform& p = platform();
  if (helpFile.empty()) {
    p.dialogs->MsgBox(kNoHelpFile, MsgStyle::OkOnly + MsgStyle::Information, mainCaption);
    return;
  }
  try {
    p.shell->OpenHelp(helpFile, page);
  } catch (const std::exception& e) {
    p.dialogs->MsgBox(e.what(), MsgStyle::OkOnly, kProductName);
  }
}

}  // namespace tw
