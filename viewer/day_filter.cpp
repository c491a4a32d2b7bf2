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

}  // namespace tw
