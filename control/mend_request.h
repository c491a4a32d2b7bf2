#pragma once
// A mending verb (control/mend.h) as the running program takes it over the data folder's socket:
//   mend VERB ARG...   answered "ok", the exit status, what it printed and what it said on err.
// Both tallywright-ctl commands ask it so, the quick one with no Qt included.
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "platform/folder_owner.h"

namespace tw {

// The mending verbs, in the order --help lists them.
inline constexpr std::string_view kMendVerbNames[] = {"track", "list", "edit", "delete", "split", "undo", "redo", "history"};
bool IsMendVerb(std::string_view verb);
// list and history, which only read the record; the others change it.
bool MendVerbOnlyReads(std::string_view verb);

std::string MendRequest(const std::string& verb, const std::vector<std::string>& args);
bool IsMendRequest(std::string_view request);
// The answer printed as RunMend would have printed it; its exit status.
int PrintMendAnswer(std::string_view answer, std::ostream& out, std::ostream& err);
// A mending verb asked of the folder's owner through askOwner and its answer printed: the exit
// status; nothing when no copy owns the folder (nothing was sent), or when the answer to a verb
// that only reads was lost (too long, say), so that the folder is read here instead.
std::optional<int> AskOwnerToMend(const std::function<OwnerAnswer(std::string_view)>& askOwner, const std::string& verb,
                                  const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace tw
