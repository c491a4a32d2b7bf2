#include "app/help.h"

#include <exception>

#include "platform/platform.h"
#include "version.h"

namespace tw {

std::string HelpFileSetting(const std::string& programFolder, const std::string& buildProgramFolder,
                            const std::string& buildHelpFile, const std::string& installedHelpFile) {
  if (!buildProgramFolder.empty() && programFolder == buildProgramFolder) return buildHelpFile;
  return installedHelpFile;
}

std::string HelpFileSetting() {
  return HelpFileSetting(platform().system->ProgramFolder(), kBuildProgramFolder, kBuildHelpFile,
                         kHelpFile);
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
