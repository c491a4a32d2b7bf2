#include "billing/work_target.h"

#include <algorithm>

#include "billing/tags.h"
#include "dates/ascii.h"
#include "dates/iso_date.h"

namespace tw {
namespace {

constexpr std::string_view kDayNames[7][2] = {{"sun", "sunday"},   {"mon", "monday"}, {"tue", "tuesday"},
                                              {"wed", "wednesday"}, {"thu", "thursday"}, {"fri", "friday"},
                                              {"sat", "saturday"}};
constexpr std::string_view kDayLabels[7] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};

// The parts of text between the separators, blanks around each left out, empty ones too.
template <class Separator>
std::vector<std::string_view> Items(std::string_view text, Separator&& separator) {
  std::vector<std::string_view> items;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= text.size(); ++i) {
    if (i < text.size() && !separator(text[i])) continue;
    const std::string_view item = Trimmed(text.substr(start, i - start), IsWhiteSpace);
    if (!item.empty()) items.push_back(item);
    start = i + 1;
  }
  return items;
}

// Hours as 8, 7.5 or 7:30, in seconds.
std::optional<std::int64_t> HoursSeconds(std::string_view text) {
  const std::size_t colon = text.find(':');
  if (colon != std::string_view::npos) {
    const std::string_view hours = text.substr(0, colon);
    const int minutes = text.size() - colon == 3 ? Digits(text, colon + 1, 2) : -1;
    const int whole = hours.empty() ? -1 : Digits(hours, 0, hours.size());
    if (whole < 0 || minutes < 0 || minutes > 59) return std::nullopt;
    return whole * std::int64_t{3600} + minutes * 60;
  }
  const AmountReading hundredths = ReadAmount(text);
  if (!hundredths.cents) return std::nullopt;
  return *hundredths.cents * 36;
}

}  // namespace

bool WeekTarget::Any() const {
  return std::any_of(seconds.begin(), seconds.end(), [](std::int64_t s) { return s > 0; });
}

WeekTargetReading ReadWeekTarget(std::string_view text) {
  const auto refuse = [](std::string why) { return WeekTargetReading{std::nullopt, std::move(why)}; };
  WeekTarget target;
  std::array<bool, 7> named{};
  for (std::string_view item : Items(text, [](char c) { return c == ','; })) {
    const std::size_t equals = item.find('=');
    if (equals == std::string_view::npos)
      return refuse("\"" + std::string(item) + "\" is not a day's hours: write them like Mon=8.");
    const std::string name = AsciiLowered(Trimmed(item.substr(0, equals)));
    const auto day = std::find_if(std::begin(kDayNames), std::end(kDayNames),
                                  [&](const auto& names) { return name == names[0] || name == names[1]; });
    if (day == std::end(kDayNames))
      return refuse("\"" + std::string(Trimmed(item.substr(0, equals))) + "\" is not a day: write Mon, Tue, Wed, Thu, Fri, Sat or Sun.");
    const auto weekday = static_cast<std::size_t>(day - std::begin(kDayNames));
    if (named[weekday]) return refuse(std::string(kDayLabels[weekday]) + " is named twice.");
    named[weekday] = true;
    const std::string_view hours = Trimmed(item.substr(equals + 1));
    const auto seconds = HoursSeconds(hours);
    if (!seconds) return refuse(std::string(kDayLabels[weekday]) + ": \"" + std::string(hours) + "\" is not hours: write them like 8, 7.5 or 7:30.");
    if (*seconds > kSecondsPerDay) return refuse(std::string(kDayLabels[weekday]) + ": a day has at most 24 hours.");
    target.seconds[weekday] = *seconds;
  }
  return {target, {}};
}

std::string WeekTargetText(const WeekTarget& target) {
  std::string text;
  for (int i = 1; i <= 7; ++i) {
    const std::int64_t seconds = target.seconds[static_cast<std::size_t>(i % 7)];
    if (seconds <= 0) continue;
    if (!text.empty()) text += ',';
    text.append(kDayLabels[i % 7]).append("=").append(DayHoursText(seconds));
  }
  return text;
}

std::string DayHoursText(std::int64_t seconds) {
  if (seconds % 36 == 0) {
    std::string hours = AmountText(seconds / 36);
    while (hours.back() == '0') hours.pop_back();
    if (hours.back() == '.') hours.pop_back();
    return hours;
  }
  const std::int64_t minutes = (seconds + 30) / 60;
  return std::to_string(minutes / 60) + ":" + (minutes % 60 < 10 ? "0" : "") + std::to_string(minutes % 60);
}

DaysOffReading ReadDaysOff(std::string_view text) {
  const auto refuse = [](std::string why) { return DaysOffReading{std::nullopt, std::move(why)}; };
  std::vector<Period> days;
  for (std::string_view item : Items(text, [](char c) { return c == ',' || IsWhiteSpace(c); })) {
    const std::size_t dots = item.find("..");
    const auto first = ParseIsoDay(item.substr(0, dots));
    const auto last = dots == std::string_view::npos ? first : ParseIsoDay(item.substr(dots + 2));
    if (!first || !last)
      return refuse("\"" + std::string(item) + "\" is not a day off: write days like 2026-12-24, and runs of days like 2026-12-28..2026-12-31.");
    if (*last < *first) return refuse("\"" + std::string(item) + "\" ends before it starts.");
    days.push_back({*first, *last});
  }
  std::sort(days.begin(), days.end(), [](const Period& a, const Period& b) { return a.first < b.first; });
  std::vector<Period> merged;
  for (const Period& run : days)
    if (!merged.empty() && run.first <= merged.back().last + 1) merged.back().last = std::max(merged.back().last, run.last);
    else merged.push_back(run);
  return {merged, {}};
}

std::string DaysOffText(const std::vector<Period>& days) {
  std::string text;
  for (const Period& run : days) {
    if (!text.empty()) text += ',';
    text += IsoDate(run.first);
    if (run.last != run.first) text += ".." + IsoDate(run.last);
  }
  return text;
}

void WorkBalance::Add(const CountedStretch& stretch, int count) {
  if (MarksDayOff(stretch.comment)) {
    if ((offDays_[stretch.start.day] += count) <= 0) offDays_.erase(stretch.start.day);
    return;
  }
  if (!lastDay_ || lastDayNumber_ != stretch.start.day) {
    lastDay_ = &worked_[stretch.start.day];
    lastDayNumber_ = stretch.start.day;
  }
  *lastDay_ += count * stretch.seconds;
}

bool WorkBalance::DayOff(std::int64_t day) const {
  if (offDays_.contains(day)) return true;
  const auto after = std::upper_bound(daysOff_.begin(), daysOff_.end(), day,
                                      [](std::int64_t d, const Period& run) { return d < run.first; });
  return after != daysOff_.begin() && std::prev(after)->Holds(day);
}

Balance WorkBalance::Over(const Period& days, std::int64_t through) const {
  Balance balance;
  const std::int64_t last = std::min(days.last, through);
  for (std::int64_t day = days.first; day <= last; ++day) {
    balance.target += TargetOf(day);
    if (const auto worked = worked_.find(day); worked != worked_.end()) balance.worked += worked->second;
  }
  return balance;
}

Balance WorkBalance::Week(std::int64_t today, int firstWeekday) const {
  return Over(PeriodOf(PeriodKind::Week, today, firstWeekday), today);
}

Balance WorkBalance::Month(std::int64_t today) const { return Over(PeriodOf(PeriodKind::Month, today, 0), today); }

WorkSettings ReadWorkSettings(Settings& settings) {
  WorkSettings read;
  const auto text = [&](const char* key) { return settings.GetSetting(kProductName, kSettingsSection, key, ""); };
  const auto problem = [&](const char* key, const std::string& why) { read.problems.push_back(std::string(key) + ": " + why); };
  if (const WeekTargetReading week = ReadWeekTarget(text(kWorkTargetKey)); week.target) read.target = *week.target;
  else problem(kWorkTargetKey, week.problem);
  if (DaysOffReading off = ReadDaysOff(text(kDaysOffKey)); off.days) read.daysOff = std::move(*off.days);
  else problem(kDaysOffKey, off.problem);
  const std::string since = std::string(Trimmed(text(kBalanceSinceKey)));
  if (since.empty()) return read;
  read.since = ParseIsoDay(since);
  if (!read.since) problem(kBalanceSinceKey, "\"" + since + "\" is not a day written like 2026-01-01.");
  return read;
}

Balances BalancesOf(const WorkBalance& balance, std::int64_t today, int firstWeekday, std::optional<std::int64_t> since) {
  Balances b{balance.Day(today), balance.Week(today, firstWeekday), balance.Month(today), std::nullopt};
  if (since) b.since = balance.Since(*since, today);
  return b;
}

Period BalanceDays(std::int64_t today, int firstWeekday, std::optional<std::int64_t> since) {
  std::int64_t first = std::min(PeriodOf(PeriodKind::Week, today, firstWeekday).first, PeriodOf(PeriodKind::Month, today, 0).first);
  if (since) first = std::min(first, *since);
  return {first, today};
}

}  // namespace tw
