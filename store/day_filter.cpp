#include "store/day_filter.h"

#include "dates/ascii.h"

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

bool DayPattern::At(const char* where) const {
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = where[i];
    if (i == gap ? IsDigit(c) : c != text[i]) return false;
  }
  return true;
}

std::vector<DayPattern> DayPatterns(const DateFormat& format, const CivilDate& day) {
  if (!format.DayFromDatePart() || day == CivilDate{}) return {};
  // The locale's date must be field, character, field, character, field: then its own form and
  // the common form (the same order, or year first) both write the month and the day side by
  // side, each in one or two digits, with one character that is no digit between them.
  const std::vector<DateToken> tokens = TokenizeDatePattern(format.data().shortDate);
  if (tokens.size() != 5) return {};
  std::string order;
  for (size_t i = 0; i < tokens.size(); ++i) {
    const DateToken& t = tokens[i];
    if (i % 2 == 1) {
      const char c = t.text.empty() ? '0' : t.text[0];
      if (t.kind != DateToken::Literal || t.text.size() != 1 || IsBlank(c) || IsDigit(c))
        return {};
    } else if (t.kind == DateToken::Day || t.kind == DateToken::Month || t.kind == DateToken::Year) {
      order += "DMY"[t.kind == DateToken::Day ? 0 : t.kind == DateToken::Month ? 1 : 2];
    }
  }
  if (order != "MDY" && order != "DMY" && order != "YMD") return {};
  auto spellings = [](int n) {
    std::vector<std::string> out{std::to_string(n)};
    if (n < 10) out.push_back("0" + out[0]);
    return out;
  };
  std::vector<DayPattern> patterns;
  const std::string month = std::to_string(day.month), dayNumber = std::to_string(day.day);
  for (const std::string& d : spellings(day.day)) patterns.push_back({month + "?" + d, month.size()});
  if (order == "DMY")
    for (const std::string& m : spellings(day.month)) patterns.push_back({dayNumber + "?" + m, dayNumber.size()});
  return patterns;
}

}  // namespace tw
