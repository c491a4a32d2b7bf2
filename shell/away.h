#pragma once
// The main window's look, every few seconds, at time away and at a stretch left running.
#include "state/main_view.h"
#include "state/tray_window.h"
#include "tracking/away.h"

namespace tw {

// An absence the person came back from brings the window forward and asks about it; a stretch
// running for long shows the reminder in a balloon of the notification icon.
void PollAway(MainView& form, TrayWindow& window, AwayWatch& watch, StretchReminder& reminder);

}  // namespace tw
