#include "preferences/data_preferences.h"

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "platform/lines.h"
#include "platform/platform.h"
#include "platform/shared_folder.h"
#include "projects/project_list.h"
#include "projects/shared_list.h"
#include "report/record.h"
#include "report/report_files.h"
#include "report/report_form.h"
#include "store/changes.h"
#include "store/conflict_copies.h"
#include "store/machine_claim.h"
#include "tracking/running.h"
#include "tracking/tracker.h"
#include "platform/translate.h"

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
  // The list's names noted as this machine's, so that they hold whichever version of the list a
  // sync service keeps.
  std::string list;
  if (!FileMissing([&] { list = files.ReadAll(JoinPath(folder, kProjectListFile)); }))
    NoteProjectChanges(files, folder, "", list, platform().clock->UnixNow());
}

std::string Listed(const std::vector<std::string>& names) {
  std::string text;
  for (const std::string& name : names) text += (text.empty() ? "" : ", ") + name;
  return text;
}

// The list text `before` with the names of `other` it lacks after its own.
std::string JoinedList(std::string_view before, std::string_view other) {
  std::vector<std::string> names = SplitLines(before);
  while (!names.empty() && names.back().empty()) names.pop_back();  // the empty entry past the last
  for (std::string& name : SplitLines(other))
    if (!name.empty() && std::find(names.begin(), names.end(), name) == names.end()) names.push_back(std::move(name));
  return ListText(names);
}

// The history's files, which name the report of their own folder.
bool HistoryFile(std::string_view name) { return name == kHistoryFile || name.ends_with(".hsb"); }

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

BroughtIn BringIn(const std::string& from, const DataFolder& to, const std::string& origin) {
  Platform& p = platform();
  const Files& files = *p.files;
  BroughtIn brought;
  // The name claimed before anything is written under it.
  ReadyToWrite(files, to);
  const std::string report = JoinPath(from, kReportFile);
  if (files.Exists(report)) {
    const Files::Lock lock = files.LockFor(to.File(kReportFile));
    // The records go in in the form of the report they join; a report still to be made takes theirs.
    const LocaleData user = p.dateFormat->data();
    const DateFormat theirs(ReportForm(files, report, user));
    LineConversion convert;
    if (!files.Exists(to.Report())) {
      const std::string form = FormFileOf(to.Report());
      if (!files.Exists(form)) files.Replace(form, form + ".tmp", FormText(theirs.data()));
    } else if (const DateFormat ours(ReportForm(files, to.Report(), user)); !(ours.data() == theirs.data())) {
      convert = [theirs, ours](std::string_view line) {
        const auto f = SplitRecord(line);
        const auto start = f ? theirs.Parse(f->start) : std::nullopt, end = f ? theirs.Parse(f->end) : std::nullopt;
        if (!start || !end) return std::string(line);
        return JoinRecord(f->project, ours.FormatGeneral(*start), ours.FormatGeneral(*end), f->comment);
      };
    }
    brought.records = MergeRecordsInto(files, to, report, convert, report, origin, p.clock->UnixNow());
  }
  std::string list;
  if (!FileMissing([&] { list = files.ReadAll(JoinPath(from, kProjectListFile)); })) {
    const std::string shared = to.File(kProjectListFile);
    const Files::Lock lock = files.LockFor(shared);
    std::string before;
    FileMissing([&] { before = files.ReadAll(shared); });
    // Noted as this machine's additions, the names hold whatever version of the list a sync
    // service keeps; then the list is settled from every machine's notes.
    const std::string added = ProjectChangeLines(before, JoinedList(before, list), p.clock->UnixNow());
    if (!added.empty()) files.Append(to.Own(kProjectChangesFile), added);
    brought.names = SettleProjectList(files, to.path).added;
  }
  return brought;
}

void MoveProgramFiles(const std::string& from, const std::string& to, const std::string& device) {
  const Files& files = *platform().files;
  const bool shared = IsSharedFolder(to);
  const Files::Lock here = files.LockFor(JoinPath(from, kReportFile));
  const Files::Lock there = files.LockFor(JoinPath(to, kReportFile));
  const DataFolder target{to, shared, shared ? device : ""};
  if (shared) BringIn(from, target, kFromWindow);
  for (const std::string& name : ProgramFiles(from)) {
    const std::string source = JoinPath(from, name);
    // Brought in already; the history names the old folder's report, and stays with it.
    const bool merged = shared && (name == kReportFile || name == kProjectListFile ||
                                   (name == FormFileOf(kReportFile) && files.Exists(target.Own(name))));
    if (shared && HistoryFile(name)) continue;
    if (!merged) {
      const std::string path = target.Own(name);
      if (files.Exists(path)) continue;
      files.Copy(source, path, path + ".tmp");
    }
    files.Remove(source);
  }
}

std::string ArriveInDataFolder() {
  Platform& p = platform();
  const std::string folder = p.system->DataFolder(), last = Setting(kLastDataFolderKey);
  if (last == folder) return "";
  std::string message;
  if (!last.empty() && IsSharedFolder(folder) && !IsSharedFolder(last)) {
    const DataFolder here = DataFolder::At(folder);
    const BroughtIn brought = BringIn(last, here, kFromWindow);
    const auto records = static_cast<long long>(brought.records);
    if (brought.records > 0 || !brought.names.empty())
      message = Arg(TrN("DataPreferences",
                        "Tallywright keeps its files in the shared folder %1 now. %n records of %2 that it lacked went "
                        "into this machine's report there (%3)",
                        "Tallywright keeps its files in the shared folder %1 now. %n record of %2 that it lacked went "
                        "into this machine's report there (%3)",
                        records),
                    {folder, last, here.OwnName(kReportFile)}) +
                (brought.names.empty() ? ""
                                       : Arg(Tr("DataPreferences", ", and its project list gained %1"), {Listed(brought.names)})) +
                Arg(Tr("DataPreferences", ". The files in %1 stay as they are."), {last});
  }
  Save(kLastDataFolderKey, folder);
  return message;
}

int SaveDataChoice(MainView& main, const DataChoice& choice) {
  Platform& p = platform();
  const Files& files = *p.files;
  const std::string current = p.system->DataFolder();
  const auto chosen = ChosenDataFolder(choice.folder, std::getenv("HOME"));
  if (!choice.folder.empty() && !chosen)
    return Tell(Tr("DataPreferences", "Please give the data folder as a full path, or choose it with Choose...."), kFolderBox);
  const std::string target = chosen.value_or(current);
  const bool moving = target != current;
  const std::string settled = DeviceNameSettled() ? ThisDevice() : "";

  // The running stretch is kept under the folder's and the machine's names: it would be left behind.
  if ((moving || (choice.shared && !IsSharedFolder(target))) && IsRunning(main))
    return Tell(Tr("DataPreferences", "Please end the running stretch (EndProject) before Tallywright moves to another "
                                      "data folder or shares this one."),
                kFolderBox);
  if (moving) {
    std::error_code ec;
    std::filesystem::create_directories(target, ec);
    if (!std::filesystem::is_directory(target, ec) || ::access(target.c_str(), W_OK) != 0)
      return Tell(Arg(Tr("DataPreferences", "Tallywright cannot keep its files in %1: it is not a folder it may write in."),
                      {target}),
                  kFolderBox);
  }
  const bool shared = choice.shared || IsSharedFolder(target);
  if (shared) {
    if (auto refusal = MachineNameRefusal(target, choice.device, settled)) return Tell(*refusal, kNameBox);
    // The name this machine's files in the folder are kept under stays theirs.
    const std::vector<std::string> present = IsSharedFolder(current) ? DevicesInFolder(current) : std::vector<std::string>{};
    if (!moving && !settled.empty() && !SameDeviceName(choice.device, settled) &&
        std::any_of(present.begin(), present.end(), [&](const std::string& d) { return SameDeviceName(d, settled); }))
      return Tell(Arg(Tr("DataPreferences",
                         "This machine's records in the shared folder are kept under the name %1, which cannot change now."),
                      {settled}),
                  kNameBox);
  }

  if (moving) {
    const std::vector<std::string> ours = IsSharedFolder(current) ? std::vector<std::string>{} : ProgramFiles(current);
    if (IsSharedFolder(current)) {
      if (p.dialogs->MsgBox(Arg(Tr("DataPreferences", "The records in the shared folder %1 stay there, with the other "
                                                      "machines' records. Tallywright will keep its files in %2 from now on."),
                                {current, target}),
                            MsgStyle::OkCancel + MsgStyle::Information, kProductName) != MsgResult::Ok)
        return kUnchanged;
    } else if (!ours.empty()) {
      const bool joining = IsSharedFolder(target);
      const int answer = p.dialogs->MsgBox(
          Arg(Tr("DataPreferences", "Move Tallywright's files (%1) from %2 to %3?"), {Listed(ours), current, target}) +
              "\n\n" +
              (joining ? Tr("DataPreferences", "Yes moves them. No leaves them where they are. Either way the records and "
                                               "project names of this machine that the shared folder lacks are merged into it.")
                       : Arg(Tr("DataPreferences", "Yes moves them. No leaves them where they are and uses what %1 holds."),
                             {target})),
          MsgStyle::YesNoCancel + MsgStyle::Question, kProductName);
      if (answer == MsgResult::Cancel) return kUnchanged;
      if (answer == MsgResult::No && joining) {
        // Coming into a shared folder, whether for the first time or back, never leaves records out.
        try {
          BringIn(current, DataFolder{target, true, choice.device}, kFromWindow);
        } catch (const RunError& e) {
          return Tell(Arg(Tr("DataPreferences", "Your records could not be merged into %1: %2."), {target, e.description()}),
                      kFolderBox);
        }
      }
      if (answer == MsgResult::Yes) {
        if (!IsSharedFolder(target) && !ProgramFiles(target).empty())
          return Tell(Arg(Tr("DataPreferences", "%1 already holds Tallywright's files, which yours cannot be put together "
                                                "with. Choose No to use them as they are, or another folder."),
                          {target}),
                      kFolderBox);
        try {
          MoveProgramFiles(current, target, choice.device);
        } catch (const RunError& e) {
          return Tell(Arg(Tr("DataPreferences",
                             "Your files could not all be moved to %1: %2. What was not moved is still in %3."),
                          {target, e.description(), current}),
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
    if (moving) Save(kLastDataFolderKey, target);
    if (choice.shared && !IsSharedFolder(target)) Share(files, target, choice.device);
    // The name claimed at once, so that no machine joining later takes it.
    if (shared) ReadyToWrite(files, DataFolder{target, true, choice.device});
  } catch (const RunError& e) {
    return Tell(Arg(Tr("DataPreferences", "The data folder could not be set: %1"), {e.description()}), kFolderBox);
  }
  if (moving) {
    // The copy owns the folder it now works in (requests, a second start find it there).
    if (auto* view = dynamic_cast<TrackerView*>(&main)) view->tracker().FollowDataFolder();
    // The project box shows the new folder's list, the project chosen or typed kept.
    Setup::ReloadProjectList(main);
  }
  return kSaved;
}

}  // namespace tw
