#include "viewer/day_filter.h"

namespace tw {

bool MayBeOnDay(const DateFormat& format, std::string_view text, const CivilDate& day) {
  // A time alone stands for day zero, and time patterns with date fields of their own are not
  // worth a shortcut: the full reading decides.
  if (!format.DayFromDatePart() || day == CivilDate{}) return true;
  // The day of a value comes from the first of the two date readings of Parse that matches: the
  // locale's own date pattern, or the common numeric form. Either one on `day` may be the one.
  if (format.OwnDatePart(text) == day) return true;
  return format.CommonDatePart(text) == day;
}

std::string DigitsOfDay(const DateFormat& format, const CivilDate& day) {
  if (!format.DayFromDatePart() || !format.DateShowsYear() || day == CivilDate{}) return "";
  // A year is written whole (3 or 4 digits), or in two digits (1930-2029), or, for 2000-2009, in
  // one: each form holds the digits below.
  const int y = day.year;
  if (y >= 2000 && y <= 2009) return std::to_string(y % 10);
  if (y >= 1930 && y <= 2029) return {static_cast<char>('0' + y / 10 % 10), static_cast<char>('0' + y % 10)};
  return std::to_string(y);
}

}  // namespace tw
