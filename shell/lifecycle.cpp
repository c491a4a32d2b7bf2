#include "shell/lifecycle.h"

#include <charconv>

#include "errors/guard.h"
#include "platform/platform.h"
#include "store/backup.h"
#include "tracking/running.h"
#include "tracking/stretch.h"

namespace tw {
namespace {

std::string Setting(const char* key, const std::string& defaultValue) {
  return platform().settings->GetSetting(kProductName, kSettingsSection, key, defaultValue);
}

void SaveSettingText(const char* key, double value) {
  platform().settings->SaveSetting(kProductName, kSettingsSection, key, ShortestNumber(value));
}

}  // namespace

std::optional<double> ParseNumber(std::string_view text) {
  double value = 0;
  const char* first = text.data();
  const char* last = text.data() + text.size();
  if (first != last && *first == '+') ++first;
  const auto result = std::from_chars(first, last, value, std::chars_format::fixed);
  if (result.ec != std::errc() || result.ptr != last || first == last) return std::nullopt;
  return value;
}

std::unique_ptr<FolderOwner> ClaimDataFolder() {
  Platform& p = platform();
  std::unique_ptr<FolderOwner> owner;
  try {
    owner = ClaimFolder(p.system->DataFolder());
  } catch (const RunError&) {
    // Not knowing whether another copy keeps a stretch there, this one leaves the file alone.
  }
  p.ownsDataFolder = owner != nullptr;
  return owner;
}

void MainFormLoad(MainView& form) {
  struct Item {
    const char* key;
    double fallback;
    void (MainView::*apply)(double);
  };
  static constexpr Item kItems[] = {{"MainLeft", kDefaultLeft, &MainView::SetLeft},
                                    {"MainTop", kDefaultTop, &MainView::SetTop},
                                    {"MainWidth", kDefaultWidth, &MainView::SetWidth},
                                    {"MainHeight", kDefaultHeight, &MainView::SetHeight}};
  Guard step("Main/FormLoad");
  for (const Item& item : kItems) {
    if (!step([&] {
          const auto value = ParseNumber(Setting(item.key, ShortestNumber(item.fallback)));
          (form.*item.apply)(value.value_or(item.fallback));
        }))
      return;
  }
}

void MainFormUnload(TrackerView& form, Forms& forms, const IconRecord& iconRecord,
                    std::optional<std::int64_t> leftAt) {
  Platform& p = platform();
  Guard step("Main/F_U");

  // 1. A stretch still running is recorded with this moment as its end; the result is not shown.
  // The saved running stretch goes only once its record is there: a failed append keeps it for the
  // next start. While the person is away it stays on disk instead, last seen when they left, so
  // that the next start asks about the time away rather than count it.
  if (!step([&] {
        if (IsRunning(form)) {
          bool kept = false;
          if (leftAt && p.ownsDataFolder) {
            SaveRunning(form, leftAt);
            kept = WaitForRunningFile();
          }
          if (!kept) form.tracker().RecordRunning(NowText());
        }
        WaitForRunningFile();
      }))
    return;

  // 2. Every other window, newest first; the main window (index 0) stays.
  if (!step([&] {
        for (int i = forms.Count() - 1; i >= 1; --i) forms.At(i)->Unload();
      }))
    return;

  // 3. The geometry, unless minimized (which means hidden in the notification area).
  if (!form.IsMinimized()) {
    if (!step([&] { SaveSettingText("MainLeft", form.Left()); })) return;
    if (!step([&] { SaveSettingText("MainTop", form.Top()); })) return;
    if (!step([&] { SaveSettingText("MainWidth", form.Width()); })) return;
    if (!step([&] { SaveSettingText("MainHeight", form.Height()); })) return;
  }

  // 4. The notification icon goes.
  if (!step([&] { p.shell->RemoveIcon(iconRecord); })) return;

  // 5. The backup, after everything that could still change the report. No report, no backup:
  // the routine ends quietly.
  bool noReport = false;
  if (!step([&] { noReport = FileMissing([&] { BackupReport(*p.files, p.system->DataFolder()); }); }))
    return;
  if (noReport) return;

  // 6.
  step([&] { p.system->EndProcess(0); });
}

}  // namespace tw
