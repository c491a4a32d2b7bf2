#include "projects/shared_list.h"

#include <algorithm>
#include <map>
#include <tuple>

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

// A name's latest change: when, by which machine, where in its file, and whether it added the name.
struct Change {
  std::string stamp, device;
  size_t line = 0;
  bool added = false;
  bool operator<(const Change& o) const { return std::tie(stamp, device, line) < std::tie(o.stamp, o.device, o.line); }
};

// Of every name the change files mention, its latest change.
std::map<std::string, Change> LatestChanges(const std::vector<NotedChanges>& changes) {
  std::map<std::string, Change> latest;
  for (const NotedChanges& file : changes) {
    size_t number = 0;
    for (const std::string& line : SplitLines(file.text)) {
      ++number;
      const size_t first = line.find('\t');
      if (first == std::string::npos || line.size() < first + 3 || line[first + 2] != '\t') continue;
      const char sign = line[first + 1];
      if (sign != '+' && sign != '-') continue;
      const Change change{line.substr(0, first), file.device, number, sign == '+'};
      const std::string name = line.substr(first + 3);
      const auto at = latest.find(name);
      if (at == latest.end() || at->second < change) latest.insert_or_assign(name, change);
    }
  }
  return latest;
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

std::string DerivedProjectList(std::string_view base, const std::vector<NotedChanges>& changes) {
  const std::map<std::string, Change> latest = LatestChanges(changes);
  const std::vector<std::string> entries = Names(base);
  std::vector<std::string> list;
  for (const std::string& name : entries) {
    const auto at = latest.find(name);
    if (name.empty() || at == latest.end() || at->second.added) list.push_back(name);
  }
  std::vector<std::pair<const Change*, const std::string*>> added;
  for (const auto& [name, change] : latest)
    if (change.added && !name.empty() && !Holds(entries, name)) added.push_back({&change, &name});
  std::sort(added.begin(), added.end(), [](const auto& a, const auto& b) {
    return std::tie(a.first->stamp, *a.second) < std::tie(b.first->stamp, *b.second);
  });
  for (const auto& [change, name] : added) list.push_back(*name);
  return ListText(list);
}

std::vector<NotedChanges> ReadNotedChanges(const Files& files, const std::string& folder) {
  std::vector<NotedChanges> changes;
  for (const SharedFolderFiles::DeviceFile& f : DeviceFiles(folder, kProjectChangesFile)) {
    NotedChanges noted{f.device, ""};
    if (!FileMissing([&] { noted.text = files.ReadAll(JoinPath(folder, f.name)); })) changes.push_back(std::move(noted));
  }
  return changes;
}

ListMerge SettleProjectList(const Files& files, const std::string& folder) {
  ListMerge merge;
  if (!IsSharedFolder(folder)) return merge;
  const std::string list = JoinPath(folder, kProjectListFile);
  const Files::Lock lock = files.LockFor(list);
  std::string before;
  const bool missing = FileMissing([&] { before = files.ReadAll(list); });
  // A conflict copy's names the list lacks are part of the list too: a name never noted (kept
  // from before the notes were) is lost by no sync service's choice.
  std::vector<std::string> base = Names(before);
  for (const SharedFolderFiles::Conflict& c : ListSharedFolder(folder).conflicts) {
    if (c.original != kProjectListFile) continue;
    std::string copy;
    if (FileMissing([&] { copy = files.ReadAll(JoinPath(folder, c.name)); })) continue;
    for (const std::string& name : Names(copy))
      if (!name.empty() && !Holds(base, name)) base.push_back(name);
    merge.copies.push_back(c.name);
  }
  // No list yet (not arrived, or none made): made by the first machine whose user changes it,
  // never from notes alone, which lack the names kept from before notes were.
  if (missing) return merge;
  const std::vector<NotedChanges> changes = ReadNotedChanges(files, folder);
  const std::string text = DerivedProjectList(ListText(base), changes);
  if (text != before) {
    files.Replace(list, MachineFile(folder, kProjectListScratch), text);
    merge.written = true;
  }
  for (const std::string& copy : merge.copies) FileMissing([&] { files.Remove(JoinPath(folder, copy)); });
  const std::vector<std::string> old = Names(before), now = Names(text);
  for (const std::string& name : now)
    if (!name.empty() && !Holds(old, name)) merge.added.push_back(name);
  for (const std::string& name : old)
    if (!name.empty() && !Holds(now, name)) merge.removed.push_back(name);
  return merge;
}

std::string ListMergeMessage(const ListMerge& merge) {
  if (!merge.Happened()) return "";
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
