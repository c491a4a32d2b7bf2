#include "dates/iso_date.h"

#include <cstdio>

namespace tw {

std::string IsoDate(std::int64_t day) {
  const CivilDate d = CivilFromDay(day);
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", d.year, d.month, d.day);
  return text;
}

std::string IsoDateTime(const DateTime& value) {
  char text[40];
  std::snprintf(text, sizeof text, "T%02d:%02d:%02d", value.seconds / 3600, value.seconds / 60 % 60,
                value.seconds % 60);
  return IsoDate(value.day) + text;
}

}  // namespace tw
