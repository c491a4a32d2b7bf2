#pragma once
// The user's regional date and time format, and the program's own formatting and parsing of
// date-time texts with it. Nothing here asks the system: the format is read from the user's locale
// once at start-up (platform/qt_locale.h) and passed in.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/date_value.h"

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
};

struct DateToken {
  enum Kind { Literal, Day, DayName, Month, MonthName, Year, Hour, Minute, Second, AmPm };
  Kind kind = Literal;
  int width = 1;         // digits (or 3/4 for short/long names)
  bool hour12 = false;   // for Hour
  bool lower = false;    // for AmPm: the marker in lower case
  std::string text;      // for Literal
};

class DateFormat {
 public:
  DateFormat() : DateFormat(LocaleData{}) {}
  explicit DateFormat(LocaleData data);

  const LocaleData& data() const { return data_; }
  DateOrder order() const { return order_; }
  const std::string& dateSeparator() const { return dateSeparator_; }
  const std::string& timeSeparator() const { return timeSeparator_; }

  // The user's short date (always with a four-digit year, so that a date written now reads back
  // in the same century whatever the year), the long time, and hours and minutes.
  std::string FormatDate(const DateTime& value) const;
  std::string FormatTime(const DateTime& value) const;
  std::string FormatShortTime(const DateTime& value) const;
  // The general date-time text: short date, one blank, long time; the date alone at exactly
  // midnight, the time alone on day zero.
  std::string FormatGeneral(const DateTime& value) const;
  // "MM/DD/YYYY" with the user's date separator.
  std::string FormatMonthDayYear(const DateTime& value) const;
  // "mm-dd-yyyy  hh:nn:ssAM/PM" with the user's time separator (the dashes stand for themselves).
  std::string FormatLogStamp(const DateTime& value) const;
  // "hh:mm:ss" of a length of time: whole hours (two digits at least), minutes and seconds.
  std::string FormatDuration(std::int64_t seconds) const;
  const std::string& WeekdayName(const DateTime& value) const;

  // Reads a date-time text by the user's conventions: everything the formats above write, and the
  // common numeric forms (M/D/Y or the locale's order, with "/", "-", "." or the locale's separator;
  // a date alone; a time alone, which stands for that time on day zero; 12- or 24-hour times with or
  // without seconds). Two-digit years are 1930-2029. Anything else gives nothing.
  std::optional<DateTime> Parse(std::string_view text) const;
  bool IsDate(std::string_view text) const { return Parse(text).has_value(); }

  // A quick look at the date part alone, for scans that pick the texts of one day out of many:
  // false only when Parse(text) cannot give a value on `day` (whatever its time part says). True
  // does not promise a value: Parse decides.
  bool MayBeOnDay(std::string_view text, const CivilDate& day) const;
  // Digits that every text Parse reads as a moment on `day` holds (its year as it can be written),
  // so that a scan can pass over text without them; empty when no such digits can be named.
  std::string DigitsOfDay(const CivilDate& day) const;

 private:
  std::string Format(const std::vector<DateToken>& tokens, const DateTime& value) const;

  LocaleData data_;
  std::vector<DateToken> date_, time_, shortTime_;
  DateOrder order_ = DateOrder::MonthDayYear;
  // The time patterns hold no date field, so only the date part of a text decides its day.
  bool dayByDatePart_ = true;
  std::string dateSeparator_ = "/";
  std::string timeSeparator_ = ":";
};

// Splits a pattern into tokens (time-zone markers and the blanks before them dropped).
std::vector<DateToken> TokenizeDatePattern(std::string_view pattern);

}  // namespace tw
