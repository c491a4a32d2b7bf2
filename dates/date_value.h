#pragma once
// Date values: a calendar day counted from 30 December 1899 (day zero) and a time of day in whole
// seconds.
#include <cstdint>

namespace tw {

inline constexpr std::int32_t kSecondsPerDay = 86400;
// Day zero counted from 1 January 1970, the start of the system clock.
inline constexpr std::int64_t kUnixDayOfDayZero = -25569;

struct DateTime {
  std::int64_t day = 0;      // days since 30 December 1899
  std::int32_t seconds = 0;  // 0 .. 86399
  friend bool operator==(const DateTime&, const DateTime&) = default;
};

struct CivilDate {
  int year = 1899;
  int month = 12;
  int day = 30;
  friend bool operator==(const CivilDate&, const CivilDate&) = default;
};

bool IsLeapYear(int year);
int DaysInMonth(int year, int month);

// Day number of a proleptic Gregorian date, and back.
std::int64_t DayFromCivil(const CivilDate& date);
CivilDate CivilFromDay(std::int64_t day);

// 0 = Sunday .. 6 = Saturday.
int Weekday(std::int64_t day);

DateTime MakeDateTime(const CivilDate& date, int hour, int minute, int second);

}  // namespace tw
