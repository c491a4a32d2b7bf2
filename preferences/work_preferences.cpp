#include "preferences/work_preferences.h"

#include <algorithm>

#include "billing/work_target.h"
#include "dates/ascii.h"
#include "dates/period.h"
#include "errors/guard.h"
#include "platform/platform.h"
#include "platform/translate.h"

namespace tw {
namespace {

constexpr const char* kDays[] = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};

std::string Setting(const char* key) {
  return platform().settings->GetSetting(kProductName, kSettingsSection, key, "");
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

TypedWork ReadTypedWork(const WorkPreferences& typed) {
  TypedWork work;
  const auto refuse = [&](int box, std::string problem) {
    work.wrong = box;
    work.problem = std::move(problem);
    return work;
  };
  std::string target;
  for (int i = 0; i < 7; ++i) {
    std::string hours(Trimmed(typed.hours[static_cast<std::size_t>(i)]));
    if (hours.empty()) continue;
    // A box holds one day's hours; a setting that could not be read, shown whole, is retyped.
    if (hours.find('=') != std::string::npos)
      return refuse(i, Tr("WorkPreferences", "Write each weekday's target hours in its own box, like 8, 7.5 or 7:30."));
    std::replace(hours.begin(), hours.end(), ',', '.');
    const WeekTargetReading day = ReadWeekTarget(std::string(kDays[i]) + "=" + hours);
    if (!day.target) return refuse(i, Arg(Tr("WorkPreferences", "The target hours: %1"), {day.problem}));
    target += (target.empty() ? "" : ",") + std::string(kDays[i]) + "=" + hours;
  }
  work.target = WeekTargetText(*ReadWeekTarget(target).target);
  const DaysOffReading off = ReadDaysOff(typed.daysOff);
  if (!off.days) return refuse(7, Arg(Tr("WorkPreferences", "The days off: %1"), {off.problem}));
  work.daysOff = DaysOffText(*off.days);
  work.since = std::string(Trimmed(typed.since));
  if (!work.since.empty() && !ParseIsoDay(work.since))
    return refuse(8, Tr("WorkPreferences", "The balance is counted since a day written like 2026-01-01."));
  return work;
}

bool SaveTypedWork(const TypedWork& work) {
  if (work.wrong >= 0) return false;
  const std::pair<const char*, const std::string&> values[] = {
      {kWorkTargetKey, work.target}, {kDaysOffKey, work.daysOff}, {kBalanceSinceKey, work.since}};
  Guard step("frmPreferences/Save");
  for (const auto& [key, value] : values) {
    // Unchanged settings stay as they are: the Summary window recounts at every change.
    if (Setting(key) == value) continue;
    const bool went = step([&] { platform().settings->SaveSetting(kProductName, kSettingsSection, key, value); });
    if (!went || step.failed()) return false;
  }
  return true;
}

}  // namespace tw
