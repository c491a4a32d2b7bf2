#pragma once
// What the splash and About windows say.
#include <string>

#include "platform/product.h"
#include "platform/translate.h"

namespace tw {

inline constexpr const char* kMakerName = "Quillfen";
inline constexpr const char* kCompanyName = "Quillfen Software";
inline constexpr const char* kCopyright = TW_TEXT("About", "Copyright \u00A9 2026 Quillfen.\nFree to use and to share.");
inline constexpr const char* kDisclaimer = TW_TEXT(
    "About",
    "Tallywright is provided as it is, without warranty of any kind. Back up your report file "
    "before you rely on it for billing.");
inline constexpr const char* kDescription = TW_TEXT(
    "About",
    "Keep track of multiple projects and the time invested in them. Visit www.quillfen.example for "
    "news and updates.");

// "Version 1.0.0".
std::string VersionText(int major, int minor, int revision);
// The program's own: "Version " and its version numbers.
std::string VersionText();

}  // namespace tw
