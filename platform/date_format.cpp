#include "platform/date_format.h"

#include <algorithm>
#include <cstdlib>

namespace tw {
namespace {

bool IsSpace(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }
char AsciiUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

std::string Lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), AsciiLower);
  return s;
}
std::string Upper(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), AsciiUpper);
  return s;
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  if (prefix.empty() || prefix.size() > text.size()) return false;
  for (size_t i = 0; i < prefix.size(); ++i)
    if (AsciiLower(text[i]) != AsciiLower(prefix[i])) return false;
  return true;
}

void Pad(std::string& out, std::int64_t value, int width) {
  std::string digits = std::to_string(value);
  if (static_cast<int>(digits.size()) < width) out.append(width - digits.size(), '0');
  out += digits;
}

bool IsSeparatorChar(const std::string& s) {
  return s.size() == 1 && static_cast<unsigned char>(s[0]) < 0x80 && !IsSpace(s[0]) &&
         !IsDigit(s[0]) && !((s[0] >= 'a' && s[0] <= 'z') || (s[0] >= 'A' && s[0] <= 'Z'));
}

std::string Trimmed(const std::string& s) {
  size_t b = 0, e = s.size();
  while (b < e && IsSpace(s[b])) ++b;
  while (e > b && IsSpace(s[e - 1])) --e;
  return s.substr(b, e - b);
}

// What a text says, field by field, before it is checked.
struct Fields {
  bool hasDate = false;
  bool hasTime = false;
  int year = 0, yearDigits = 0, month = 0, day = 0;
  int hour = 0, minute = 0, second = 0;
  int marker = 0;  // 0 none, 1 AM, 2 PM
};

// Two-digit years are 1930-2029.
int FullYear(const Fields& f) {
  if (f.yearDigits > 2) return f.year;
  return f.year + (f.year < 30 ? 2000 : 1900);
}

std::optional<DateTime> Build(const Fields& f) {
  DateTime result;
  if (f.hasDate) {
    const int year = FullYear(f);
    if (year < 100 || year > 9999 || f.month < 1 || f.month > 12 || f.day < 1 ||
        f.day > DaysInMonth(year, f.month))
      return std::nullopt;
    result.day = DayFromCivil(CivilDate{year, f.month, f.day});
  }
  if (f.hasTime) {
    int hour = f.hour;
    if (f.marker != 0) {
      if (hour > 12) return std::nullopt;
      hour %= 12;
      if (f.marker == 2) hour += 12;
    }
    if (hour > 23 || f.minute > 59 || f.second > 59) return std::nullopt;
    result.seconds = hour * 3600 + f.minute * 60 + f.second;
  }
  if (!f.hasDate && !f.hasTime) return std::nullopt;
  return result;
}

class Scanner {
 public:
  Scanner(std::string_view text, const LocaleData& names) : s_(text), names_(names) {}

  size_t pos() const { return pos_; }
  void reset(size_t pos) { pos_ = pos; }
  bool atEnd() const { return pos_ >= s_.size(); }
  bool atSpaceOrEnd() const { return atEnd() || IsSpace(s_[pos_]); }
  size_t skipSpaces() {
    size_t n = 0;
    while (!atEnd() && IsSpace(s_[pos_])) ++pos_, ++n;
    return n;
  }

  // One to maxDigits decimal digits; more digits than that fail.
  bool number(int maxDigits, int& value, int* digits = nullptr) {
    int n = 0, v = 0;
    while (!atEnd() && IsDigit(s_[pos_])) {
      if (++n > maxDigits) return false;
      v = v * 10 + (s_[pos_] - '0');
      ++pos_;
    }
    if (n == 0) return false;
    value = v;
    if (digits) *digits = n;
    return true;
  }

  bool literal(std::string_view text) {
    for (char c : text) {
      if (IsSpace(c)) {
        skipSpaces();
      } else if (!atEnd() && s_[pos_] == c) {
        ++pos_;
      } else {
        return false;
      }
    }
    return true;
  }

  bool oneOf(std::string_view candidate) {
    if (!candidate.empty() && s_.substr(pos_, candidate.size()) == candidate) {
      pos_ += candidate.size();
      return true;
    }
    return false;
  }

  // The locale's AM/PM markers, or AM and PM, in any letter case.
  bool marker(int& which) {
    const std::string_view rest = s_.substr(pos_);
    const std::string_view candidates[] = {names_.am, names_.pm, "AM", "PM"};
    for (int i = 0; i < 4; ++i) {
      if (StartsWithNoCase(rest, candidates[i])) {
        pos_ += candidates[i].size();
        which = i % 2 == 0 ? 1 : 2;
        return true;
      }
    }
    return false;
  }

  template <size_t N>
  bool name(const std::array<std::string, N>& names, int& index) {
    const std::string_view rest = s_.substr(pos_);
    size_t best = 0;
    for (size_t i = 0; i < N; ++i) {
      if (names[i].size() > best && StartsWithNoCase(rest, names[i])) {
        best = names[i].size();
        index = static_cast<int>(i);
      }
    }
    pos_ += best;
    return best > 0;
  }

  const LocaleData& names() const { return names_; }

 private:
  std::string_view s_;
  const LocaleData& names_;
  size_t pos_ = 0;
};

bool MatchTokens(const std::vector<DateToken>& tokens, Scanner& sc, Fields& f) {
  for (const DateToken& t : tokens) {
    bool ok = true;
    int index = 0;
    switch (t.kind) {
      case DateToken::Literal:
        ok = sc.literal(t.text);
        break;
      case DateToken::Day:
        ok = sc.number(2, f.day);
        f.hasDate = true;
        break;
      case DateToken::DayName:
        ok = sc.name(sc.names().dayNames, index) || sc.name(sc.names().shortDayNames, index);
        break;
      case DateToken::Month:
        ok = sc.number(2, f.month);
        f.hasDate = true;
        break;
      case DateToken::MonthName:
        ok = sc.name(sc.names().monthNames, index) || sc.name(sc.names().shortMonthNames, index);
        f.month = index + 1;
        f.hasDate = true;
        break;
      case DateToken::Year:
        ok = sc.number(4, f.year, &f.yearDigits);
        f.hasDate = true;
        break;
      case DateToken::Hour:
        ok = sc.number(2, f.hour);
        f.hasTime = true;
        break;
      case DateToken::Minute:
        ok = sc.number(2, f.minute);
        f.hasTime = true;
        break;
      case DateToken::Second:
        ok = sc.number(2, f.second);
        f.hasTime = true;
        break;
      case DateToken::AmPm:
        ok = sc.marker(f.marker);
        break;
    }
    if (!ok) return false;
  }
  return true;
}

bool DateSeparator(Scanner& sc, const std::string& own) {
  return sc.oneOf(own) || sc.oneOf("/") || sc.oneOf("-") || sc.oneOf(".");
}

// N sep N sep N, the fields in the locale's order (a first number of three or four digits is a year).
bool GenericDate(Scanner& sc, DateOrder order, const std::string& sep, Fields& f) {
  int n[3], digits[3];
  for (int i = 0; i < 3; ++i) {
    if (i > 0 && !DateSeparator(sc, sep)) return false;
    if (!sc.number(4, n[i], &digits[i])) return false;
  }
  if (!sc.atSpaceOrEnd()) return false;
  if (digits[0] >= 3) order = DateOrder::YearMonthDay;
  int y = 0, m = 0, d = 0;
  switch (order) {
    case DateOrder::MonthDayYear: m = 0, d = 1, y = 2; break;
    case DateOrder::DayMonthYear: d = 0, m = 1, y = 2; break;
    case DateOrder::YearMonthDay: y = 0, m = 1, d = 2; break;
  }
  if (digits[m] > 2 || digits[d] > 2) return false;
  f.year = n[y];
  f.yearDigits = digits[y];
  f.month = n[m];
  f.day = n[d];
  f.hasDate = true;
  return true;
}

// H sep MM [sep SS] [AM/PM].
bool GenericTime(Scanner& sc, const std::string& sep, Fields& f) {
  auto timeSep = [&] { return sc.oneOf(":") || sc.oneOf(sep); };
  if (!sc.number(2, f.hour) || !timeSep() || !sc.number(2, f.minute)) return false;
  const size_t afterMinutes = sc.pos();
  if (!(timeSep() && sc.number(2, f.second))) {
    sc.reset(afterMinutes);
    f.second = 0;
  }
  const size_t beforeMarker = sc.pos();
  sc.skipSpaces();
  if (!sc.marker(f.marker)) sc.reset(beforeMarker);
  f.hasTime = true;
  return true;
}

}  // namespace

std::vector<DateToken> TokenizeDatePattern(std::string_view p) {
  std::vector<DateToken> tokens;
  auto addLiteral = [&](std::string_view text) {
    if (!tokens.empty() && tokens.back().kind == DateToken::Literal)
      tokens.back().text += text;
    else
      tokens.push_back(DateToken{DateToken::Literal, 0, false, false, std::string(text)});
  };
  for (size_t i = 0; i < p.size();) {
    const char c = p[i];
    size_t run = 1;
    while (i + run < p.size() && p[i + run] == c) ++run;
    DateToken t;
    switch (c) {
      case '\'': {
        // Quoted text; two quotes stand for one.
        std::string text;
        size_t j = i + 1;
        if (j < p.size() && p[j] == '\'') {
          addLiteral("'");
          i += 2;
          continue;
        }
        for (; j < p.size(); ++j) {
          if (p[j] == '\'') {
            if (j + 1 < p.size() && p[j + 1] == '\'') {
              text += '\'';
              ++j;
            } else {
              break;
            }
          } else {
            text += p[j];
          }
        }
        addLiteral(text);
        i = j + 1;
        continue;
      }
      case 'd':
        t.kind = run >= 3 ? DateToken::DayName : DateToken::Day;
        t.width = static_cast<int>(std::min<size_t>(run, 4));
        break;
      case 'M':
        t.kind = run >= 3 ? DateToken::MonthName : DateToken::Month;
        t.width = static_cast<int>(std::min<size_t>(run, 4));
        break;
      case 'y':
        t.kind = DateToken::Year;
        t.width = run == 2 ? 2 : 4;
        break;
      case 'h':
      case 'H':
        t.kind = DateToken::Hour;
        t.width = run >= 2 ? 2 : 1;
        t.hour12 = c == 'h';
        break;
      case 'm':
        t.kind = DateToken::Minute;
        t.width = run >= 2 ? 2 : 1;
        break;
      case 's':
        t.kind = DateToken::Second;
        t.width = run >= 2 ? 2 : 1;
        break;
      case 'A':
      case 'a':
        t.kind = DateToken::AmPm;
        t.lower = c == 'a';
        run = 1;
        if (i + 1 < p.size() && (p[i + 1] == 'P' || p[i + 1] == 'p')) run = 2;
        break;
      case 't':
      case 'z':
        // Time zones and milliseconds are not part of the program's texts.
        if (c == 't' && !tokens.empty() && tokens.back().kind == DateToken::Literal) {
          std::string& text = tokens.back().text;
          while (!text.empty() && IsSpace(text.back())) text.pop_back();
          if (text.empty()) tokens.pop_back();
        }
        i += run;
        continue;
      default:
        addLiteral(std::string_view(&p[i], 1));
        i += 1;
        continue;
    }
    tokens.push_back(t);
    i += run;
  }
  // "h" is a 12-hour field only when the pattern shows a marker.
  const bool hasMarker = std::any_of(tokens.begin(), tokens.end(),
                                     [](const DateToken& t) { return t.kind == DateToken::AmPm; });
  for (DateToken& t : tokens)
    if (t.kind == DateToken::Hour) t.hour12 = t.hour12 && hasMarker;
  while (!tokens.empty() && tokens.back().kind == DateToken::Literal &&
         Trimmed(tokens.back().text).empty())
    tokens.pop_back();
  return tokens;
}

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

  // Field order and separator of the short date.
  int seen = 0;
  bool sepFound = false;
  std::string pendingSep;
  int dayAt = -1, monthAt = -1, yearAt = -1;
  for (DateToken& t : date_) {
    switch (t.kind) {
      case DateToken::Day:
        if (dayAt < 0) dayAt = seen++;
        break;
      case DateToken::Month:
      case DateToken::MonthName:
        if (monthAt < 0) monthAt = seen++;
        break;
      case DateToken::Year:
        if (yearAt < 0) yearAt = seen++;
        t.width = 4;
        break;
      case DateToken::Literal:
        if (seen == 1 && !sepFound) {
          pendingSep = Trimmed(t.text);
          sepFound = true;
        }
        break;
      default:
        break;
    }
  }
  if (yearAt == 0)
    order_ = DateOrder::YearMonthDay;
  else if (dayAt >= 0 && monthAt >= 0 && dayAt < monthAt)
    order_ = DateOrder::DayMonthYear;
  else
    order_ = DateOrder::MonthDayYear;
  if (IsSeparatorChar(pendingSep)) dateSeparator_ = pendingSep;

  auto hasDateField = [](const std::vector<DateToken>& tokens) {
    return std::any_of(tokens.begin(), tokens.end(), [](const DateToken& t) {
      return t.kind == DateToken::Day || t.kind == DateToken::Month ||
             t.kind == DateToken::MonthName || t.kind == DateToken::Year;
    });
  };
  dayByDatePart_ = !hasDateField(time_) && !hasDateField(shortTime_);

  for (size_t i = 0; i + 2 < time_.size(); ++i) {
    if (time_[i].kind == DateToken::Hour && time_[i + 1].kind == DateToken::Literal &&
        time_[i + 2].kind == DateToken::Minute) {
      if (IsSeparatorChar(time_[i + 1].text)) timeSeparator_ = time_[i + 1].text;
      break;
    }
  }
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

std::string DateFormat::FormatMonthDayYear(const DateTime& value) const {
  const CivilDate date = CivilFromDay(value.day);
  std::string out;
  Pad(out, date.month, 2);
  out += dateSeparator_;
  Pad(out, date.day, 2);
  out += dateSeparator_;
  Pad(out, date.year, 4);
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

std::optional<DateTime> DateFormat::Parse(std::string_view text) const {
  Scanner sc(text, data_);
  sc.skipSpaces();
  const size_t start = sc.pos();
  auto finish = [&](const Fields& f) -> std::optional<DateTime> {
    sc.skipSpaces();
    if (!sc.atEnd()) return std::nullopt;
    return Build(f);
  };

  // The locale's own forms: date and time, date alone, time alone, hours and minutes alone.
  {
    Fields f;
    if (MatchTokens(date_, sc, f)) {
      const size_t afterDate = sc.pos();
      Fields withTime = f;
      if (sc.skipSpaces() > 0 && MatchTokens(time_, sc, withTime))
        if (auto r = finish(withTime)) return r;
      sc.reset(afterDate);
      if (auto r = finish(f)) return r;
    }
  }
  for (const auto* tokens : {&time_, &shortTime_}) {
    sc.reset(start);
    Fields f;
    if (MatchTokens(*tokens, sc, f))
      if (auto r = finish(f)) return r;
  }

  // Common numeric forms.
  sc.reset(start);
  Fields f;
  if (GenericDate(sc, order_, dateSeparator_, f)) {
    if (sc.skipSpaces() == 0 || sc.atEnd()) return finish(f);
    if (!GenericTime(sc, timeSeparator_, f)) return std::nullopt;
    return finish(f);
  }
  sc.reset(start);
  f = Fields{};
  if (GenericTime(sc, timeSeparator_, f)) return finish(f);
  return std::nullopt;
}

std::string DateFormat::DigitsOfDay(const CivilDate& day) const {
  const bool hasYear = std::any_of(date_.begin(), date_.end(),
                                   [](const DateToken& t) { return t.kind == DateToken::Year; });
  if (!dayByDatePart_ || !hasYear || day == CivilDate{}) return "";
  // A year is written whole (3 or 4 digits), or in two digits (1930-2029), or, for 2000-2009, in
  // one: each form holds the digits below.
  const int y = day.year;
  if (y >= 2000 && y <= 2009) return std::to_string(y % 10);
  if (y >= 1930 && y <= 2029) return {static_cast<char>('0' + y / 10 % 10), static_cast<char>('0' + y % 10)};
  return std::to_string(y);
}

bool DateFormat::MayBeOnDay(std::string_view text, const CivilDate& day) const {
  // A time alone stands for day zero, and time patterns with date fields of their own are not
  // worth a shortcut: the full reading decides.
  if (!dayByDatePart_ || day == CivilDate{}) return true;
  // The day of a value comes from the first of the two date readings of Parse that matches: the
  // locale's own date pattern, or the common numeric form. Either one on `day` may be the one.
  auto on = [&day](const Fields& f) {
    return f.hasDate && f.day == day.day && f.month == day.month && FullYear(f) == day.year;
  };
  Scanner sc(text, data_);
  sc.skipSpaces();
  const size_t start = sc.pos();
  Fields own;
  if (MatchTokens(date_, sc, own) && on(own)) return true;
  sc.reset(start);
  Fields common;
  return GenericDate(sc, order_, dateSeparator_, common) && on(common);
}

}  // namespace tw
