#include "store/conflict_copies.h"

#include <unordered_map>

#include "platform/lines.h"
#include "platform/shared_folder.h"
#include "report/report_files.h"
#include "store/changes.h"

namespace tw {
namespace {

// Appends to target the lines of copy that original and target lack (each line they hold makes up
// for one equal line of the copy), in the copy's order; gives where they start and their length.
// Both are read as they stand now, so that a second copy of the same file adds nothing the first
// one's merge added.
std::pair<std::uint64_t, std::uint64_t> AppendMissingLines(const Files& files, const std::string& original,
                                                           const std::string& copy, const std::string& target,
                                                           bool& made) {
  std::unordered_map<std::string, int> have;
  for (const std::string* held : {&original, &target}) {
    if (held == &target && target == original) break;
    FileMissing([&] {
      Files::Reader reader = files.OpenRead(*held);
      LineReader lines(reader);
      for (std::string_view line; lines.Next(line);)
        if (!line.empty()) ++have[std::string(line)];
    });
  }
  std::string missing;
  Files::Reader reader = files.OpenRead(copy);
  LineReader lines(reader);
  for (std::string_view line; lines.Next(line);) {
    if (line.empty()) continue;
    const auto at = have.find(std::string(line));
    if (at != have.end() && at->second > 0)
      --at->second;
    else
      missing.append(line).append("\r\n");
  }
  if (missing.empty()) return {0, 0};
  made = !files.Exists(target);
  const std::uint64_t at = files.SizeOf(target);
  files.Append(target, missing);
  // An append after a last line without its line end gave it one first.
  return {at, files.SizeOf(target) - at};
}

}  // namespace

ConflictCopies TidyConflictCopies(const Files& files, const std::string& folder, const std::string& device,
                                  const std::string& origin, std::int64_t unixNow) {
  ConflictCopies copies;
  if (!IsSharedFolder(folder)) return copies;
  const SharedFolderFiles names = ListSharedFolder(folder);
  if (names.conflicts.empty()) return copies;
  const std::string ownReport = DeviceFileName(kReportFile, device);
  const bool ownsLegacy = SameDeviceName(SharedBy(files, folder), device);
  const Files::Lock lock = files.LockFor(JoinPath(folder, kReportFile));
  for (const SharedFolderFiles::Conflict& c : names.conflicts) {
    const std::string copy = JoinPath(folder, c.name);
    const auto machine = MachineOfFile(c.original);
    const bool own = machine && SameDeviceName(machine->first, device);
    const std::string base = machine ? machine->second : c.original;
    if ((own && (base == kReportFile || base.substr(base.find('.')) == ".chg")) ||
        (c.original == kReportFile && ownsLegacy)) {
      // This machine's own records: whatever the copy holds more goes into them.
      const bool legacy = c.original == kReportFile;
      const std::string target = JoinPath(folder, legacy ? ownReport : c.original);
      bool made = false;
      const auto [at, size] = AppendMissingLines(files, JoinPath(folder, c.original), copy, target, made);
      if (target == JoinPath(folder, ownReport))
        Changes(files, DataFolder::At(folder), origin, unixNow).Appended(StepKind::Merge, at, size, c.name, made);
      files.Remove(copy);
      copies.merged.push_back(c.name);
    } else if (c.original == kSharedMarker || (own && base != kBackupFile)) {
      files.Remove(copy);
      copies.removed.push_back(c.name);
    } else if (base == kReportFile || base == kBackupFile) {
      copies.left.push_back(c.name + ": a copy of " + c.original +
                            (base == kReportFile ? ", which its machine merges into its report when Tallywright next "
                                                   "starts there"
                                                 : ", left as it is"));
    }
  }
  return copies;
}

std::string ConflictCopiesMessage(const ConflictCopies& copies) {
  if (copies.merged.empty() && copies.left.empty()) return "";
  std::string text = "A sync service left copies of Tallywright's files in the data folder, made when two "
                     "machines changed them at the same time.";
  for (const std::string& name : copies.merged) text += "\n\n" + name + ": merged into this machine's report and removed.";
  for (const std::string& what : copies.left) text += "\n\n" + what + ".";
  return text;
}

}  // namespace tw
