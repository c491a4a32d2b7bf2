#include "app/help.h"

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

void ShowHelp(std::uint32_t mainWindow, const std::string& mainCaption, const std::string& helpFile,
              std::uint32_t command) {
  Platform& p = platform();
  if (helpFile.empty()) {
    p.dialogs->MsgBox(kNoHelpFile, MsgStyle::OkOnly + MsgStyle::Information, mainCaption);
    return;
  }
  // The search opens with an empty keyword: the data is a zero-length text.
  static const std::uint16_t kNoKeyword = 0;
  std::string failure;
  bool failed = false;
  try {
    p.shell->WinHelpA(mainWindow, helpFile, command, &kNoKeyword);
  } catch (const std::exception& e) {
    failed = true;
    failure = e.what();
  }
  if (failed) p.dialogs->MsgBox(failure, MsgStyle::OkOnly, kProductName);
}

}  // namespace tw
