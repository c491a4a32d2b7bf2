#pragma once
// Start-up.

namespace tw {
class ControlService;
class frmMain;
}

namespace Setup {

// Shows the splash window, loads the main window hidden, sets the report day, fills the project
// box, registers the notification icon, removes the splash window, shows the main window and offers
// back a stretch the last run left running.
// Returns the main window (nullptr when start-up was left before it was loaded).
tw::frmMain* Main();

// Hands the requests from outside (D-Bus, the data folder's socket) to the main window's tracker,
// whose changes the service announces.
void AttachControl(tw::ControlService& control, tw::frmMain& main);

}  // namespace Setup
