#pragma once
// The Help menu's Contents and Search For Help On...: the help file opened in the help viewer.
#include <cstdint>
#include <string>

namespace tw {

inline constexpr const char* kNoHelpFile =
    "The help file is not currently available. It is being developed.";

// The help file the program opens: where the build put it when running from the build folder
// (buildProgramFolder), otherwise the installed one. Empty when the program has none.
std::string HelpFileSetting(const std::string& programFolder, const std::string& buildProgramFolder,
                            const std::string& buildHelpFile, const std::string& installedHelpFile);
// The program's own help file setting.
std::string HelpFileSetting();

// Help > Contents (HELP_CONTENTS) and Help > Search For Help On... (HELP_PARTIALKEY): opens the
// help file in the viewer; with no help file, says so in a box titled with the main window's
// caption.
void ShowHelp(std::uint32_t mainWindow, const std::string& mainCaption, const std::string& helpFile,
              std::uint32_t command);

}  // namespace tw
