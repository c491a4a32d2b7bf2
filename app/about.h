#pragma once
// What the splash and About windows say, the About window's System Info button, and the Help
// menu's two help entries.
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/registry.h"

namespace tw {

inline constexpr const char* kAppTitle = "Tallywright";
inline constexpr const char* kMakerName = "Quillfen";
inline constexpr const char* kCompanyName = "Quillfen Software";
inline constexpr const char* kCopyright = "Copyright \u00A9 2026 Quillfen.\nFree to use and to share.";
inline constexpr const char* kDisclaimer =
    "Tallywright is provided as it is, without warranty of any kind. Back up your report file "
    "before you rely on it for billing.";
inline constexpr const char* kDescription =
    "Keep track of multiple projects and the time invested in them. Visit www.quillfen.example for "
    "news and updates.";
inline constexpr const char* kSysInfoUnavailable = "System Information Is Unavailable At This Time";
inline constexpr const char* kNoHelpFile =
    "The help file is not currently available. It is being developed.";

// The access GetKeyValue asks for when it opens a key.
inline constexpr std::uint32_t kKeyAccess = 0x2003F;

// "Version 1.0.0".
std::string VersionText(int major, int minor, int revision);
// The program's own: "Version " and its version numbers.
std::string VersionText();

// A value's bytes as the registry answered them: the first size bytes of buffer, less a last zero
// byte (the terminator a text usually carries).
std::string TrimRegistryText(std::string_view buffer, std::uint32_t size);
// A 32-bit number's bytes (least significant first, as stored) as decimal text; the number is
// signed, so FF FF FF FF reads -1.
std::string NumberValueText(std::string_view bytes);

// Reads valueName of keyName under root into value: a text as it is, a 32-bit number as decimal
// text, any other kind leaves value as it was. False, with value emptied, when the key cannot be
// opened or the value cannot be read. The key is closed on every path.
bool GetKeyValue(Registry& registry, std::uint32_t root, const std::string& keyName,
                 const std::string& valueName, std::string& value);

// Starts the system-information program that the registry names, or tells the user it cannot.
void StartSysInfo();

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
