#include "report/conflict_copies.h"

#include <unordered_map>

#include "billing/rates.h"
#include "platform/lines.h"
#include "platform/shared_folder.h"
#include "report/report_files.h"

namespace tw {
namespace {

// Appends to target the lines of copy that original lacks (each line of original makes up for one
// equal line of the copy), in the copy's order.
void AppendMissingLines(const Files& files, const std::string& original, const std::string& copy,
                        const std::string& target) {
  std::unordered_map<std::string, int> have;
  FileMissing([&] {
    Files::Reader reader = files.OpenRead(original);
    LineReader lines(reader);
    for (std::string_view line; lines.Next(line);)
      if (!line.empty()) ++have[std::string(line)];
  });
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
  if (!missing.empty()) files.Append(target, missing);
}

}  // namespace

ConflictCopies TidyConflictCopies(const Files& files, const std::string& folder, const std::string& device) {
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
    if ((own && (base == kReportFile || base.substr(base.find('.')) == ".chg" || base == kRatesFile)) ||
        (c.original == kReportFile && ownsLegacy)) {
      // This machine's own files whose lines only add up (its records, its notes of the project
      // list's changes, its rates, where a fact's latest line holds wherever it stands): whatever
      // the copy holds more goes into them.
      const bool legacy = c.original == kReportFile;
      AppendMissingLines(files, JoinPath(folder, c.original), copy, JoinPath(folder, legacy ? ownReport : c.original));
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
