#include "store/machine_claim.h"

#include <algorithm>
#include <filesystem>
#include <vector>

#include "platform/lines.h"
#include "platform/platform.h"
#include "platform/shared_folder.h"
#include "report/amendment.h"
#include "report/report_files.h"
#include "store/changes.h"
#include "store/conflict_copies.h"

namespace tw {
namespace {

constexpr const char* kNameNoticeKey = "NameNotice";
constexpr const char* kFromSharing = "shared folder";

// A hash of a file's first line; empty when it has none (missing, empty).
std::string FirstLineHash(const Files& files, const std::string& path) {
  std::string head;
  try {
    if (FileMissing([&] { head = files.ReadAt(path, 0, 64 * 1024); })) return "";
  } catch (const RunError&) {
    return "";
  }
  const size_t end = head.find_first_of("\r\n");
  if (end == 0 || head.empty()) return "";
  return BytesHash(head.substr(0, end));
}

// The versions of the report `name` ("projrpt.desk.pro") other than itself: a sync service's
// conflict copies, and the copies set aside for the machine `identity` ("projrpt.desk.<identity>.pro",
// "projrpt.desk.<identity>.2.pro").
std::vector<std::string> OtherVersions(const std::string& folder, const std::string& name, const std::string& identity) {
  std::vector<std::string> found;
  for (const SharedFolderFiles::Conflict& c : ListSharedFolder(folder).conflicts)
    if (c.original == name) found.push_back(c.name);
  if (!identity.empty()) {
    const std::string stem = name.substr(0, name.size() - 3) + identity;  // "projrpt.desk." + identity
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
      const std::string file = entry.path().filename().string();
      if (file.starts_with(stem) && file.ends_with(".pro")) found.push_back(file);
    }
  }
  std::sort(found.begin(), found.end());
  return found;
}

// Puts `path` aside for the machine `identity`, under the first free name of its set-aside copies.
void SetAside(const Files& files, const DataFolder& folder, const std::string& path, const std::string& identity) {
  const std::string stem = folder.OwnName(kReportFile);
  for (int n = 1;; ++n) {
    const std::string name = stem.substr(0, stem.size() - 3) + identity + (n == 1 ? "" : "." + std::to_string(n)) + ".pro";
    if (!files.Exists(folder.File(name))) return files.Rename(path, folder.File(name));
  }
}

// The holder's side: versions of its report that another machine of its name started are set
// aside for it; where the report itself was one, the largest conflict copy left (its own version)
// takes its place.
void SetAsideOthersVersions(const Files& files, const DataFolder& folder, const std::vector<MachineClaim>& claims,
                            const MachineClaim& mine) {
  std::vector<const MachineClaim*> others;
  for (const MachineClaim& c : claims)
    if (c.identity != mine.identity && !c.first.empty()) others.push_back(&c);
  if (others.empty()) return;
  const std::string report = folder.Report();
  const auto startedBy = [&](const std::string& path) -> const MachineClaim* {
    const std::string hash = FirstLineHash(files, path);
    if (hash.empty() || hash == mine.first) return nullptr;
    for (const MachineClaim* c : others)
      if (c->first == hash) return c;
    return nullptr;
  };
  bool reportAside = false;
  if (const MachineClaim* other = startedBy(report)) {
    SetAside(files, folder, report, other->identity);
    reportAside = true;
  }
  std::string largest;
  std::uint64_t size = 0;
  for (const std::string& name : OtherVersions(folder.path, folder.OwnName(kReportFile), "")) {
    const std::string path = folder.File(name);
    if (const MachineClaim* other = startedBy(path)) {
      SetAside(files, folder, path, other->identity);
    } else if (files.SizeOf(path) >= size) {
      size = files.SizeOf(path);
      largest = path;
    }
  }
  if (reportAside && !largest.empty()) files.Rename(largest, report);
}

// The records of the versions of `from`'s report that this machine (`mine`, its claim there)
// started, merged into its report in `to`, amendments of them naming that report; the copies among
// them removed. Gives the number of lines merged.
std::size_t TakeOwnVersions(const Files& files, const DataFolder& from, const MachineClaim& mine, const DataFolder& to,
                            std::int64_t now) {
  if (mine.first.empty()) return 0;
  const std::string oldReport = from.OwnName(kReportFile), newReport = to.OwnName(kReportFile);
  const LineConversion renamed = [&](std::string_view line) {
    auto a = ParseAmendment(line);
    if (!a || a->file != oldReport) return std::string(line);
    a->file = newReport;
    return AmendmentLine(*a);
  };
  const Files::Lock lock = files.LockFor(from.File(kReportFile));
  std::size_t moved = 0;
  if (FirstLineHash(files, from.Report()) == mine.first)
    moved += MergeRecordsInto(files, to, from.Report(), renamed, oldReport, kFromSharing, now);
  for (const std::string& version : OtherVersions(from.path, oldReport, mine.identity)) {
    const std::string path = from.File(version);
    // Set aside for this machine by the holder, or a sync service's copy this machine started.
    if (ConflictOriginal(version) && FirstLineHash(files, path) != mine.first) continue;
    moved += MergeRecordsInto(files, to, path, renamed, version, kFromSharing, now);
    FileMissing([&] { files.Remove(path); });
  }
  return moved;
}

// The later machine's side: a free name, claimed, and the records of its versions of the old
// report merged into the new one.
DataFolder TakeFreeName(const Files& files, const DataFolder& folder, MachineClaim mine, const MachineClaim& holder,
                        std::int64_t now) {
  Platform& p = platform();
  const std::string name = FreeDeviceName(folder.path, folder.machine);
  WriteClaim(files, folder.path, MachineClaim{name, mine.identity, UtcStamp(now), "", folder.machine, ""});
  p.settings->SaveSetting(kProductName, kSettingsSection, kDeviceNameKey, name);
  mine.moved = name;
  WriteClaim(files, folder.path, mine);
  const DataFolder to{folder.path, true, name};
  const std::string notice =
      "Another machine keeps its records in the shared folder " + folder.path + " under the name " + holder.device +
      " too, and had that name first (since " + holder.since + "). Two machines cannot keep their records in one "
      "file, so this machine keeps its records under the name " + name + " from now on";
  // Told even should the move below fail: what it leaves is taken at a later look.
  p.settings->SaveSetting(kProductName, kSettingsSection, kNameNoticeKey, notice + ".");
  if (const std::size_t moved = TakeOwnVersions(files, folder, mine, to, now))
    p.settings->SaveSetting(kProductName, kSettingsSection, kNameNoticeKey,
                            notice + ": its " + std::to_string(moved) + (moved == 1 ? " line" : " lines") +
                                " written under " + holder.device + " were moved to " + to.OwnName(kReportFile) + ".");
  return to;
}

}  // namespace

DataFolder ReadyToWrite(const Files& files, const DataFolder& folder, std::string_view firstLine) {
  // A private folder has no claims: nor does it need this machine's identity made.
  if (!folder.shared || !platform().settings) return folder;
  const std::string self = ThisMachineId();
  if (self.empty()) return folder;
  const std::int64_t now = platform().clock->UnixNow();
  const Files::Lock lock = files.LockFor(folder.File(kReportFile));
  std::vector<MachineClaim> claims = ClaimsIn(files, folder.path, folder.machine);
  auto mine = std::find_if(claims.begin(), claims.end(), [&](const MachineClaim& c) { return c.identity == self; });
  // A name given up since the folder was decided: the one taken instead.
  if (mine != claims.end() && !mine->moved.empty())
    return ReadyToWrite(files, DataFolder{folder.path, true, mine->moved}, firstLine);
  if (mine == claims.end()) {
    // A report under the name from before claims were: this machine's, written before any claim.
    const bool before = files.Exists(folder.Report()) && files.SizeOf(folder.Report()) > 0;
    claims.push_back(MachineClaim{folder.machine, self, before ? kClaimedBefore : UtcStamp(now), "", "", ""});
    WriteClaim(files, folder.path, claims.back());
    mine = claims.end() - 1;
  }
  const auto holder = NameHolder(claims);
  if (holder && holder->identity != self) return TakeFreeName(files, folder, *mine, *holder, now);
  if (!firstLine.empty() && mine->first.empty() && mine->since != kClaimedBefore &&
      (!files.Exists(folder.Report()) || files.SizeOf(folder.Report()) == 0)) {
    const std::string line(firstLine.substr(0, firstLine.find_first_of("\r\n")));
    mine->first = BytesHash(line);
    WriteClaim(files, folder.path, *mine);
  }
  if (claims.size() > 1) SetAsideOthersVersions(files, folder, claims, *mine);
  return folder;
}

DataFolder LookAtMachineName(const Files& files, const DataFolder& folder) {
  const DataFolder now = ReadyToWrite(files, folder);
  if (!now.shared) return now;
  // Versions of a report under a name this machine gave up that have come since.
  const std::string self = ThisMachineId();
  for (const MachineClaim& old : ClaimsIn(files, now.path))
    if (old.identity == self && !old.moved.empty() && !SameDeviceName(old.device, now.machine))
      TakeOwnVersions(files, DataFolder{now.path, true, old.device}, old, now, platform().clock->UnixNow());
  return now;
}

std::string TakeNameNotice() {
  Settings* settings = platform().settings;
  if (!settings) return "";
  const std::string notice = settings->GetSetting(kProductName, kSettingsSection, kNameNoticeKey, "");
  if (!notice.empty()) settings->SaveSetting(kProductName, kSettingsSection, kNameNoticeKey, "");
  return notice;
}

}  // namespace tw
