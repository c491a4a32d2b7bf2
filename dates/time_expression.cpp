#include "dates/time_expression.h"

#include <cstdio>
#include <optional>
#include <vector>

#include "dates/ascii.h"
#include "dates/iso_date.h"
#include "dates/local_time.h"
#include "dates/period.h"

namespace tw {

const char* const kTypedMomentForms =
    "times are: now; HH:MM or HH:MM:SS (today); today HH:MM; yesterday HH:MM; a weekday and a time "
    "(monday 9:00, mon 9:00: the latest such moment not after now); YYYY-MM-DD HH:MM[:SS] or "
    "YYYY-MM-DDTHH:MM[:SS], optionally with Z or +HH:MM; -15min, -2h, -1h30min, -90s (that long ago)";

namespace {

constexpr const char* kTwelveHourClock = "use the 24-hour clock (17:30, not 5:30 pm)";

// AM or PM, after a time or as a word of its own.
bool IsTwelveHourMark(std::string_view text) { return text == "am" || text == "pm" || text == "a.m." || text == "p.m."; }

constexpr const char* kDayNames[] = {"sunday", "monday", "tuesday", "wednesday", "thursday", "friday", "saturday"};

// What failed, and whether the accepted forms help (a text of no form) or not (a time that does not
// exist here).
struct Failure {
  std::string reason;
  bool listForms = true;
};

// The text as a refusal quotes it: long ones cut and control characters shown as "?", so that the
// refusal stays one readable line.
std::string Quoted(std::string_view text) {
  std::string quoted(text.substr(0, text.size() > 40 ? 37 : text.size()));
  for (char& c : quoted)
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) c = '?';
  return "\"" + quoted + (text.size() > 40 ? "...\"" : "\"");
}

TypedMoment Refusal(std::string_view text, const Failure& failure) {
  TypedMoment m;
  m.refusal = Quoted(text) + (failure.listForms ? " is not a time: " : ": ") + failure.reason;
  if (failure.listForms) m.refusal += std::string("; ") + kTypedMomentForms;
  return m;
}

TypedMoment At(std::int64_t instant, std::string note = {}) {
  TypedMoment m;
  m.read = true;
  m.instant = instant;
  m.local = LocalOfInstant(instant);
  m.note = std::move(note);
  return m;
}

std::string TwoDigits(std::int64_t n) {
  char text[24];
  std::snprintf(text, sizeof text, "%02lld", static_cast<long long>(n));
  return text;
}

std::string ClockText(std::int32_t seconds) {
  std::string text = TwoDigits(seconds / 3600) + ":" + TwoDigits(seconds / 60 % 60);
  return seconds % 60 != 0 ? text + ":" + TwoDigits(seconds % 60) : text;
}

std::string OffsetText(std::int64_t offset) {
  const std::int64_t size = offset < 0 ? -offset : offset;
  return (offset < 0 ? "-" : "+") + TwoDigits(size / 3600) + ":" + TwoDigits(size / 60 % 60);
}

// The first moment in (from, to] whose offset is not from's: the one change of offset between them.
std::int64_t ChangeBetween(std::int64_t from, std::int64_t to) {
  const std::int64_t before = UtcOffsetAt(from);
  while (to - from > 1) {
    const std::int64_t middle = from + (to - from) / 2;
    (UtcOffsetAt(middle) == before ? from : to) = middle;
  }
  return to;
}

// The moment of a local wall-clock time: refused where the clocks skipped it, the first where they
// came over it twice.
TypedMoment AtLocal(std::string_view text, const DateTime& wall) {
  const std::int64_t first = InstantOfLocal(wall);
  if (LocalOfInstant(first) != wall) {
    // InstantOfLocal read it by the offset before the change, so the change lies within the day before.
    const std::int64_t change = ChangeBetween(first - kSecondsPerDay, first);
    const std::int64_t before = UtcOffsetAt(change - 1), after = UtcOffsetAt(change);
    const auto wallAt = [](std::int64_t instant, std::int64_t offset) {
      return static_cast<std::int32_t>(((instant + offset) % kSecondsPerDay + kSecondsPerDay) % kSecondsPerDay);
    };
    return Refusal(text, {"there is no " + ClockText(wall.seconds) + " on " + IsoDate(wall.day) +
                              " here: the clocks went forward from " + ClockText(wallAt(change, before)) +
                              " to " + ClockText(wallAt(change, after)),
                          false});
  }
  const std::int64_t asUtc = (wall.day + kUnixDayOfDayZero) * kSecondsPerDay + wall.seconds;
  for (const std::int64_t probe : {first - kSecondsPerDay, first + kSecondsPerDay}) {
    const std::int64_t second = asUtc - UtcOffsetAt(probe);
    if (second <= first || LocalOfInstant(second) != wall) continue;
    const std::string clock = ClockText(wall.seconds), day = IsoDate(wall.day);
    return At(first, clock + " came twice on " + day + " (the clocks went back): the first, " + day + "T" +
                         clock + OffsetText(UtcOffsetAt(first)) + ", is taken; write " + day + "T" + clock +
                         OffsetText(UtcOffsetAt(second)) + " for the second");
  }
  return At(first);
}

// A time of day, H:MM, HH:MM, H:MM:SS or HH:MM:SS, at the start of text: its seconds, and how many
// characters it took. Nothing where text does not start with one; a failure where its fields are out
// of range.
struct Clock {
  std::int32_t seconds = 0;
  std::size_t length = 0;
};
std::optional<Clock> ReadClock(std::string_view text, Failure& failure) {
  const std::size_t hourDigits = text.size() > 1 && IsDigit(text[1]) ? 2 : 1;
  const int hour = Digits(text, 0, hourDigits);
  if (hour < 0 || text.size() <= hourDigits || text[hourDigits] != ':') return std::nullopt;
  std::size_t at = hourDigits + 1;
  const int minute = Digits(text, at, 2);
  if (minute < 0 || (text.size() > at + 2 && IsDigit(text[at + 2]))) {
    failure.reason = "minutes are two digits (9:05)";
    return std::nullopt;
  }
  at += 2;
  int second = 0;
  if (text.size() > at && text[at] == ':') {
    second = Digits(text, at + 1, 2);
    if (second < 0 || (text.size() > at + 3 && IsDigit(text[at + 3]))) {
      failure.reason = "seconds are two digits (9:05:30)";
      return std::nullopt;
    }
    at += 3;
  }
  if (hour > 23 || minute > 59 || second > 59) {
    failure.reason = "hours run from 0 to 23, minutes and seconds from 0 to 59";
    return std::nullopt;
  }
  return Clock{hour * 3600 + minute * 60 + second, at};
}

// A whole word that is a time of day alone (no offset, no AM/PM).
std::optional<std::int32_t> ReadPlainClock(std::string_view word, Failure& failure) {
  const std::optional<Clock> clock = ReadClock(word, failure);
  if (!clock) return std::nullopt;
  const std::string_view rest = word.substr(clock->length);
  if (rest.empty()) return clock->seconds;
  if (IsTwelveHourMark(rest))
    failure.reason = kTwelveHourClock;
  else if (rest == "z" || rest[0] == '+' || rest[0] == '-')
    failure.reason = "a Z or an offset needs a date: YYYY-MM-DDT" + ClockText(clock->seconds) + std::string(rest == "z" ? "Z" : rest);
  else
    failure.reason = "the time of day is followed by \"" + std::string(rest) + "\"";
  return std::nullopt;
}

// YYYY-MM-DD at the start of word: its day, in the years the report's dates can name. Nothing where
// word does not start with four digits and a hyphen; a failure where the date is not one.
std::optional<std::int64_t> ReadIsoDay(std::string_view word, Failure& failure) {
  if (Digits(word, 0, 4) < 0 || word.size() < 5 || word[4] != '-') return std::nullopt;
  if (Digits(word, 5, 2) < 0 || Digits(word, 8, 2) < 0 || word[7] != '-' || (word.size() > 10 && IsDigit(word[10]))) {
    failure.reason = "dates are YYYY-MM-DD";
    return std::nullopt;
  }
  const std::optional<std::int64_t> day = ParseIsoDay(word.substr(0, 10));
  if (!day) failure.reason = "there is no such day (years run from 0100 to 9999)";
  return day;
}

// The offset after an exact time: Z, +HH:MM, +HHMM or +HH (or -). Nothing and no failure for "".
std::optional<std::int64_t> ReadOffset(std::string_view text, Failure& failure) {
  if (text == "z") return 0;
  const bool signed_ = text.size() >= 3 && (text[0] == '+' || text[0] == '-');
  int hours = signed_ ? Digits(text, 1, 2) : -1, minutes = -1;
  if (signed_ && text.size() == 3) minutes = 0;
  else if (signed_ && text.size() == 5) minutes = Digits(text, 3, 2);
  else if (signed_ && text.size() == 6 && text[3] == ':') minutes = Digits(text, 4, 2);
  if (hours < 0 || minutes < 0 || hours > 23 || minutes > 59) {
    failure.reason = "after the time comes Z or an offset such as +01:00";
    return std::nullopt;
  }
  const std::int64_t offset = hours * 3600 + minutes * 60;
  return text[0] == '-' ? -offset : offset;
}

// A date and a time, with an optional offset after the time.
TypedMoment ReadIsoMoment(std::string_view text, std::int64_t day, std::string_view clockAndOffset) {
  Failure failure;
  const std::optional<Clock> clock = ReadClock(clockAndOffset, failure);
  if (!clock) {
    if (failure.reason.empty()) failure.reason = "the date is followed by a time, HH:MM or HH:MM:SS";
    return Refusal(text, failure);
  }
  const std::string_view rest = clockAndOffset.substr(clock->length);
  if (rest.empty()) return AtLocal(text, {day, clock->seconds});
  if (IsTwelveHourMark(rest)) return Refusal(text, {kTwelveHourClock});
  const std::optional<std::int64_t> offset = ReadOffset(rest, failure);
  if (!offset) return Refusal(text, failure);
  return At((day + kUnixDayOfDayZero) * kSecondsPerDay + clock->seconds - *offset);
}

// "-1h30min" and the like: the signed length in seconds. The units are h, min and s, each once and
// in that order; a failure where text is not such a length.
std::optional<std::int64_t> ReadLength(std::string_view text, Failure& failure) {
  static constexpr struct {
    std::string_view name;
    int seconds;
  } kUnits[] = {{"h", 3600}, {"min", 60}, {"s", 1}};
  const bool negative = !text.empty() && text[0] == '-';
  if (!text.empty() && (text[0] == '-' || text[0] == '+')) text.remove_prefix(1);
  if (text.empty() || !IsDigit(text[0])) {
    failure.reason = "a sign is followed by a length such as 15min";
    return std::nullopt;
  }
  std::int64_t total = 0;
  std::size_t nextUnit = 0;
  while (!text.empty()) {
    std::size_t digits = 0;
    while (digits < text.size() && IsDigit(text[digits])) ++digits;
    std::size_t letters = digits;
    while (letters < text.size() && IsLetter(text[letters])) ++letters;
    const std::string_view unit = text.substr(digits, letters - digits);
    if (digits == 0 || (letters < text.size() && !IsDigit(text[letters]))) {
      failure.reason = "a length is numbers with units, such as 1h30min";
      return std::nullopt;
    }
    if (unit.empty()) {
      failure.reason = "a number needs a unit: h, min or s (-15min, -2h, -90s)";
      return std::nullopt;
    }
    if (unit == "m") {
      failure.reason = "\"m\" could mean minutes or months: write min for minutes";
      return std::nullopt;
    }
    if (digits > 6) {
      failure.reason = "the number is too large";
      return std::nullopt;
    }
    std::size_t u = 0;
    while (u < std::size(kUnits) && kUnits[u].name != unit) ++u;
    if (u == std::size(kUnits)) {
      failure.reason = "the units are h, min and s (a day is not always 24 hours: use yesterday or a weekday)";
      return std::nullopt;
    }
    if (u < nextUnit) {
      failure.reason = "each unit comes once, in the order h, min, s";
      return std::nullopt;
    }
    nextUnit = u + 1;
    total += Digits(text, 0, digits) * static_cast<std::int64_t>(kUnits[u].seconds);
    text.remove_prefix(letters);
  }
  return negative ? -total : total;
}

// The word's day of the week, 0 = Sunday, from its full English name or its first three letters.
std::optional<int> ReadWeekday(std::string_view word) {
  for (int d = 0; d < 7; ++d) {
    const std::string_view name = kDayNames[d];
    if (word == name || word == name.substr(0, 3)) return d;
  }
  return std::nullopt;
}

std::vector<std::string_view> Words(std::string_view text) {
  std::vector<std::string_view> words;
  while (!(text = Trimmed(text)).empty()) {
    std::size_t end = 0;
    while (end < text.size() && !IsBlank(text[end])) ++end;
    words.push_back(text.substr(0, end));
    text.remove_prefix(end);
  }
  return words;
}

TypedMoment ReadOneWord(std::string_view text, std::string_view word, std::int64_t now) {
  Failure failure;
  if (word == "now") return At(now);
  if (word[0] == '-' || word[0] == '+') {
    const std::optional<std::int64_t> length = ReadLength(word, failure);
    return length ? At(now + *length) : Refusal(text, failure);
  }
  if (const std::optional<std::int64_t> day = ReadIsoDay(word, failure)) {
    if (word.size() == 10) return Refusal(text, {"the date needs a time: " + std::string(word) + " 09:00"});
    if (word[10] != 't') return Refusal(text, {"the date is followed by a blank or a T and a time"});
    return ReadIsoMoment(text, *day, word.substr(11));
  }
  if (!failure.reason.empty()) return Refusal(text, failure);
  if (const std::optional<std::int32_t> clock = ReadPlainClock(word, failure))
    return AtLocal(text, {LocalOfInstant(now).day, *clock});
  if (!failure.reason.empty()) return Refusal(text, failure);
  if (word == "today" || word == "yesterday" || ReadWeekday(word))
    return Refusal(text, {"a day needs a time: " + std::string(word) + " 9:00"});
  if (IsDigit(word[0])) {
    if (word.ends_with("am") || word.ends_with("pm")) return Refusal(text, {kTwelveHourClock});
    if (ReadLength(word, failure)) return Refusal(text, {"say whether it is ago or ahead: -" + std::string(word)});
    if (word.find_first_of("/.:t") != std::string_view::npos)
      return Refusal(text, {"write the date as YYYY-MM-DD and the time as HH:MM"});
    if (word.find_first_not_of("0123456789") == std::string_view::npos)
      return Refusal(text, {"a number alone is neither a time (9:30) nor a length (-15min)"});
    return Refusal(text, failure);
  }
  return Refusal(text, {"no such time"});
}

TypedMoment ReadTwoWords(std::string_view text, std::string_view first, std::string_view second, std::int64_t now) {
  Failure failure;
  if (const std::optional<std::int64_t> day = ReadIsoDay(first, failure)) {
    if (first.size() != 10) return Refusal(text, {"an offset follows the time without a blank (+01:00)"});
    return ReadIsoMoment(text, *day, second);
  }
  if (!failure.reason.empty()) return Refusal(text, failure);
  if (first[0] == '-' || first[0] == '+') return Refusal(text, {"a length is written without blanks (-1h30min)"});
  const std::int64_t today = LocalOfInstant(now).day;
  const std::optional<int> weekday = ReadWeekday(first);
  if (first != "today" && first != "yesterday" && !weekday) {
    if (IsTwelveHourMark(second)) return Refusal(text, {kTwelveHourClock});
    if (IsDigit(first[0]) && first.find_first_of("/.") != std::string_view::npos)
      return Refusal(text, {"write the date as YYYY-MM-DD"});
    return Refusal(text, {"no such day: today, yesterday, a weekday (monday, mon) or YYYY-MM-DD"});
  }
  const std::optional<std::int32_t> clock = ReadPlainClock(second, failure);
  if (!clock) {
    if (failure.reason.empty()) failure.reason = "the day is followed by a time, HH:MM or HH:MM:SS";
    return Refusal(text, failure);
  }
  if (first == "today") return AtLocal(text, {today, *clock});
  if (first == "yesterday") return AtLocal(text, {today - 1, *clock});
  // The latest such day: today's unless that time is still to come, then a week before.
  std::int64_t day = today - (Weekday(today) - *weekday + 7) % 7;
  if (day == today && InstantOfLocal({day, *clock}) > now) day -= 7;
  return AtLocal(text, {day, *clock});
}

}  // namespace

TypedMoment ReadTypedMoment(std::string_view text, std::int64_t now) {
  const std::string lowered = AsciiLowered(text);
  const std::vector<std::string_view> words = Words(lowered);
  if (words.empty()) return Refusal(text, {"it is empty"});
  if (words.size() == 1) return ReadOneWord(text, words[0], now);
  if (words.size() == 2) return ReadTwoWords(text, words[0], words[1], now);
  if (words.size() == 3 && IsTwelveHourMark(words[2])) return Refusal(text, {kTwelveHourClock});
  return Refusal(text, {"too many words"});
}

TypedMoment ReadPastMoment(std::string_view text, std::int64_t now) {
  TypedMoment m = ReadTypedMoment(text, now);
  if (m.read && m.instant > now)
    return Refusal(text, {IsoDate(m.local.day) + " " + ClockText(m.local.seconds) + " is still to come", false});
  return m;
}

}  // namespace tw
