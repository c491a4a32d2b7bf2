#pragma once
// The project list of a folder shared by several machines. Each machine notes its own changes of
// the list (names added and removed, with the moment, in UTC) in a file only it writes,
// "project.<device>.chg", and those notes are the truth: "project.lst" is derived from them on every
// machine, so that whichever version of the list a sync service keeps, or which conflict copy it
// leaves, no machine's change is lost. The list itself stays a plain list of names, read by the
// project box and edited by Update Projects as in a folder of one machine.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/files.h"

namespace tw {

inline constexpr const char* kProjectChangesFile = "project.chg";

// The lines noting the change from one list text to another (names added, then removed), each with
// CR LF; empty when no name came or went.
std::string ProjectChangeLines(std::string_view before, std::string_view after, std::int64_t unixNow);

// Notes, in a shared folder, the change of the list from `before` to `after` in this machine's
// change file; elsewhere nothing. A note that cannot be written is left out.
void NoteProjectChanges(const Files& files, const std::string& folder, std::string_view before,
                        std::string_view after, std::int64_t unixNow);

// One machine's change file, as read.
struct NotedChanges {
  std::string device;
  std::string text;
};

// The list text derived from `base` (the list as it stands) and every machine's notes: base's
// entries in their order, without the names whose latest change removed them, then the names whose
// latest change added them that base lacks, in the order they were added. Of two changes of one
// name the later by stamp counts, at the same second the one of the machine whose name sorts last.
// The same notes and base give the same list on every machine, and deriving again changes nothing.
std::string DerivedProjectList(std::string_view base, const std::vector<NotedChanges>& changes);

// Every machine's change file in folder, by device name.
std::vector<NotedChanges> ReadNotedChanges(const Files& files, const std::string& folder);

// What settling the list changed, for the user.
struct ListMerge {
  std::vector<std::string> copies;          // the sync service's conflict copies merged and removed
  std::vector<std::string> added, removed;  // names the list gained or lost
  bool written = false;                     // the list was written anew
  bool Happened() const { return !copies.empty(); }
};

// Settles the list of a shared folder, under its lock: derived (DerivedProjectList) from the list
// joined with the names of its conflict copies that it lacks, written when that changes it, and the
// copies removed. Nothing happens in a folder that is not shared.
ListMerge SettleProjectList(const Files& files, const std::string& folder);

// The message telling the user of conflict copies merged, once; empty when none were.
std::string ListMergeMessage(const ListMerge& merge);

}  // namespace tw
