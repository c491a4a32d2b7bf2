#pragma once
// The Help menu's Contents and Search For Help On...: the help file opened in the help viewer.
#include <cstdint>
#include <string>

namespace tw {

class Files;

inline constexpr const char* kNoHelpFile =
    "The help file is not currently available. It is being developed.";

inline constexpr const char* kHelpFileName = "TALLYWRT.HLP";

// The help file the program opens, as an absolute path: the first "TALLYWRT.HLP" found beside the
// program (a copy of the program, a run from the build folder), in ../share/tallywright/ from the
// program's folder (an install under any prefix, staged or not), or in the configured folder. When
// none is there, the configured one, for the viewer to say it cannot be opened. Empty when the
// program was built without help (no configured folder).
std::string FindHelpFile(const Files& files, const std::string& programFolder,
                         const std::string& configuredFolder);
// The program's own help file.
std::string HelpFileSetting();

// Help > Contents (HELP_CONTENTS) and Help > Search For Help On... (HELP_PARTIALKEY): opens the
// help file in the viewer; with no help file, says so in a box titled with the main window's
// caption.
void ShowHelp(std::uint32_t mainWindow, const std::string& mainCaption, const std::string& helpFile,
              std::uint32_t command);

}  // namespace tw
