#pragma once
// This machine's claim of its name in a shared folder (platform/shared_folder.h), made before it
// writes anything under the name, and what follows when another machine turns out to have claimed
// the same name first (both named alike before either's files had arrived at the other):
//
// - the machine that claimed it later stops writing under it at once and takes a free name
//   ("desk-2"), into whose report it merges the records it wrote under the old one: the versions of
//   the old report (the report, a sync service's conflict copies of it, copies set aside for it)
//   that start with the first line it wrote there, which its claim notes;
// - the machine that holds the name sets aside, for the other to take, a version of its report
//   that the other machine started (the one a sync service kept, or a conflict copy), and puts its
//   own version, if a conflict copy holds it, back in its place.
//
// So two machines never go on writing one file, and the records of each end up in its own report.
// What a sync service dropped before either machine could see the clash (an engine that keeps no
// conflict copies keeps one version of a file both changed) is beyond recovery.
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/files.h"
#include "store/data_folder.h"

namespace tw {

// Makes sure this machine may write under its name in folder, before it writes there: claims the
// name when it has not, notes `firstLine` (the line about to be written) in the claim when it makes
// the report, and when another machine holds the name takes a free one (the setting DeviceName),
// with the records it wrote under the old one, and leaves the notice for the user (TakeNameNotice).
// When this machine holds the name, versions of its report another machine of the name started are
// set aside for that machine. Gives the folder to write in: `folder`, or the same folder under the
// new name. In a folder that is not shared, `folder` as it is.
DataFolder ReadyToWrite(const Files& files, const DataFolder& folder, std::string_view firstLine = "");

// ReadyToWrite's look at start-up and every half minute, without a line to write; it also takes
// into this machine's report the versions of a report under a name it gave up that have arrived
// since (set aside for it by the holder, a sync service's copies it started).
DataFolder LookAtMachineName(const Files& files, const DataFolder& folder);

// What a change of this machine's name told, once; empty when nothing is to be told.
std::string TakeNameNotice();

}  // namespace tw
