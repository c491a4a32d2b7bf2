#include "store/folder_reports.h"

#include <sys/stat.h>

#include <map>

#include "platform/platform.h"
#include "platform/shared_folder.h"
#include "report/report_files.h"
#include "report/report_form.h"

namespace tw {
namespace {

// The first records of a report and its kept form decide its form; both are read again at each
// call, the settling only when they changed.
constexpr size_t kSampleBytes = 64 * 1024;

std::shared_ptr<const DateFormat> OtherMachinesForm(const Files& files, const std::string& path,
                                                    const LocaleData& user) {
  struct Known {
    LocaleData user;
    std::string start, kept;
    std::shared_ptr<const DateFormat> format;
  };
  static std::map<std::string, Known> known;
  std::string start, kept;
  try {
    FileMissing([&] { start = files.ReadAt(path, 0, kSampleBytes); });
    FileMissing([&] { kept = files.ReadTail(FormFileOf(path), kSampleBytes); });
  } catch (const RunError&) {
    return std::make_shared<const DateFormat>(ReportForm(files, path, user));  // the reader tells
  }
  const auto at = known.find(path);
  if (at != known.end() && at->second.user == user && at->second.start == start && at->second.kept == kept)
    return at->second.format;
  auto format = std::make_shared<const DateFormat>(ReportForm(files, path, user));
  known.insert_or_assign(path, Known{user, std::move(start), std::move(kept), format});
  return format;
}

}  // namespace

std::size_t FolderReports::Machines() const {
  std::vector<const std::string*> seen;
  for (const ReportSource& r : reports) {
    bool again = false;
    for (const std::string* d : seen) again = again || *d == r.device;
    if (!again) seen.push_back(&r.device);
  }
  return seen.size();
}

Files::Reader FolderReports::Open(const Files& files, const ReportSource& report) const {
  Files::Reader reader = files.OpenRead(report.path);
  if (shared) reader.WholeLinesOnly();
  return reader;
}

FolderReports ReadFolderReports(const Files& files, const std::string& folder, const LocaleData& user,
                                const DateFormat& ownForm) {
  FolderReports found;
  found.shared = IsSharedFolder(folder);
  const auto own = std::make_shared<const DateFormat>(ownForm);
  if (!found.shared) {
    found.reports.push_back({JoinPath(folder, kReportFile), kReportFile, "", own});
    return found;
  }
  const SharedFolderFiles names = ListSharedFolder(folder);
  const std::string device = ThisDevice();
  for (const MachineClaim& claim : ClaimsIn(files, folder))
    if (!claim.moved.empty())
      found.moved.push_back({DeviceFileName(kReportFile, claim.device), DeviceFileName(kReportFile, claim.moved)});
  if (names.legacyReport) {
    const std::string path = JoinPath(folder, kReportFile), by = SharedBy(files, folder);
    found.reports.push_back({path, kReportFile, by.empty() ? kReportFile : by, OtherMachinesForm(files, path, user)});
  }
  for (const SharedFolderFiles::DeviceFile& report : names.reports) {
    const std::string path = JoinPath(folder, report.name);
    found.reports.push_back(
        {path, report.name, report.device, report.device == device ? own : OtherMachinesForm(files, path, user)});
  }
  return found;
}

FolderReports SingleReport(const std::string& path, const DateFormat& format) {
  FolderReports one;
  const size_t slash = path.find_last_of('/');
  one.reports.push_back({path, slash == std::string::npos ? path : path.substr(slash + 1), "",
                         std::make_shared<const DateFormat>(format)});
  return one;
}

FolderReports DataFolderReports() {
  const Platform& p = platform();
  return ReadFolderReports(*p.files, p.system->DataFolder(), p.dateFormat->data(), ReportDateFormat());
}

std::vector<std::string> ReportPaths(const std::string& folder) {
  std::vector<std::string> paths;
  // Whatever stands in the report's place: a folder there is a report that cannot be read.
  struct stat st {};
  if (::stat(JoinPath(folder, kReportFile).c_str(), &st) == 0) paths.push_back(JoinPath(folder, kReportFile));
  if (IsSharedFolder(folder))
    for (const SharedFolderFiles::DeviceFile& report : ListSharedFolder(folder).reports)
      paths.push_back(JoinPath(folder, report.name));
  return paths;
}

std::string ReportsStamp(const std::string& folder) { return FilesStamp(ReportPaths(folder)); }

std::string FilesStamp(const std::vector<std::string>& paths) {
  std::string stamp;
  for (const std::string& path : paths) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) continue;
    stamp += std::to_string(st.st_dev) + ":" + std::to_string(st.st_ino) + ":" + std::to_string(st.st_size) + ":" +
             std::to_string(st.st_mtim.tv_sec) + "." + std::to_string(st.st_mtim.tv_nsec) + "\n";
  }
  return stamp;
}

}  // namespace tw
