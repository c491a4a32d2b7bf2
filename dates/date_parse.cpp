#include "dates/date_format.h"

#include <algorithm>

#include "dates/ascii.h"

namespace tw {
namespace {

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  if (prefix.empty() || prefix.size() > text.size()) return false;
  for (size_t i = 0; i < prefix.size(); ++i)
    if (AsciiLower(text[i]) != AsciiLower(prefix[i])) return false;
  return true;
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
  bool atSpaceOrEnd() const { return atEnd() || IsBlank(s_[pos_]); }
  size_t skipSpaces() {
    size_t n = 0;
    while (!atEnd() && IsBlank(s_[pos_])) ++pos_, ++n;
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
      if (IsBlank(c)) {
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

std::optional<CivilDate> DateOf(const Fields& f) {
  if (!f.hasDate) return std::nullopt;
  return CivilDate{FullYear(f), f.month, f.day};
}

}  // namespace

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

std::optional<CivilDate> DateFormat::OwnDatePart(std::string_view text) const {
  Scanner sc(text, data_);
  sc.skipSpaces();
  Fields f;
  if (!MatchTokens(date_, sc, f)) return std::nullopt;
  return DateOf(f);
}

std::optional<CivilDate> DateFormat::CommonDatePart(std::string_view text) const {
  Scanner sc(text, data_);
  sc.skipSpaces();
  Fields f;
  if (!GenericDate(sc, order_, dateSeparator_, f)) return std::nullopt;
  return DateOf(f);
}

bool DateFormat::DateShowsYear() const {
  return std::any_of(date_.begin(), date_.end(),
                     [](const DateToken& t) { return t.kind == DateToken::Year; });
}

}  // namespace tw
