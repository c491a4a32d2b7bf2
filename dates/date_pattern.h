#pragma once
// The names and patterns a locale supplies for dates and times, and a pattern split into its fields.
#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace tw {

enum class DateOrder { MonthDayYear, DayMonthYear, YearMonthDay };

// The names and patterns a locale supplies. Patterns use the notation of regional settings:
// d dd (day), ddd dddd (weekday name), M MM (month), MMM MMMM (month name), yy yyyy (year),
// h hh (12-hour when the pattern has an AM/PM marker), H HH (24-hour), m mm, s ss, AP ap (marker),
// t (time zone, dropped); text in single quotes and any other character stand for themselves.
struct LocaleData {
  std::string shortDate = "M/d/yyyy";
  std::string longTime = "h:mm:ss AP";
  std::string shortTime = "h:mm AP";
  std::string am = "AM";
  std::string pm = "PM";
  std::array<std::string, 7> dayNames{"Sunday",   "Monday", "Tuesday", "Wednesday",
                                      "Thursday", "Friday", "Saturday"};
  std::array<std::string, 7> shortDayNames{"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
  std::array<std::string, 12> monthNames{"January", "February", "March",     "April",
                                         "May",     "June",     "July",      "August",
                                         "September", "October", "November", "December"};
  std::array<std::string, 12> shortMonthNames{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                              "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  friend bool operator==(const LocaleData&, const LocaleData&) = default;
};

struct DateToken {
  enum Kind { Literal, Day, DayName, Month, MonthName, Year, Hour, Minute, Second, AmPm };
  Kind kind = Literal;
  int width = 1;         // digits (or 3/4 for short/long names)
  bool hour12 = false;   // for Hour
  bool lower = false;    // for AmPm: the marker in lower case
  std::string text;      // for Literal
};

// Splits a pattern into tokens (time-zone markers and the blanks before them dropped).
std::vector<DateToken> TokenizeDatePattern(std::string_view pattern);

// What a short-date pattern tells of its numeric form: the order of day, month and year, and the
// separator between its first two fields (empty when it has none a number could not be).
struct DateLayout {
  DateOrder order = DateOrder::MonthDayYear;
  std::string separator;
};
DateLayout DateLayoutOf(const std::vector<DateToken>& date);
// The separator between the hours and the minutes of a time pattern, or empty.
std::string TimeSeparatorOf(const std::vector<DateToken>& time);
// Whether a pattern shows a day, a month or a year.
bool HasDateField(const std::vector<DateToken>& tokens);

}  // namespace tw
