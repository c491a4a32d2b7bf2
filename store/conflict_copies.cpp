#include "store/conflict_copies.h"

#include <unordered_map>

#include "billing/rates.h"
#include "platform/lines.h"
#include "platform/shared_folder.h"
#include "report/report_files.h"
#include "store/changes.h"
#include "store/machine_claim.h"

namespace tw {
namespace {

// The lines of copy that original and target lack (each line they hold makes up for one equal line
// of the copy), in the copy's order, each first put through convert, each with its CR LF; and how
// many they are. Both are read as they stand now, so that a second copy of the same file adds
// nothing the first one's merge added.
std::pair<std::string, std::size_t> MissingLines(const Files& files, const std::string& original,
                                                 const std::string& copy, const std::string& target,
                                                 const LineConversion& convert) {
  std::unordered_map<std::string, int> have;
  for (const std::string* held : {&original, &target}) {
    if (held->empty() || (held == &target && target == original)) continue;
    FileMissing([&] {
      Files::Reader reader = files.OpenRead(*held);
      LineReader lines(reader);
      for (std::string_view line; lines.Next(line);)
        if (!line.empty()) ++have[std::string(line)];
    });
  }
  std::string missing;
  std::size_t count = 0;
  Files::Reader reader = files.OpenRead(copy);
  LineReader lines(reader);
  for (std::string_view read; lines.Next(read);) {
    if (read.empty()) continue;
    const std::string line = convert ? convert(read) : std::string(read);
    const auto at = have.find(line);
    if (at != have.end() && at->second > 0)
      --at->second;
    else
      missing.append(line).append("\r\n"), ++count;
  }
  return {missing, count};
}

}  // namespace

ConflictCopies TidyConflictCopies(const Files& files, const std::string& folder, const std::string& device,
                                  const std::string& origin, std::int64_t unixNow) {
  ConflictCopies copies;
  if (!IsSharedFolder(folder)) return copies;
  const SharedFolderFiles names = ListSharedFolder(folder);
  if (names.conflicts.empty()) return copies;
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
      if (base == kReportFile) {
        MergeRecordsInto(files, DataFolder{folder, true, device}, copy, nullptr, c.name, origin, unixNow);
      } else if (const std::string missing = MissingLines(files, "", copy, JoinPath(folder, c.original), nullptr).first;
                 !missing.empty()) {
        files.Append(JoinPath(folder, c.original), missing);
      }
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

std::size_t MergeRecordsInto(const Files& files, const DataFolder& folder, const std::string& source,
                             const LineConversion& convert, const std::string& what, const std::string& origin,
                             std::int64_t unixNow) {
  const Files::Lock lock = files.LockFor(folder.File(kReportFile));
  const bool ownsLegacy = folder.shared && SameDeviceName(SharedBy(files, folder.path), folder.machine);
  const auto [missing, count] =
      MissingLines(files, ownsLegacy ? folder.File(kReportFile) : "", source, folder.Report(), convert);
  if (count == 0) return 0;
  // Claimed, and named anew when another machine holds the name, before anything is written.
  const DataFolder to = ReadyToWrite(files, folder, missing);
  if (to.machine != folder.machine) return MergeRecordsInto(files, to, source, convert, what, origin, unixNow);
  const std::string report = to.Report();
  const bool made = !files.Exists(report);
  const std::uint64_t at = made ? 0 : files.SizeOf(report);
  files.Append(report, missing);
  // An append after a last line without its line end gave it one first.
  Changes(files, to, origin, unixNow).Appended(StepKind::Merge, at, files.SizeOf(report) - at, what, made);
  return count;
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
