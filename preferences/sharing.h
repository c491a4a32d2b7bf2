#pragma once
// What the program does for a data folder shared by several machines (platform/shared_folder.h),
// beside reading every machine's report: at start-up and every half minute it tidies the sync
// services' conflict copies, settles the project list from every machine's changes, and it names
// the stretches running on the other machines.
#include <string>

#include "state/main_view.h"

namespace tw {

// Tidies the conflict copies of the data folder and settles the project list (projects/shared_list.h),
// reading a list that changed into the project box (the chosen project kept). What became of copies
// that hold records or names is told once. Nothing happens in a folder that is not shared.
void CheckSharedFolder(MainView& form);

// "Also running on laptop: Alpha since ...", or empty.
std::string OtherMachinesStatus();

}  // namespace tw
