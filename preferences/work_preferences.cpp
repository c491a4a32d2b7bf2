#include "preferences/work_preferences.h"

#include <algorithm>

#include "billing/work_target.h"
#include "dates/ascii.h"
#include "dates/period.h"
#include "errors/guard.h"
#include "platform/platform.h"

namespace tw {
namespace {

constexpr const char* kDays[] = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};

std::string Setting(const char* key) {
  return platform().settings->GetSetting(kProductName, kSettingsSection, key, "");
}

int Refuse(const std::string& message, int box) {
  platform().dialogs->MsgBox(message, MsgStyle::OkOnly | MsgStyle::Exclamation, kProductName);
  return box;
}

}  // namespace

WorkPreferences CurrentWorkPreferences() {
  WorkPreferences shown;
  const std::string target = Setting(kWorkTargetKey);
  if (const WeekTargetReading week = ReadWeekTarget(target); week.target) {
    for (int i = 0; i < 7; ++i) {
      const std::int64_t seconds = week.target->seconds[static_cast<std::size_t>((i + 1) % 7)];
      if (seconds > 0) shown.hours[static_cast<std::size_t>(i)] = DayHoursText(seconds);
    }
  } else {
    shown.hours[0] = target;
  }
  shown.daysOff = Setting(kDaysOffKey);
  shown.since = Setting(kBalanceSinceKey);
  return shown;
}

int SaveWorkPreferences(const WorkPreferences& typed) {
  std::string target;
  for (int i = 0; i < 7; ++i) {
    std::string hours(Trimmed(typed.hours[static_cast<std::size_t>(i)]));
    std::replace(hours.begin(), hours.end(), ',', '.');
    if (hours.empty()) continue;
    const WeekTargetReading day = ReadWeekTarget(std::string(kDays[i]) + "=" + hours);
    if (!day.target) return Refuse("The target hours: " + day.problem, i);
    target += (target.empty() ? "" : ",") + std::string(kDays[i]) + "=" + hours;
  }
  const WeekTarget week = *ReadWeekTarget(target).target;
  const DaysOffReading off = ReadDaysOff(typed.daysOff);
  if (!off.days) return Refuse("The days off: " + off.problem, 7);
  const std::string since(Trimmed(typed.since));
  if (!since.empty() && !ParseIsoDay(since))
    return Refuse("The balance is counted since a day written like 2026-01-01.", 8);
  const std::pair<const char*, std::string> values[] = {
      {kWorkTargetKey, WeekTargetText(week)}, {kDaysOffKey, DaysOffText(*off.days)}, {kBalanceSinceKey, since}};
  Guard step("frmPreferences/Save");
  for (const auto& [key, value] : values) {
    const bool went = step([&] { platform().settings->SaveSetting(kProductName, kSettingsSection, key, value); });
    if (!went || step.failed()) return 0;  // not saved: the window stays open with what was typed
  }
  return -1;
}

}  // namespace tw
