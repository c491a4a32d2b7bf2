#pragma once
// The project list of a folder shared by several machines. Every machine keeps "project.lst", so
// two machines changing it at once leave a sync service's conflict copy beside it. Each machine
// also notes its own changes of the list (names added and removed, with the moment) in a file of
// its own, "project.<device>.chg", so that a merge of the copy knows a name missing from one list
// as removed there rather than added in the other: the merged list holds the names of both lists,
// without those that were removed on one machine and are missing from one list.
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

// The list text that merges `main` and `copy`, given every machine's noted changes (the texts of
// the change files, one after another).
std::string MergedProjectList(std::string_view main, std::string_view copy, std::string_view changes);

// What a merge changed, for the user.
struct ListMerge {
  std::vector<std::string> copies;                // the conflict copies merged and removed
  std::vector<std::string> added, removed;        // names the list gained or lost by it
  bool Happened() const { return !copies.empty(); }
};

// Merges every conflict copy of "project.lst" in folder into it and removes the copies, under
// the folder's lock. Nothing happens in a folder without copies.
ListMerge MergeProjectListCopies(const Files& files, const std::string& folder);

// The message telling the user of a merge, once.
std::string ListMergeMessage(const ListMerge& merge);

}  // namespace tw
