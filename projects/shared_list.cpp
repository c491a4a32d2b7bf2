#include "projects/shared_list.h"

#include <algorithm>
#include <map>

#include "platform/lines.h"
#include "platform/shared_folder.h"
#include "projects/project_list.h"
#include "platform/translate.h"

namespace tw {
namespace {

// The names of a list text: its entries without the empty one the file ends with.
std::vector<std::string> Names(std::string_view text) {
  std::vector<std::string> names = SplitLines(text);
  if (!names.empty() && names.back().empty()) names.pop_back();
  return names;
}

bool Holds(const std::vector<std::string>& names, const std::string& name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

// Of every name a change file mentions, whether its latest change added it (true) or removed it.
std::map<std::string, bool> LatestChanges(std::string_view changes) {
  std::map<std::string, std::pair<std::string, bool>> latest;  // name: stamp, added
  for (const std::string& line : SplitLines(changes)) {
    const size_t first = line.find('\t');
    if (first == std::string::npos || line.size() < first + 3 || line[first + 2] != '\t') continue;
    const char sign = line[first + 1];
    if (sign != '+' && sign != '-') continue;
    const std::string stamp = line.substr(0, first), name = line.substr(first + 3);
    auto& known = latest[name];
    if (stamp >= known.first) known = {stamp, sign == '+'};
  }
  std::map<std::string, bool> out;
  for (const auto& [name, change] : latest) out[name] = change.second;
  return out;
}

}  // namespace

std::string ProjectChangeLines(std::string_view before, std::string_view after, std::int64_t unixNow) {
  const std::vector<std::string> old = Names(before), now = Names(after);
  const std::string stamp = UtcStamp(unixNow);
  std::string lines;
  for (const std::string& name : now)
    if (!name.empty() && !Holds(old, name)) lines += stamp + "\t+\t" + name + "\r\n";
  for (const std::string& name : old)
    if (!name.empty() && !Holds(now, name)) lines += stamp + "\t-\t" + name + "\r\n";
  return lines;
}

void NoteProjectChanges(const Files& files, const std::string& folder, std::string_view before,
                        std::string_view after, std::int64_t unixNow) {
  if (!IsSharedFolder(folder)) return;
  const std::string lines = ProjectChangeLines(before, after, unixNow);
  try {
    if (!lines.empty()) files.Append(MachineFile(folder, kProjectChangesFile), lines);
  } catch (const RunError&) {
    // The list itself is saved; without the note a later merge keeps a name removed here.
  }
}

std::string MergedProjectList(std::string_view main, std::string_view copy, std::string_view changes) {
  const std::vector<std::string> a = Names(main), b = Names(copy);
  const std::map<std::string, bool> latest = LatestChanges(changes);
  // A name in one list only was removed from the other when a machine noted that last.
  auto removed = [&](const std::string& name) {
    const auto at = latest.find(name);
    return at != latest.end() && !at->second;
  };
  std::vector<std::string> merged;
  for (const std::string& name : a)
    if (name.empty() || Holds(b, name) || !removed(name)) merged.push_back(name);
  for (const std::string& name : b)
    if (!name.empty() && !Holds(a, name) && !removed(name)) merged.push_back(name);
  return ListText(merged);
}

ListMerge MergeProjectListCopies(const Files& files, const std::string& folder) {
  ListMerge merge;
  std::vector<std::string> copies;
  for (const SharedFolderFiles::Conflict& c : ListSharedFolder(folder).conflicts)
    if (c.original == kProjectListFile) copies.push_back(c.name);
  if (copies.empty()) return merge;

  const std::string list = JoinPath(folder, kProjectListFile);
  const Files::Lock lock = files.LockFor(list);
  std::string changes;
  for (const SharedFolderFiles::DeviceFile& f : DeviceFiles(folder, kProjectChangesFile))
    FileMissing([&] { changes += files.ReadAll(JoinPath(folder, f.name)); });
  std::string before;
  FileMissing([&] { before = files.ReadAll(list); });
  std::string text = before;
  for (const std::string& copy : copies) {
    std::string other;
    if (FileMissing([&] { other = files.ReadAll(JoinPath(folder, copy)); })) continue;
    text = MergedProjectList(text, other, changes);
    merge.copies.push_back(copy);
  }
  if (text != before) files.Replace(list, MachineFile(folder, kProjectListScratch), text);
  for (const std::string& copy : merge.copies) FileMissing([&] { files.Remove(JoinPath(folder, copy)); });
  const std::vector<std::string> old = Names(before), now = Names(text);
  for (const std::string& name : now)
    if (!name.empty() && !Holds(old, name)) merge.added.push_back(name);
  for (const std::string& name : old)
    if (!name.empty() && !Holds(now, name)) merge.removed.push_back(name);
  return merge;
}

std::string ListMergeMessage(const ListMerge& merge) {
  auto listed = [](const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& name : names) text += (text.empty() ? "" : ", ") + name;
    return text;
  };
  std::string message =
      Tr("ProjectList", "The project list was changed on two machines at the same time. Both changes are kept in one list");
  if (!merge.added.empty()) message += Arg(Tr("ProjectList", "; added: %1"), {listed(merge.added)});
  if (!merge.removed.empty()) message += Arg(Tr("ProjectList", "; removed: %1"), {listed(merge.removed)});
  return message + Arg(Tr("ProjectList", ".\n\nThe sync service's copy, %1, has been merged and removed."),
                       {listed(merge.copies)});
}

}  // namespace tw
