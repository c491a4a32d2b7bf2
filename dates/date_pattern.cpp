#include "dates/date_pattern.h"

#include <algorithm>

#include "dates/ascii.h"

namespace tw {
namespace {

bool IsSeparatorChar(const std::string& s) {
  const char c = s.size() == 1 ? s[0] : 'x';
  return static_cast<unsigned char>(c) < 0x80 && !IsBlank(c) && !IsDigit(c) && !IsLetter(c);
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
          while (!text.empty() && IsBlank(text.back())) text.pop_back();
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

DateLayout DateLayoutOf(const std::vector<DateToken>& date) {
  int seen = 0;
  bool sepFound = false;
  std::string pendingSep;
  int dayAt = -1, monthAt = -1, yearAt = -1;
  for (const DateToken& t : date) {
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
  DateLayout layout;
  if (yearAt == 0)
    layout.order = DateOrder::YearMonthDay;
  else if (dayAt >= 0 && monthAt >= 0 && dayAt < monthAt)
    layout.order = DateOrder::DayMonthYear;
  if (IsSeparatorChar(pendingSep)) layout.separator = pendingSep;
  return layout;
}

std::string TimeSeparatorOf(const std::vector<DateToken>& time) {
  for (size_t i = 0; i + 2 < time.size(); ++i) {
    if (time[i].kind == DateToken::Hour && time[i + 1].kind == DateToken::Literal &&
        time[i + 2].kind == DateToken::Minute)
      return IsSeparatorChar(time[i + 1].text) ? time[i + 1].text : std::string();
  }
  return {};
}

bool HasDateField(const std::vector<DateToken>& tokens) {
  return std::any_of(tokens.begin(), tokens.end(), [](const DateToken& t) {
    return t.kind == DateToken::Day || t.kind == DateToken::Month ||
           t.kind == DateToken::MonthName || t.kind == DateToken::Year;
  });
}

}  // namespace tw
