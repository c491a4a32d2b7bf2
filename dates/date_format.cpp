#include "dates/date_format.h"

#include <algorithm>
#include <charconv>

#include "dates/ascii.h"

namespace tw {
namespace {

std::string Lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), AsciiLower);
  return s;
}
std::string Upper(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), AsciiUpper);
  return s;
}

void Pad(std::string& out, std::int64_t value, int width) {
  char digits[24];
  const int length = static_cast<int>(std::to_chars(digits, digits + sizeof digits, value).ptr - digits);
  if (length < width) out.append(static_cast<size_t>(width - length), '0');
  out.append(digits, static_cast<size_t>(length));
}

}  // namespace

DateFormat::DateFormat(LocaleData data) : data_(std::move(data)) {
  date_ = TokenizeDatePattern(data_.shortDate);
  time_ = TokenizeDatePattern(data_.longTime);
  shortTime_ = TokenizeDatePattern(data_.shortTime);
  // Hours and minutes only, whatever the locale's short time shows.
  for (size_t i = 0; i < shortTime_.size(); ++i) {
    if (shortTime_[i].kind != DateToken::Second) continue;
    const bool literalBefore = i > 0 && shortTime_[i - 1].kind == DateToken::Literal;
    shortTime_.erase(shortTime_.begin() + static_cast<long>(i) - (literalBefore ? 1 : 0),
                     shortTime_.begin() + static_cast<long>(i) + 1);
    break;
  }
  // The year is always written whole, so that a date reads back in its own century.
  for (DateToken& t : date_)
    if (t.kind == DateToken::Year) t.width = 4;

  const DateLayout layout = DateLayoutOf(date_);
  order_ = layout.order;
  if (!layout.separator.empty()) dateSeparator_ = layout.separator;
  if (const std::string sep = TimeSeparatorOf(time_); !sep.empty()) timeSeparator_ = sep;
  dayByDatePart_ = !HasDateField(time_) && !HasDateField(shortTime_);
}

std::string DateFormat::Format(const std::vector<DateToken>& tokens, const DateTime& value) const {
  const CivilDate date = CivilFromDay(value.day);
  const int hour = value.seconds / 3600;
  const int minute = value.seconds / 60 % 60;
  const int second = value.seconds % 60;
  std::string out;
  for (const DateToken& t : tokens) {
    switch (t.kind) {
      case DateToken::Literal: out += t.text; break;
      case DateToken::Day: Pad(out, date.day, t.width); break;
      case DateToken::DayName:
        out += t.width == 3 ? data_.shortDayNames[Weekday(value.day)]
                            : data_.dayNames[Weekday(value.day)];
        break;
      case DateToken::Month: Pad(out, date.month, t.width); break;
      case DateToken::MonthName:
        out += t.width == 3 ? data_.shortMonthNames[date.month - 1]
                            : data_.monthNames[date.month - 1];
        break;
      case DateToken::Year:
        Pad(out, t.width == 2 ? date.year % 100 : date.year, t.width);
        break;
      case DateToken::Hour:
        Pad(out, t.hour12 ? (hour % 12 == 0 ? 12 : hour % 12) : hour, t.width);
        break;
      case DateToken::Minute: Pad(out, minute, t.width); break;
      case DateToken::Second: Pad(out, second, t.width); break;
      case DateToken::AmPm: {
        const std::string& marker = hour < 12 ? data_.am : data_.pm;
        out += t.lower ? Lower(marker) : Upper(marker);
        break;
      }
    }
  }
  return out;
}

std::string DateFormat::FormatDate(const DateTime& value) const { return Format(date_, value); }
std::string DateFormat::FormatTime(const DateTime& value) const { return Format(time_, value); }
std::string DateFormat::FormatShortTime(const DateTime& value) const {
  return Format(shortTime_, value);
}

std::string DateFormat::FormatGeneral(const DateTime& value) const {
  if (value.day == 0) return FormatTime(value);
  if (value.seconds == 0) return FormatDate(value);
  return FormatDate(value) + " " + FormatTime(value);
}

std::string DateFormat::FormatNumericDate(const DateTime& value) const {
  const CivilDate date = CivilFromDay(value.day);
  const int day[] = {date.day, 2}, month[] = {date.month, 2}, year[] = {date.year, 4};
  const int* fields[3] = {month, day, year};
  if (order_ == DateOrder::DayMonthYear) fields[0] = day, fields[1] = month;
  if (order_ == DateOrder::YearMonthDay) fields[0] = year, fields[1] = month, fields[2] = day;
  std::string out;
  for (int i = 0; i < 3; ++i) {
    if (i > 0) out += dateSeparator_;
    Pad(out, fields[i][0], fields[i][1]);
  }
  return out;
}

std::string DateFormat::FormatLogStamp(const DateTime& value) const {
  const CivilDate date = CivilFromDay(value.day);
  const int hour = value.seconds / 3600;
  std::string out;
  Pad(out, date.month, 2);
  out += '-';
  Pad(out, date.day, 2);
  out += '-';
  Pad(out, date.year, 4);
  out += "  ";
  Pad(out, hour % 12 == 0 ? 12 : hour % 12, 2);
  out += timeSeparator_;
  Pad(out, value.seconds / 60 % 60, 2);
  out += timeSeparator_;
  Pad(out, value.seconds % 60, 2);
  out += hour < 12 ? "AM" : "PM";
  return out;
}

std::string DateFormat::FormatDuration(std::int64_t seconds) const {
  if (seconds < 0) seconds = -seconds;
  std::string out;
  Pad(out, seconds / 3600, 2);
  out += timeSeparator_;
  Pad(out, seconds / 60 % 60, 2);
  out += timeSeparator_;
  Pad(out, seconds % 60, 2);
  return out;
}

const std::string& DateFormat::WeekdayName(const DateTime& value) const {
  return data_.dayNames[Weekday(value.day)];
}

}  // namespace tw
