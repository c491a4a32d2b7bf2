#include "dates/quick_dates.h"

#include <cstring>

#include "dates/ascii.h"

namespace tw {

QuickDates::QuickDates(const DateFormat& format) : format_(format) {
  const LocaleData& data = format.data();
  // A long time with date fields of its own is left to Parse, which weighs them with the date's.
  const std::vector<DateToken> time = TokenizeDatePattern(data.longTime);
  usable_ = Compile(TokenizeDatePattern(data.shortDate), date_) && !HasDateField(time) && Compile(time, time_);
  markers_[0] = data.am;
  markers_[1] = data.pm;
  markers_[2] = "AM";
  markers_[3] = "PM";
  // A date part can be taken again by its bytes when it ends in digits (whose end the next
  // character, a blank, marks as before) and names nothing of the time.
  using K = Step::Kind;
  std::vector<K> kinds;
  for (const Step& step : time_) kinds.push_back(step.kind);
  const bool seconds = kinds.size() >= 5 && kinds[3] == K::Char && kinds[4] == K::Second;
  const size_t shaped = seconds ? 5 : 3;
  timeSeconds_ = seconds;
  timeMarker_ = kinds.size() == shaped + 2 && kinds[shaped] == K::Blanks && kinds[shaped + 1] == K::Marker;
  timeShaped_ = kinds.size() >= 3 && kinds[0] == K::Hour && kinds[1] == K::Char && kinds[2] == K::Minute &&
                (kinds.size() == shaped || timeMarker_) && !IsDigit(time_[1].c) &&
                (!seconds || !IsDigit(time_[3].c));
  timeSeparators_[0] = time_.size() > 1 ? time_[1].c : 0;
  timeSeparators_[1] = seconds ? time_[3].c : 0;
  memoUsable_ = usable_ && !date_.empty() && date_.back().kind <= Step::Day;
  for (const Step& step : date_)
    if ((step.kind >= Step::Hour && step.kind <= Step::Second) || step.kind == Step::Marker)
      memoUsable_ = false;
}

bool QuickDates::Compile(const std::vector<DateToken>& tokens, std::vector<Step>& steps) {
  for (const DateToken& t : tokens) {
    switch (t.kind) {
      case DateToken::Literal:
        for (char c : t.text) steps.push_back(IsBlank(c) ? Step{Step::Blanks} : Step{Step::Char, c});
        break;
      case DateToken::Year: steps.push_back({Step::Year}); break;
      case DateToken::Month: steps.push_back({Step::Month}); break;
      case DateToken::Day: steps.push_back({Step::Day}); break;
      case DateToken::Hour: steps.push_back({Step::Hour}); break;
      case DateToken::Minute: steps.push_back({Step::Minute}); break;
      case DateToken::Second: steps.push_back({Step::Second}); break;
      case DateToken::AmPm: steps.push_back({Step::Marker}); break;
      default: return false;  // names are left to Parse
    }
  }
  return true;
}

// The steps as Parse matches its tokens: fields of one to two (a year: four) digits, more digits
// failing; a blank of the pattern takes any number of blanks; the markers in any letter case.
bool QuickDates::Run(const std::vector<Step>& steps, const char*& p, const char* end, Fields& f) const {
  for (const Step& step : steps) {
    if (step.kind <= Step::Second) {
      const int most = step.kind == Step::Year ? 4 : 2;
      int count = 0, value = 0;
      while (p < end && IsDigit(*p)) {
        if (++count > most) return false;
        value = value * 10 + (*p++ - '0');
      }
      if (count == 0) return false;
      switch (step.kind) {
        case Step::Year: f.year = value, f.yearDigits = count, f.hasDate = true; break;
        case Step::Month: f.month = value, f.hasDate = true; break;
        case Step::Day: f.day = value, f.hasDate = true; break;
        case Step::Hour: f.hour = value, f.hasTime = true; break;
        case Step::Minute: f.minute = value, f.hasTime = true; break;
        default: f.second = value, f.hasTime = true; break;
      }
    } else if (step.kind == Step::Char) {
      if (p == end || *p != step.c) return false;
      ++p;
    } else if (step.kind == Step::Blanks) {
      while (p < end && IsBlank(*p)) ++p;
    } else if (!Marker(p, end, f.marker)) {
      return false;
    }
  }
  return true;
}

bool QuickDates::Time(const char*& p, const char* end, Fields& f) const {
  const char* q = p;
  // Two digits and no third, as Run reads a field it then leaves.
  auto two = [&](int& value) {
    if (end - q < 2 || !IsDigit(q[0]) || !IsDigit(q[1]) || (end - q > 2 && IsDigit(q[2]))) return false;
    value = (q[0] - '0') * 10 + (q[1] - '0');
    q += 2;
    return true;
  };
  int hour = 0, minute = 0, second = 0, marker = 0;
  if (timeShaped_ && q < end && IsDigit(*q)) {
    hour = *q++ - '0';
    if (q < end && IsDigit(*q)) hour = hour * 10 + (*q++ - '0');
    bool ok = (q == end || !IsDigit(*q)) && q < end && *q++ == timeSeparators_[0] && two(minute);
    if (ok && timeSeconds_) ok = q < end && *q++ == timeSeparators_[1] && two(second);
    if (ok && timeMarker_) {
      while (q < end && IsBlank(*q)) ++q;
      ok = Marker(q, end, marker);
    }
    if (ok) {
      f.hour = hour;
      f.minute = minute;
      if (timeSeconds_) f.second = second;
      if (timeMarker_) f.marker = marker;
      f.hasTime = true;
      p = q;
      return true;
    }
  }
  return Run(time_, p, end, f);
}

std::optional<DateTime> QuickDates::Read(std::string_view text) {
  if (!usable_) return std::nullopt;
  if (DateTime value; Common(text, value)) return value;
  const char* p = text.data();
  const char* const end = p + text.size();
  while (p < end && IsBlank(*p)) ++p;

  // Parse tries the locale's date first, then its long time after blanks; the first of these that
  // makes a value is its answer. Where this one would fail, Parse goes on to other forms.
  Fields f;
  std::optional<std::int64_t> day;  // of the date part, when the date part is a day
  const size_t left = static_cast<size_t>(end - p);
  size_t same = 0;  // bytes as in the date part read last
  if (!memo_.empty() && left >= memo_.size())
    while (same < memo_.size() && p[same] == memo_[same]) ++same;
  if (!memo_.empty() && same == memo_.size() && (left == same || IsBlank(p[same]))) {
    f = memoFields_;
    day = memoDay_;
    p += memo_.size();
  } else {
    const char* const from = p;
    if (!Run(date_, p, end, f)) return std::nullopt;
    if (p < end && !IsBlank(*p)) return std::nullopt;
    // Parse's checks of a date: two-digit years are 1930-2029.
    const int year = f.yearDigits > 2 ? f.year : f.year + (f.year < 30 ? 2000 : 1900);
    if (f.hasDate && year >= 100 && year <= 9999 && f.month >= 1 && f.month <= 12 && f.day >= 1 &&
        f.day <= DaysInMonth(year, f.month))
      day = DayFromCivil(CivilDate{year, f.month, f.day});
    if (memoUsable_) {
      memo_.assign(from, p);
      memoFields_ = f;
      memoDay_ = day;
      // The memo as two words and the mask of its bytes, for Common's comparison.
      memoWords_[0] = memoWords_[1] = memoMask_[0] = memoMask_[1] = 0;
      if (memo_.size() <= 16) {
        char padded[16] = {}, mask[16] = {};
        std::memcpy(padded, memo_.data(), memo_.size());
        std::memset(mask, 0xFF, memo_.size());
        std::memcpy(memoWords_, padded, 16);
        std::memcpy(memoMask_, mask, 16);
      }
    }
  }
  if (f.hasDate && !day) return std::nullopt;
  while (p < end && IsBlank(*p)) ++p;
  if (p < end) {  // blanks, then the time
    if (!Time(p, end, f)) return std::nullopt;
    while (p < end && IsBlank(*p)) ++p;
    if (p != end) return std::nullopt;
  }

  // Parse's checks of a time: an AM/PM hour is at most 12.
  DateTime result;
  result.day = day.value_or(0);
  if (f.hasTime) {
    int hour = f.hour;
    if (f.marker != 0) {
      if (hour > 12) return std::nullopt;
      hour = hour % 12 + (f.marker == 2 ? 12 : 0);
    }
    if (hour > 23 || f.minute > 59 || f.second > 59) return std::nullopt;
    result.seconds = hour * 3600 + f.minute * 60 + f.second;
  }
  if (!f.hasDate && !f.hasTime) return std::nullopt;
  return result;
}

}  // namespace tw
