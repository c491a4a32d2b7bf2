#pragma once
// The main window's load and unload sequences, and the remembered geometry.
#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>

#include "platform/folder_owner.h"
#include "platform/shell.h"
#include "state/forms.h"
#include "state/main_view.h"
#include "tracking/tracker.h"

namespace tw {

inline constexpr double kDefaultLeft = 3615;
inline constexpr double kDefaultTop = 2670;
inline constexpr double kDefaultWidth = 4770;
inline constexpr double kDefaultHeight = 3660;

// A decimal number written by the program ("3615", "-120", "1309.5"); nothing for other text.
std::optional<double> ParseNumber(std::string_view text);

// Claims the data folder for this copy, for as long as the claim returned lives, and notes in
// platform().ownsDataFolder whether it owns it: nothing when another copy does (or the folder cannot
// be claimed), and this copy then leaves the running stretch on disk to that one.
std::unique_ptr<FolderOwner> ClaimDataFolder();

// Load: left, top, width and height from the settings, each with its default. A value that is not
// a number counts as absent.
void MainFormLoad(MainView& form);

// Unload: records a running stretch, unloads every other window, saves the geometry unless the
// window is minimized, removes the notification icon, backs up the report and ends the process.
// leftAt (unix seconds) is where the person left when the end comes while they are away: the
// running stretch is then kept on disk, last seen there, for the next start to ask about.
void MainFormUnload(TrackerView& form, Forms& forms, const IconRecord& iconRecord,
                    std::optional<std::int64_t> leftAt = std::nullopt);

}  // namespace tw
