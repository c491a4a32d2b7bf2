#pragma once
// The quick looks that let a scan of the whole report pass over the lines of other days without
// reading them as records.
#include <bitset>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "dates/date_format.h"
#include "platform/files.h"

namespace tw {

// A look at a start text's date part alone: false only when format.Parse(text) cannot give a
// value on `day` (whatever its time part says). True does not promise a value: Parse decides.
bool MayBeOnDay(const DateFormat& format, std::string_view text, const CivilDate& day);
// The same for the days first to last.
bool MayBeOnDays(const DateFormat& format, std::string_view text, const CivilDate& first, const CivilDate& last);

// A text with one place (gap) standing for one of the characters a date's numbers may be
// separated by, of two numbers each read whole: no digit follows it, and only a 0 (the padding of
// a number) of the digits precedes it.
struct DayPattern {
  std::string text;
  size_t gap = 0;
  std::string gaps;  // what the gap may be
  // Whether it stands at `where`, in the text from `begin` to `end`.
  bool At(const char* begin, const char* where, const char* end) const;
};
// Adds to `gaps` what else `more` lets a gap be: a text looked for once for several forms or days.
void JoinGaps(std::string& gaps, std::string_view more);

// Texts one of which every start that may be on `day` (MayBeOnDay) holds, so that a scan can pass
// over text without them: the month's and the day's numbers side by side, as the locale orders
// them and as the year-first form does ("6?15" for 15 June with month-day-year dates; "15?6" and
// "15?06" besides with day-month-year ones). A number of a date is read whole, so no digit follows
// them and none but a 0 precedes them: "6?20" is not in "6/2016", nor "6?15" in "9:16:15"; and the
// gap is one of the date's separators, so "2?05" is not in "2:05:00". Empty where the locale's
// date is not three numbers with one character between each, or for day zero.
std::vector<DayPattern> DayPatterns(const DateFormat& format, const CivilDate& day);

// What a scan looks for sixteen places at a time for some of the patterns: up to three bytes at
// fixed places from where the patterns start, each one character or a run of digits, and where
// they all end, the place after them, which is no digit. Where an anchor holds, its patterns are
// compared.
struct PatternCheck {
  std::uint8_t at = 0;
  char low = 0, high = 0;
};
struct PatternAnchor {
  std::vector<PatternCheck> checks;
  std::vector<std::size_t> members;  // the patterns it stands for
  std::size_t ends = 0;              // their length, where they have one length; else 0
  // Of patterns that differ in one number only: where their gap and that number stand, how many
  // digits it has, the values it takes, and what the gap may be; 0 digits for an anchor of one pattern.
  std::size_t gap = 0, varies = 0, digits = 0;
  std::bitset<100> numbers;
  std::string gaps;
  // Whether it holds at `where`, in the text from `begin` to `end`.
  bool At(const char* begin, const char* where, const char* end) const;
  // Whether one of its patterns stands there (it holds, and then one of them does).
  bool Finds(const std::vector<DayPattern>& patterns, const char* begin, const char* where, const char* end) const;
};
inline constexpr std::size_t kMostAnchors = 8;

// Anchors for the patterns, at most kMostAnchors. Up to four patterns each have their own (their
// first and last bytes and one beside the gap). More, the patterns of several days, share them:
// those of one length that start with the same number (the month, in "6?15" and "6?16") by that
// number and the run of digits after the gap ("6?[1-2]" for the 10th to the 29th), those that end
// with the same one ("15?6", "16?6") by it and the run of digits before. Empty when that needs
// more.
std::vector<PatternAnchor> AnchorsOf(const std::vector<DayPattern>& patterns);

// Each line of the report that holds one of `patterns`, with where it starts in the file: the
// anchors' bytes looked for sixteen places at a time, the way grep finds a word, and only where
// one holds are its patterns compared. The one look of the day report and of the few days' scan.
// False, with nothing read, where there are no anchors for the patterns (none, or too many).
bool ForEachPatternLine(Files::Reader& reader, const std::vector<DayPattern>& patterns,
                        const std::function<void(std::string_view line, std::uint64_t offset)>& on);

}  // namespace tw
