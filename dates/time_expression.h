#pragma once
// The moments a person types on the command line to mend the record: "9:00", "yesterday 17:30",
// "mon 9:00", "2026-12-08T09:00+01:00", "-1h30min". Read alike in every locale (English words,
// ASCII digits), against a given now and the user's time zone.
//
//   now                          this moment
//   HH:MM[:SS]                   today at that time (9:00 and 09:00 alike)
//   today HH:MM[:SS]             the same
//   yesterday HH:MM[:SS]         the day before today
//   WEEKDAY HH:MM[:SS]           monday or mon, ... sunday or sun: the latest such moment that is not
//                                after now (today when that time has come, else a week before)
//   YYYY-MM-DD HH:MM[:SS]        a local date-time; a T may stand for the blank, and a Z or an
//   YYYY-MM-DDTHH:MM[:SS]+01:00  offset (+HH:MM, +HHMM, +HH) after the time makes it exact
//   -15min -2h -1h30min -90s     that long ago (+ for ahead): h, min and s, each once, in that order
//
// Words are read without regard to case. Refused, with the accepted forms listed: "m" as a unit
// (minutes or months?), a number without a unit ("-15", "930"), a length without a sign ("15min":
// ago or ahead?), days as a unit ("-2d": a day is not always 24 hours), dates in any other order
// ("12/08/2026", "08.12.2026"), a date or a day's name without a time, AM/PM, an offset or Z after
// a time with no date, fields out of range (25:00, 9:60, 2026-02-30, a leap second), a year before
// 0100 (the report's dates cannot name it), anything else.
// A local time the clocks skipped is refused with the change named; one that came twice (the
// clocks put back) is read as the first, and a note says so and how to write the second.
#include <cstdint>
#include <string>
#include <string_view>

#include "dates/date_value.h"

namespace tw {

struct TypedMoment {
  bool read = false;
  std::int64_t instant = 0;  // seconds since 1970-01-01 00:00 UTC
  DateTime local;            // its local wall-clock time
  // When read: empty, or a line to show the person (the first of a doubled hour was taken).
  std::string note;
  // When not read: one line saying why; for a text of no accepted form, the accepted forms too.
  std::string refusal;
};

// The accepted forms in one line, as the refusals end.
extern const char* const kTypedMomentForms;

// The moment text names at `now` (seconds since 1970-01-01 00:00 UTC). A moment after now is read
// (the "+" forms, a time later today, a date to come): whether it is allowed is the caller's call.
TypedMoment ReadTypedMoment(std::string_view text, std::int64_t now);

// ReadTypedMoment, refusing a moment after now: what mends the record names the past.
TypedMoment ReadPastMoment(std::string_view text, std::int64_t now);

}  // namespace tw
