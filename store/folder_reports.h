#pragma once
// The reports a data folder holds, as the readers read them: the folder's one report, or in a
// folder shared by several machines every machine's report (and the one that was there before the
// folder was shared), each in its own date form.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "dates/date_format.h"
#include "platform/files.h"

namespace tw {

struct ReportSource {
  std::string path;
  std::string file;    // its name in the folder, as amendments name it
  std::string device;  // the machine that writes it; empty in a folder that is not shared
  std::shared_ptr<const DateFormat> format;  // its own form
};

struct FolderReports {
  bool shared = false;
  std::vector<ReportSource> reports;  // the report of before the sharing first, then by machine
  // Reports whose records a machine took along when it had to take another name, and where to:
  // "projrpt.laptop.pro" to "projrpt.laptop-2.pro" (store/machine_claim.h).
  std::vector<std::pair<std::string, std::string>> moved;
  // How many machines the reports come from.
  std::size_t Machines() const;
  // Opens a report for reading: in a shared folder only up to its last line end, since a line
  // without one may still be arriving from another machine.
  Files::Reader Open(const Files& files, const ReportSource& report) const;
};

// The reports of folder. `ownForm` is this machine's report's form, as the caller keeps it; the
// others are settled from their records and kept forms, never written.
FolderReports ReadFolderReports(const Files& files, const std::string& folder, const LocaleData& user,
                                const DateFormat& ownForm);

// A report file read on its own, in `format`, as a folder of one machine holding it.
FolderReports SingleReport(const std::string& path, const DateFormat& format);

// The reports of the program's data folder, this machine's in ReportDateFormat().
FolderReports DataFolderReports();

// The paths of the folder's reports: its one report, or in a shared folder each machine's and the
// one from before the sharing, those that are there.
std::vector<std::string> ReportPaths(const std::string& folder);

// What tells that a report of the folder changed since it was read: each one's size, last change
// and identity (a rewrite, a restore or an import puts another file in its place, a sync service
// a new version), for a window that reads them again only then; empty when there is none.
std::string ReportsStamp(const std::string& folder);
// The same of any files: each one's identity, size and last change, those that are there.
std::string FilesStamp(const std::vector<std::string>& paths);

}  // namespace tw
