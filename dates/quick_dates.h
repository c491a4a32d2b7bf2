#pragma once
// A fast reading of the date-time texts the program writes itself: the locale's own short date,
// alone or followed by its long time, every field in digits. For such a text it gives exactly the
// value DateFormat::Parse gives, several times faster; any other text (another form, a field
// name, a value Parse would refuse in this form) is left to Parse. Scans of the whole report read
// every start and end through it.
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "dates/ascii.h"
#include "dates/date_format.h"

namespace tw {

class QuickDates {
 public:
  explicit QuickDates(const DateFormat& format);

  // Parse(text)'s value when the text has the form above; nothing means "ask Parse". Remembers
  // the last date part it read (a report holds many stretches of one day in a row), so one
  // reader serves one thread.
  std::optional<DateTime> Read(std::string_view text);
  // The value of Parse(text), read the fast way where the text allows.
  std::optional<DateTime> Parse(std::string_view text) {
    if (DateTime value; Common(text, value)) return value;
    if (auto value = Read(text)) return value;
    return format_.Parse(text);
  }
  const DateFormat& format() const { return format_; }
  // The day of a text whose date part is, byte for byte, the one read last and is followed by a
  // blank: the day Parse gives it whenever the time after it is one Parse reads. Nothing
  // otherwise. For a scan that passes over other days' stretches without reading their times.
  std::optional<std::int64_t> SameDay(std::string_view text) const {
    const size_t n = memo_.size();
    if (!SameDatePart(text) || text[n] != ' ') return std::nullopt;
    return memoDay_;
  }

 private:
  // One step of a pattern: a field of digits, a character, blanks, or the AM/PM marker.
  struct Step {
    enum Kind : unsigned char { Year, Month, Day, Hour, Minute, Second, Char, Blanks, Marker } kind;
    char c = 0;
  };
  struct Fields {
    bool hasDate = false, hasTime = false;
    int year = 0, yearDigits = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    int marker = 0;  // 0 none, 1 AM, 2 PM
  };
  static bool Compile(const std::vector<DateToken>& tokens, std::vector<Step>& steps);
  // The commonest text of a scan, read at once the way Read reads it: the date part read last
  // (compared as two words), one blank, the long time in its commonest shape, nothing after.
  // Anything else goes the long way.
  bool SameDatePart(std::string_view text) const {
    const size_t n = memo_.size();
    if (n == 0 || n > 16 || text.size() < 16 || text.size() < n + 4 || !memoDay_) return false;
    std::uint64_t words[2];
    std::memcpy(words, text.data(), 16);
    return !(((words[0] ^ memoWords_[0]) & memoMask_[0]) | ((words[1] ^ memoWords_[1]) & memoMask_[1]));
  }
  bool Common(std::string_view text, DateTime& value) const {
    if (!timeShaped_ || !SameDatePart(text)) return false;
    const size_t n = memo_.size();
    const char* const s = text.data();
    const char* q = s + n + 1;
    const char* const end = s + text.size();
    if (s[n] != ' ' || !IsDigit(*q)) return false;
    int hour = *q++ - '0';
    if (IsDigit(*q)) hour = hour * 10 + (*q++ - '0');
    auto two = [&](char separator, int& v) {
      if (end - q < 3 || q[0] != separator || !IsDigit(q[1]) || !IsDigit(q[2]) || (end - q > 3 && IsDigit(q[3])))
        return false;
      v = (q[1] - '0') * 10 + (q[2] - '0');
      q += 3;
      return true;
    };
    int minute = 0, second = 0, marker = 0;
    if (!two(timeSeparators_[0], minute) || (timeSeconds_ && !two(timeSeparators_[1], second))) return false;
    if (timeMarker_) {
      while (q < end && IsBlank(*q)) ++q;
      if (!Marker(q, end, marker) || hour > 12) return false;
      hour = hour % 12 + (marker == 2 ? 12 : 0);
    }
    if (q != end || hour > 23 || minute > 59 || second > 59) return false;
    value = DateTime{*memoDay_, hour * 3600 + minute * 60 + second};
    return true;
  }
  bool Run(const std::vector<Step>& steps, const char*& p, const char* end, Fields& f) const;
  // The locale's AM or PM, or AM or PM, in any letter case, as Parse takes them: which is 1 or 2.
  bool Marker(const char*& p, const char* end, int& which) const {
    for (int m = 0; m < 4; ++m) {
      const std::string& name = markers_[m];
      if (name.empty() || name.size() > static_cast<size_t>(end - p)) continue;
      size_t k = 0;
      while (k < name.size() && AsciiLower(p[k]) == AsciiLower(name[k])) ++k;
      if (k == name.size()) {
        p += k;
        which = m % 2 == 0 ? 1 : 2;
        return true;
      }
    }
    return false;
  }
  // The long time read at once where it has its commonest shape (hours, minutes with two digits,
  // seconds with two digits, a marker after blanks), else by Run.
  bool Time(const char*& p, const char* end, Fields& f) const;

  const DateFormat& format_;
  std::vector<Step> date_, time_;
  bool usable_ = false;
  std::string markers_[4];  // the locale's AM and PM, then AM and PM, as Parse tries them
  // The long time is hours, timeSeparators_[0], minutes[, timeSeparators_[1], seconds][, blanks,
  // marker]: its shape, when it has that one.
  bool timeShaped_ = false, timeSeconds_ = false, timeMarker_ = false;
  char timeSeparators_[2]{};
  // The date part read last: its bytes (it ended with a field of digits and a blank or the end of
  // the text followed), and its fields.
  bool memoUsable_ = false;
  std::string memo_;
  Fields memoFields_;
  std::optional<std::int64_t> memoDay_;
  std::uint64_t memoWords_[2]{}, memoMask_[2]{};
};

}  // namespace tw
