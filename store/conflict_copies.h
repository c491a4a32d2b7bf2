#pragma once
// Sync services' conflict copies of the machines' files in a shared folder. No file has two
// writers, so they are rare (a machine restored from a backup, two machines given one name), but
// one holds records that must not be lost: each machine merges the copies of its own report into
// it (the lines the report lacks are appended) and removes the copies of its own date form,
// running stretch and the folder's marker, which hold no records. A copy of another machine's
// report or of any backup is left for its machine, and the user is told which file holds what.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/files.h"
#include "store/data_folder.h"

namespace tw {

struct ConflictCopies {
  std::vector<std::string> merged;   // copies of this machine's report, merged into it and removed
  std::vector<std::string> removed;  // copies without records, removed
  std::vector<std::string> left;     // "<copy>: <what it is a copy of>", left where they are
};

// Tidies the conflict copies of folder for the machine `device`, under the folder's lock.
// A copy merged into this machine's report is one step of its history, made from `origin` at unixNow.
ConflictCopies TidyConflictCopies(const Files& files, const std::string& folder, const std::string& device,
                                  const std::string& origin, std::int64_t unixNow);

// A line of records as it is to be merged (in another date form, say); nothing for as it is.
using LineConversion = std::function<std::string(std::string_view)>;

// Merges into this machine's report in folder the lines of `source` (a conflict copy of it, or the
// report of another folder where this machine kept records) that it lacks, each first put
// through `convert`: each line the report holds, or in a shared folder the report from before the
// sharing when this machine shared it, makes up for one equal line of the source; the rest are
// appended in the source's order, as one step of the history (`what` names the source) made from
// `origin` at unixNow. Under the folder's lock; gives how many lines were appended.
std::size_t MergeRecordsInto(const Files& files, const DataFolder& folder, const std::string& source,
                             const LineConversion& convert, const std::string& what, const std::string& origin,
                             std::int64_t unixNow);

// What the user is told of the copies merged and left (removed ones need no word); empty when
// there is nothing to tell.
std::string ConflictCopiesMessage(const ConflictCopies& copies);

}  // namespace tw
