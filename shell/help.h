#pragma once
// The Help menu's Contents and Search For Help On...: the help file opened in the help viewer.
#include <string>

#include "platform/shell.h"

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

// Help > Contents and Help > Search For Help On...: opens the help file in the viewer at its
// contents or at its keyword search; with no help file, says so in a box titled with the main
// window's caption. A viewer that fails says why in the program's box.
void ShowHelp(const std::string& mainCaption, const std::string& helpFile, HelpPage page);

}  // namespace tw
