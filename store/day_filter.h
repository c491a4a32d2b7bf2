#pragma once
// The quick looks that let a scan of the whole report pass over the lines of other days without
// reading them as records.
#include <string>
#include <string_view>
#include <vector>

#include "dates/date_format.h"

namespace tw {

// A look at a start text's date part alone: false only when format.Parse(text) cannot give a
// value on `day` (whatever its time part says). True does not promise a value: Parse decides.
bool MayBeOnDay(const DateFormat& format, std::string_view text, const CivilDate& day);

// A text with one place (gap) standing for any character but a digit.
struct DayPattern {
  std::string text;
  size_t gap = 0;
  bool At(const char* where) const;
};

// Texts one of which every start that may be on `day` (MayBeOnDay) holds, so that a scan can pass
// over text without them: the month's and the day's numbers side by side, as the locale orders
// them and as the year-first form does ("6?15" for 15 June with month-day-year dates; "15?6" and
// "15?06" besides with day-month-year ones). Empty where the locale's date is not three numbers
// with one character between each, or for day zero.
std::vector<DayPattern> DayPatterns(const DateFormat& format, const CivilDate& day);

}  // namespace tw
