#pragma once
// A data folder shared by several machines through a file-sync service (Syncthing, Nextcloud,
// Dropbox, ...). No file of the records is written by two machines: each machine keeps its own
// report, backup, date form and running stretch under its device name ("projrpt.desk.pro",
// "projrpt.desk.bak", ...), and every reader reads all the machines' reports. A report that was in
// the folder before it was shared ("projrpt.pro") stays where it is, read as the sharing machine's.
// The project list ("project.lst") is the folder's, kept by every machine.
//
// A folder is shared once it holds the marker file, written when the user ticks it shared in
// Preferences, or synced there from a machine where that was done.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/files.h"

namespace tw {

inline constexpr const char* kSharedMarker = "tallywright-shared";
// The setting that names this machine in shared folders.
inline constexpr const char* kDeviceNameKey = "DeviceName";
inline constexpr std::size_t kDeviceNameMax = 32;

// --- device names ---------------------------------------------------------------------------

// Why `name` cannot name a machine, or nothing when it can: 1 to 32 ASCII letters, digits, '-' and
// '_', so that it fits every file system's names and never reads as part of another file's name.
std::optional<std::string> DeviceNameProblem(std::string_view name);
// Two names that a file system which ignores letter case would take for one.
bool SameDeviceName(std::string_view a, std::string_view b);
// A host name made a device name: its first label, other characters left out ("desk" for
// "desk.example.org"); "machine" when nothing is left.
std::string DeviceNameOfHost(std::string_view host);
// The setting DeviceName when it is a device name, else the host's.
std::string ThisDevice();
// Whether the user has settled this machine's name (the setting holds a device name).
bool DeviceNameSettled();

// A moment as the folder's files note it, in UTC: "2026-12-07T21:01:23Z".
std::string UtcStamp(std::int64_t unixSeconds);

// --- machine identities ---------------------------------------------------------------------
// Two machines may be given one name (two hosts named alike, a name typed on a machine whose files
// have not arrived yet), and then both would write one file, which a sync service cannot keep whole.
// So each machine has an identity of its own, made at random once and kept in its settings, and
// claims its name in a shared folder by a file only it writes, "machine.<name>.<identity>.id",
// before it writes anything under that name. Another machine's claim of a name refuses the name.

// The setting that keeps this machine's identity.
inline constexpr const char* kMachineIdKey = "MachineId";
// This machine's identity: 16 hexadecimal digits, made at random and saved the first time it is
// asked for; empty without a settings store.
std::string ThisMachineId();

struct MachineClaim {
  std::string device;    // the name claimed
  std::string identity;  // the claiming machine's
  std::string since;     // when it claimed the name (UTC stamp); "0000-..." for files written before claims were
  std::string first;     // a hash of the first line it wrote into a report of that name it made; empty when none
  std::string was;       // the name it had before, when it had to take this one
  std::string moved;     // the name it took instead, once another machine held this one
};
inline constexpr const char* kClaimedBefore = "0000-00-00T00:00:00Z";
// The claim file's name and text, and the claim a text holds (nothing for one that is not whole).
std::string ClaimFileName(std::string_view device, std::string_view identity);
std::string ClaimText(const MachineClaim& claim);
std::optional<MachineClaim> ParseClaim(std::string_view text);
// Every claim of `device` in folder (every claim without one), as they stand; unreadable ones left out.
std::vector<MachineClaim> ClaimsIn(const Files& files, const std::string& folder, std::string_view device = "");
// Of a name's claims, the one that holds it: the earliest of those still writing under it, then by
// identity; nothing when there are none.
std::optional<MachineClaim> NameHolder(const std::vector<MachineClaim>& claims);
// Writes a claim of this machine (scratch, flush, rename).
void WriteClaim(const Files& files, const std::string& folder, const MachineClaim& claim);

// Why `name` cannot be this machine's name in folder: no device name, another machine's claim of
// it, the name of the machine that shared the folder (unless it is this one), or the name another
// machine keeps its files under there. `current` is this machine's name so far, whose files are its own.
std::optional<std::string> MachineNameRefusal(const std::string& folder, std::string_view name,
                                              std::string_view current);
// Whether this machine is to be asked its name for folder, a shared one: it has settled none, or
// the one it has is refused there and not claimed by it.
bool MachineNameWanted(const std::string& folder);
// A name for this machine in folder that no machine uses there: `wanted` when it is free, else
// `wanted` with "-2", "-3", ... after it.
std::string FreeDeviceName(const std::string& folder, std::string_view wanted);

// --- the folder's files -----------------------------------------------------------------------

// The name a file of one machine takes in a shared folder: the device name after the name's first
// part ("projrpt.pro" -> "projrpt.desk.pro", "report.tmp" -> "report.desk.tmp").
std::string DeviceFileName(std::string_view name, std::string_view device);
// The machine whose file a name is and the name the file has in a folder of one machine ("desk"
// and "projrpt.pro" for "projrpt.desk.pro"), or nothing.
std::optional<std::pair<std::string, std::string>> MachineOfFile(std::string_view name);
// Whether a file of that name belongs to the whole folder rather than to one machine: the project
// list and the marker.
bool FolderFile(std::string_view name);
// The path of this machine's file `name` in folder: in a shared folder named by ThisDevice(), in
// any other folder as it is.
std::string MachineFile(const std::string& folder, std::string_view name);

bool IsSharedFolder(const std::string& folder);
// The marker's text: what the folder is, and which machine shared it (and so owns "projrpt.pro"),
// by name and identity.
std::string SharedMarkerText(std::string_view sharedBy, std::string_view identity = "");
// The machine that shared the folder, from the marker; empty when it does not say.
std::string SharedBy(const Files& files, const std::string& folder);
// Its identity, from the marker; empty when it does not say (a marker of before identities).
std::string SharedById(const Files& files, const std::string& folder);
// Makes folder shared by `device` (this machine), unless it is already; nothing else changes.
void ShareFolder(const Files& files, const std::string& folder, std::string_view device);

// The name a sync service's conflict copy stands for ("project.lst" for
// "project.sync-conflict-20261207-210123-ABCDEFG.lst", "project (conflicted copy 2026-12-07
// 211023).lst" or "project (desk's conflicted copy 2026-12-07).lst"), or nothing for any other name.
std::optional<std::string> ConflictOriginal(std::string_view name);

// What a shared folder holds, by name.
struct SharedFolderFiles {
  struct DeviceFile {
    std::string device;
    std::string name;
  };
  std::vector<DeviceFile> reports;  // "projrpt.<device>.pro", by device name
  std::vector<DeviceFile> running;  // "projrpt.<device>.run"
  struct Conflict {
    std::string name;      // the copy
    std::string original;  // what it is a copy of
  };
  std::vector<Conflict> conflicts;  // of any of the program's files, by name
  bool legacyReport = false;        // "projrpt.pro"
};
SharedFolderFiles ListSharedFolder(const std::string& folder);

// Every machine's file `name` in folder ("project.desk.chg", "project.laptop.chg" for
// "project.chg"), by device name.
std::vector<SharedFolderFiles::DeviceFile> DeviceFiles(const std::string& folder, std::string_view name);

// The machines that keep files in the folder (a report, a backup, a date form or a running
// stretch under their name), by name.
std::vector<std::string> DevicesInFolder(const std::string& folder);

}  // namespace tw
