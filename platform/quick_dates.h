#pragma once
// A fast reading of the date-time texts the program writes itself: the locale's own short date,
// alone or followed by its long time, every field in digits. For such a text it gives exactly the
// value DateFormat::Parse gives, several times faster; any other text (another form, a field
// name, a value Parse would refuse in this form) is left to Parse. Scans of the whole report read
// every start and end through it.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/date_format.h"

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
    if (auto value = Read(text)) return value;
    return format_.Parse(text);
  }
  const DateFormat& format() const { return format_; }

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
  bool Run(const std::vector<Step>& steps, const char*& p, const char* end, Fields& f) const;
  bool Marker(const char*& p, const char* end, int& which) const;
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
};

}  // namespace tw
