#include "dates/date_value.h"

namespace tw {
namespace {

// Howard Hinnant's civil-calendar algorithms, counted from 1970-01-01.
std::int64_t DaysFromCivilUnix(std::int64_t y, unsigned m, unsigned d) {
  y -= m <= 2;
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const auto yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

CivilDate CivilFromDaysUnix(std::int64_t z) {
  z += 719468;
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const auto doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const std::int64_t y = static_cast<std::int64_t>(yoe) + era * 400;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  const unsigned d = doy - (153 * mp + 2) / 5 + 1;
  const unsigned m = mp < 10 ? mp + 3 : mp - 9;
  return CivilDate{static_cast<int>(y + (m <= 2)), static_cast<int>(m), static_cast<int>(d)};
}

}  // namespace

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

std::int64_t DayFromCivil(const CivilDate& date) {
  return DaysFromCivilUnix(date.year, static_cast<unsigned>(date.month),
                           static_cast<unsigned>(date.day)) -
         kUnixDayOfDayZero;
}

CivilDate CivilFromDay(std::int64_t day) { return CivilFromDaysUnix(day + kUnixDayOfDayZero); }

int Weekday(std::int64_t day) {
  // Day zero, 30 December 1899, was a Saturday.
  const std::int64_t w = (day + 6) % 7;
  return static_cast<int>(w < 0 ? w + 7 : w);
}

DateTime MakeDateTime(const CivilDate& date, int hour, int minute, int second) {
  return DateTime{DayFromCivil(date), hour * 3600 + minute * 60 + second};
}

}  // namespace tw
