#pragma once
// The About window's System Info button: the desktop's system-information program, started.
#include "platform/translate.h"

namespace tw {

inline constexpr const char* kSysInfoUnavailable = TW_TEXT("About", "System Information Is Unavailable At This Time");

// The system-information programs of the desktops, in the order they are looked for.
inline constexpr const char* kSysInfoPrograms[] = {"kinfocenter",         "hardinfo2",
                                                   "hardinfo",            "gnome-system-monitor",
                                                   "mate-system-monitor", "xfce4-taskmanager",
                                                   "lxtask"};

// Starts the first system-information program found on the search path, or tells the user that
// there is none, or that it could not be started.
void StartSysInfo();

}  // namespace tw
