#pragma once
// The user's regional date and time format, and the program's own formatting and parsing of
// date-time texts with it. Nothing here asks the system: the format is read from the user's locale
// once at start-up (desktop/qt_locale.h) and passed in.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "dates/date_pattern.h"
#include "dates/date_value.h"

namespace tw {

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
  // The day in the order of the short date, with a two-digit day and month, a four-digit year and
  // the date separator: "12/07/2026", "07.12.2026", "2026/12/07".
  std::string FormatNumericDate(const DateTime& value) const;
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

  // The date a text's date part names by the locale's own date pattern, and by the common numeric
  // form: Parse takes the day of a value from the first of the two that leads to one, so a text
  // that gives a value gives it on one of these dates. Fields as written (two-digit years
  // widened), not checked: 31 February stays. Nothing where the text has no such date part.
  std::optional<CivilDate> OwnDatePart(std::string_view text) const;
  std::optional<CivilDate> CommonDatePart(std::string_view text) const;
  // Whether the day of every value Parse gives comes from the text's date part alone (the time
  // patterns hold no date field), and whether that date part always shows the year.
  bool DayFromDatePart() const { return dayByDatePart_; }
  bool DateShowsYear() const;

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

}  // namespace tw
