#include "preferences/data_preferences.h"

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "platform/platform.h"
#include "platform/shared_folder.h"
#include "projects/project_list.h"
#include "projects/shared_list.h"
#include "report/report_files.h"
#include "tracking/running.h"

namespace tw {
namespace {

constexpr int kFolderBox = 0, kNameBox = 2, kSaved = -1, kUnchanged = -2;

int Tell(const std::string& message, int box) {
  platform().dialogs->MsgBox(message, MsgStyle::OkOnly + MsgStyle::Exclamation, kProductName);
  return box;
}

std::string Setting(const char* key) {
  return platform().settings->GetSetting(kProductName, kSettingsSection, key, "");
}

void Save(const char* key, const std::string& value) {
  platform().settings->SaveSetting(kProductName, kSettingsSection, key, value);
}

// Shares folder as this machine's: its report stays as it is, read as this machine's, and gets a
// line end after its last line, so that every machine reads its last record alike.
void Share(const Files& files, const std::string& folder, const std::string& device) {
  const std::string report = JoinPath(folder, kReportFile);
  if (files.Exists(report)) {
    const Files::Lock lock = files.LockFor(report);
    files.Append(report, "");
  }
  ShareFolder(files, folder, device);
}

}  // namespace

DataChoice CurrentDataChoice() {
  const std::string folder = platform().system->DataFolder();
  return {folder, IsSharedFolder(folder), ThisDevice()};
}

std::vector<std::string> ProgramFiles(const std::string& folder) {
  std::vector<std::string> names;
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
    const std::string name = entry.path().filename().string();
    std::error_code typeError;
    const bool ours = (name.rfind("projrpt.", 0) == 0 && name.find(".tmp") == std::string::npos) ||
                      name == kProjectListFile || name == platform().system->ExeName() + ".log";
    if (ours && entry.is_regular_file(typeError)) names.push_back(name);
  }
  std::sort(names.begin(), names.end());
  return names;
}

void MoveProgramFiles(const std::string& from, const std::string& to, const std::string& device) {
  const Files& files = *platform().files;
  const bool shared = IsSharedFolder(to);
  const Files::Lock here = files.LockFor(JoinPath(from, kReportFile));
  const Files::Lock there = files.LockFor(JoinPath(to, kReportFile));
  for (const std::string& name : ProgramFiles(from)) {
    const std::string source = JoinPath(from, name);
    if (shared && name == kProjectListFile) {
      std::string theirs, ours = files.ReadAll(source);
      FileMissing([&] { theirs = files.ReadAll(JoinPath(to, name)); });
      files.Replace(JoinPath(to, name), JoinPath(to, DeviceFileName(kProjectListScratch, device)),
                    theirs.empty() ? ours : MergedProjectList(theirs, ours, ""));
    } else {
      const std::string target = JoinPath(to, shared ? DeviceFileName(name, device) : name);
      files.Copy(source, target, target + ".tmp");
    }
    files.Remove(source);
  }
}

int SaveDataChoice(MainView& main, const DataChoice& choice) {
  Platform& p = platform();
  const Files& files = *p.files;
  const std::string current = p.system->DataFolder();
  const auto chosen = ChosenDataFolder(choice.folder, std::getenv("HOME"));
  if (!choice.folder.empty() && !chosen)
    return Tell("Please give the data folder as a full path, or choose it with Choose....", kFolderBox);
  const std::string target = chosen.value_or(current);
  const bool moving = target != current;
  const std::string settled = DeviceNameSettled() ? ThisDevice() : "";

  // The running stretch is kept under the folder's and the machine's names: it would be left behind.
  if ((moving || (choice.shared && !IsSharedFolder(target))) && IsRunning(main))
    return Tell("Please end the running stretch (EndProject) before Tallywright moves to another data folder "
                "or shares this one.",
                kFolderBox);
  if (moving) {
    std::error_code ec;
    std::filesystem::create_directories(target, ec);
    if (!std::filesystem::is_directory(target, ec) || ::access(target.c_str(), W_OK) != 0)
      return Tell("Tallywright cannot keep its files in " + target + ": it is not a folder it may write in.",
                  kFolderBox);
  }
  const bool shared = choice.shared || IsSharedFolder(target);
  if (shared) {
    if (auto refusal = MachineNameRefusal(target, choice.device, settled)) return Tell(*refusal, kNameBox);
    // The name this machine's files in the folder are kept under stays theirs.
    const std::vector<std::string> present = IsSharedFolder(current) ? DevicesInFolder(current) : std::vector<std::string>{};
    if (!moving && !settled.empty() && !SameDeviceName(choice.device, settled) &&
        std::any_of(present.begin(), present.end(), [&](const std::string& d) { return SameDeviceName(d, settled); }))
      return Tell("This machine's records in the shared folder are kept under the name " + settled +
                      ", which cannot change now.",
                  kNameBox);
  }

  if (moving) {
    const std::vector<std::string> ours = IsSharedFolder(current) ? std::vector<std::string>{} : ProgramFiles(current);
    if (IsSharedFolder(current)) {
      if (p.dialogs->MsgBox("The records in the shared folder " + current +
                                " stay there, with the other machines' records. Tallywright will keep its files in " +
                                target + " from now on.",
                            MsgStyle::OkCancel + MsgStyle::Information, kProductName) != MsgResult::Ok)
        return kUnchanged;
    } else if (!ours.empty()) {
      std::string names;
      for (const std::string& name : ours) names += (names.empty() ? "" : ", ") + name;
      const int answer = p.dialogs->MsgBox(
          "Move Tallywright's files (" + names + ") from " + current + " to " + target +
              "?\n\nYes moves them. No leaves them where they are and uses what " + target + " holds.",
          MsgStyle::YesNoCancel + MsgStyle::Question, kProductName);
      if (answer == MsgResult::Cancel) return kUnchanged;
      if (answer == MsgResult::Yes) {
        if (!IsSharedFolder(target) && !ProgramFiles(target).empty())
          return Tell(target + " already holds Tallywright's files, which yours cannot be put together with. "
                               "Choose No to use them as they are, or another folder.",
                      kFolderBox);
        try {
          MoveProgramFiles(current, target, choice.device);
        } catch (const RunError& e) {
          return Tell("Your files could not all be moved to " + target + ": " + e.description() +
                          ". What was not moved is still in " + current + ".",
                      kFolderBox);
        }
      }
    }
  }

  try {
    // Outside a shared folder a name is kept only when the user changed it.
    if (choice.device != Setting(kDeviceNameKey) && !DeviceNameProblem(choice.device) &&
        (shared || choice.device != ThisDevice()))
      Save(kDeviceNameKey, choice.device);
    if (moving) Save(kDataFolderKey, chosen.value_or(""));
    if (choice.shared && !IsSharedFolder(target)) Share(files, target, choice.device);
  } catch (const RunError& e) {
    return Tell("The data folder could not be set: " + e.description(), kFolderBox);
  }
  if (moving) {
    // The project box shows the new folder's list, the project chosen or typed kept.
    Setup::ReloadProjectList(main);
  }
  return kSaved;
}

}  // namespace tw
