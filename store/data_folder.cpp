#include "store/data_folder.h"

#include "platform/files.h"
#include "platform/platform.h"
#include "platform/shared_folder.h"
#include "report/report_files.h"

namespace tw {

std::string DataFolder::OwnName(std::string_view name) const {
  if (!shared || FolderFile(name)) return std::string(name);
  return DeviceFileName(name, machine);
}

std::string DataFolder::Own(std::string_view name) const { return JoinPath(path, OwnName(name)); }
std::string DataFolder::File(std::string_view name) const { return JoinPath(path, std::string(name)); }
std::string DataFolder::Report() const { return Own(kReportFile); }

DataFolder DataFolder::At(const std::string& path) {
  DataFolder folder{path, IsSharedFolder(path), ""};
  if (folder.shared) folder.machine = ThisDevice();
  return folder;
}

DataFolder ProgramDataFolder() { return DataFolder::At(platform().system->DataFolder()); }

}  // namespace tw
