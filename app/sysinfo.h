#pragma once
// The About window's System Info button: the system-information program that the registry names.
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/registry.h"

namespace tw {

inline constexpr const char* kSysInfoUnavailable = "System Information Is Unavailable At This Time";
// The access GetKeyValue asks for when it opens a key.
inline constexpr std::uint32_t kKeyAccess = 0x2003F;

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

}  // namespace tw
