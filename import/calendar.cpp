#include "import/calendar.h"

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "dates/ascii.h"
#include "dates/date_value.h"
#include "dates/iso_date.h"
#include "dates/local_time.h"
#include "import/fit.h"
#include "import/readers.h"
#include "import/recurrence.h"
#include "platform/lines.h"

namespace tw {
namespace {

// "+0100", "-0530", "+013000" in seconds.
std::optional<std::int64_t> Offset(std::string_view text) {
  if (text.size() < 5 || (text[0] != '+' && text[0] != '-')) return std::nullopt;
  const int h = Digits(text, 1, 2), m = Digits(text, 3, 2);
  const int s = text.size() >= 7 ? Digits(text, 5, 2) : 0;
  if (h < 0 || m < 0 || s < 0) return std::nullopt;
  const std::int64_t value = h * 3600 + m * 60 + s;
  return text[0] == '-' ? -value : value;
}

// One observance of a VTIMEZONE (STANDARD or DAYLIGHT): from its onset on, offsetTo holds.
struct Observance {
  std::int64_t start = 0;  // wall-clock, by offsetFrom
  std::int64_t from = 0, to = 0;
  int month = 0;          // of a yearly rule; 0 for a single onset
  int nth = 0, weekday = 0;  // BYDAY: -1SU is nth -1, weekday 0
  std::optional<std::int64_t> until;  // UTC
};

// The wall-clock onset of a yearly rule in a year.
std::optional<std::int64_t> OnsetIn(const Observance& o, int year) {
  if (year < 100 || year > 9999) return std::nullopt;
  const DateTime start = WallDateTime(o.start);  // onsets from 1601 on, as some programs write them
  std::int64_t day;
  if (o.nth > 0) {
    const std::int64_t first = DayFromCivil({year, o.month, 1});
    day = first + (o.weekday - Weekday(first) + 7) % 7 + (o.nth - 1) * 7;
  } else if (o.nth < 0) {
    const std::int64_t last = DayFromCivil({year, o.month, DaysInMonth(year, o.month)});
    day = last - (Weekday(last) - o.weekday + 7) % 7 + (o.nth + 1) * 7;
  } else {
    day = DayFromCivil({year, o.month, std::min(CivilFromDay(start.day).day, DaysInMonth(year, o.month))});
  }
  const std::int64_t onset = (day + kUnixDayOfDayZero) * kSecondsPerDay + start.seconds;
  if (onset < o.start || (o.until && onset - o.from > *o.until)) return std::nullopt;
  return onset;
}

using Zone = std::vector<Observance>;

// The moment a wall-clock time of a zone stands for: by the observance whose last onset before it
// is the latest.
std::int64_t InZone(const Zone& zone, std::int64_t wall) {
  const int year = CivilFromDay(WallDateTime(wall).day).year;
  std::optional<std::int64_t> best;
  std::int64_t offset = zone.empty() ? 0 : zone.front().from;
  for (const Observance& o : zone) {
    std::vector<std::int64_t> onsets;
    if (o.month == 0) onsets.push_back(o.start);
    else
      for (int y : {year - 1, year})
        if (auto at = OnsetIn(o, y)) onsets.push_back(*at);
    for (std::int64_t at : onsets)
      if (at <= wall && (!best || at > *best)) best = at, offset = o.to;
  }
  return wall - offset;
}

// The yearly rule of a zone's observance ("FREQ=YEARLY;BYMONTH=10;BYDAY=-1SU"); an observance
// without one has its single onset.
void ReadZoneRule(std::string_view text, Observance& o) {
  std::string why;
  const auto rule = ParseRepeatRule(text, why);
  if (!rule || rule->frequency != RepeatRule::Yearly || rule->months.empty()) return;
  o.month = rule->months.front();
  if (!rule->days.empty()) {
    o.nth = rule->days.front().first == 0 ? 1 : std::clamp(rule->days.front().first, -5, 5);
    o.weekday = rule->days.front().second;
  }
  o.until = rule->untilInstant;
}

struct Property {
  std::string name;
  std::map<std::string, std::string> params;
  std::string value;
};

std::string Upper(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = AsciiUpper(c);
  return out;
}

Property ParseProperty(std::string_view line) {
  Property p;
  std::size_t i = 0;
  while (i < line.size() && line[i] != ';' && line[i] != ':') ++i;
  p.name = Upper(line.substr(0, i));
  while (i < line.size() && line[i] == ';') {
    const std::size_t eq = line.find('=', i);
    if (eq == std::string_view::npos) break;
    const std::string key = Upper(line.substr(i + 1, eq - i - 1));
    std::string value;
    i = eq + 1;
    bool quoted = false;
    while (i < line.size() && (quoted || (line[i] != ';' && line[i] != ':'))) {
      if (line[i] == '"') quoted = !quoted;
      else value += line[i];
      ++i;
    }
    p.params[key] = value;
  }
  if (i < line.size() && line[i] == ':') p.value = line.substr(i + 1);
  return p;
}

std::string Unescaped(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\\' && i + 1 < text.size()) {
      const char c = text[++i];
      out += c == 'n' || c == 'N' ? '\n' : c;
    } else {
      out += text[i];
    }
  }
  return out;
}

// "P1DT2H30M", "PT45M", "P1W" in seconds; nothing for another text.
std::optional<std::int64_t> Duration(std::string_view text) {
  bool negative = false;
  if (!text.empty() && (text[0] == '+' || text[0] == '-')) negative = text[0] == '-', text.remove_prefix(1);
  if (text.empty() || text[0] != 'P') return std::nullopt;
  std::int64_t total = 0, number = 0;
  bool digits = false;
  for (std::size_t i = 1; i < text.size(); ++i) {
    const char c = text[i];
    if (c >= '0' && c <= '9') {
      number = number * 10 + (c - '0');
      digits = true;
      if (number > 100000000) return std::nullopt;
      continue;
    }
    if (c == 'T') continue;
    if (!digits) return std::nullopt;
    const std::int64_t unit = c == 'W' ? 604800 : c == 'D' ? 86400 : c == 'H' ? 3600 : c == 'M' ? 60 : c == 'S' ? 1 : 0;
    if (unit == 0) return std::nullopt;
    total += number * unit;
    number = 0;
    digits = false;
  }
  if (digits) return std::nullopt;
  return negative ? -total : total;
}


constexpr std::size_t kDeepestNesting = 16;
// What the occurrences of a file's repeating events may hold together, and the days their rules
// may look at: bounds for a file written to make the import work without end.
constexpr std::size_t kMostExpandedBytes = std::size_t{64} << 20;
constexpr std::int64_t kMostDaysLooked = 20'000'000;

std::string Line(std::size_t number) { return "line " + std::to_string(number); }

// The content lines of a calendar's text, unfolded (a line that starts with a blank goes on the
// one before), each with the line it begins on. A line is held up to kHeldTextBytes, whatever its
// length in the file, so a huge value is never copied whole.
class ContentLines {
 public:
  explicit ContentLines(std::string_view text) : text_(text) {}

  bool Next(std::string& line, std::size_t& number) {
    std::string_view first;
    while (first.empty()) {
      if (at_ >= text_.size()) return false;
      const CutLine cut = LineAt(text_, at_);
      at_ = cut.next;
      ++physical_;
      first = cut.line;
    }
    number = physical_;
    line.assign(first.substr(0, kHeldTextBytes + 4));
    while (at_ < text_.size() && (text_[at_] == ' ' || text_[at_] == '\t')) {
      const CutLine cut = LineAt(text_, at_);
      at_ = cut.next;
      ++physical_;
      if (line.size() < kHeldTextBytes + 4) line.append(cut.line.substr(1, kHeldTextBytes + 4 - line.size()));
    }
    CutAtCharacter(line, kHeldTextBytes);
    return true;
  }

 private:
  std::string_view text_;
  std::size_t at_ = 0, physical_ = 0;
};

// An event's properties at its own level (not its alarms'), of the names the import reads.
struct EventData {
  std::size_t number = 0, line = 0;
  std::vector<Property> props;

  const Property* Find(std::string_view name) const {
    for (const Property& p : props)
      if (p.name == name) return &p;
    return nullptr;
  }
  std::string Place() const { return "event " + std::to_string(number) + " (line " + std::to_string(line) + ")"; }
  bool Cancelled() const { return Find("STATUS") && Upper(Find("STATUS")->value) == "CANCELLED"; }
  // Whether it stands for many stretches: a rule or dates of its own, and not one occurrence moved.
  bool Repeats() const { return (Find("RRULE") || Find("RDATE")) && !Find("RECURRENCE-ID"); }
};

bool Wanted(std::string_view name) {
  static constexpr std::string_view kNames[] = {"DTSTART", "DTEND",  "DURATION", "SUMMARY", "DESCRIPTION", "STATUS",
                                                "RRULE",   "EXRULE", "RDATE",    "EXDATE",  "UID",         "RECURRENCE-ID"};
  return std::find(std::begin(kNames), std::end(kNames), name) != std::end(kNames);
}

using Zones = std::map<std::string, Zone>;

// How an event's times are told: in UTC, in a zone the file describes, or on the user's own clock
// (floating). A wall-clock time of the zone keeps its place across the zone's clock changes.
struct Clock {
  bool utc = false;
  const Zone* zone = nullptr;

  std::int64_t Instant(std::int64_t wall) const {
    if (utc) return wall;
    if (zone) return InZone(*zone, wall);
    return InstantOfLocal(WallDateTime(wall));
  }
};

struct Time {
  Clock clock;
  std::int64_t wall = 0;
  bool date = false;  // a day without a time
  std::int64_t Instant() const { return clock.Instant(wall); }
};

bool UtcName(std::string_view zone) { return zone == "UTC" || zone == "Etc/UTC" || zone == "GMT" || zone == "Z"; }

// The time a value of property p names; nothing, and why, when it names none.
std::optional<Time> TimeOf(std::string_view value, const Property& p, const Zones& zones, std::string& why) {
  if (const auto utc = UtcBasic(value)) return Time{{true, nullptr}, *utc, false};
  if (value.size() == 8)
    if (const auto day = WallBasic(std::string(value) + "T000000")) return Time{{}, *day, true};
  const auto wall = WallBasic(value);
  if (!wall || value.size() != 15) {
    why = "its " + p.name + " is not a date and time";
    return std::nullopt;
  }
  const auto tzid = p.params.find("TZID");
  if (tzid == p.params.end()) return Time{{}, *wall, false};
  const auto zone = zones.find(tzid->second);
  if (zone != zones.end() && !zone->second.empty()) return Time{{false, &zone->second}, *wall, false};
  if (UtcName(tzid->second)) return Time{{true, nullptr}, *wall, false};
  why = "its time zone " + Shortened(tzid->second) + " is not described in the file";
  return std::nullopt;
}

struct Timing {
  Time start;
  std::int64_t length = 0;
};

// When an event starts and how long it lasts; nothing, and why, when it cannot be told.
std::optional<Timing> TimingOf(const EventData& e, const Zones& zones, std::string& why) {
  const Property* dtstart = e.Find("DTSTART");
  const Property* dtend = e.Find("DTEND");
  const Property* duration = e.Find("DURATION");
  if (!dtstart) {
    why = "it has no start (DTSTART)";
    return std::nullopt;
  }
  const auto start = TimeOf(dtstart->value, *dtstart, zones, why);
  if (!start) return std::nullopt;
  Timing timing{*start, 0};
  if (dtend) {
    const auto end = TimeOf(dtend->value, *dtend, zones, why);
    if (!end) return std::nullopt;
    if (end->date) why = "it lasts whole days, without times";
    timing.length = end->Instant() - start->Instant();
  } else if (!duration) {
    why = "it has no end (DTEND or DURATION)";
  } else {
    const auto length = Duration(duration->value);
    if (!length) why = "its DURATION is not a length of time";
    timing.length = length.value_or(0);
  }
  if (start->date) why = "it lasts whole days, without times";
  else if (why.empty() && timing.length < 0) why = "it ends before it starts";
  if (!why.empty()) return std::nullopt;
  return timing;
}

// The events of a calendar as stretches: a single event as one, a repeating one as its occurrences.
class EventReader {
 public:
  EventReader(const std::vector<EventData>& events, const Zones& zones, ImportRead& read)
      : events_(events), zones_(zones), read_(read) {
    // The occurrences other events replace, by UID; the end of the file's last single event.
    for (const EventData& e : events) {
      std::string why;
      const Property* uid = e.Find("UID");
      const Property* id = e.Find("RECURRENCE-ID");
      if (uid && id)
        if (const auto t = TimeOf(id->value, *id, zones, why)) replaced_.insert({uid->value, t->Instant()});
      if (!e.Repeats() && !e.Cancelled())
        if (const auto timing = TimingOf(e, zones, why))
          lastSingle_ = std::max(lastSingle_.value_or(INT64_MIN), timing->start.Instant() + timing->length);
    }
  }

  void Read() {
    for (const EventData& e : events_) {
      std::string why;
      const auto timing = e.Cancelled() ? std::nullopt : TimingOf(e, zones_, why);
      const Property* summary = e.Find("SUMMARY");
      const Property* description = e.Find("DESCRIPTION");
      const std::string project = summary ? Unescaped(summary->value) : "";
      if (e.Cancelled()) why = "it is cancelled (STATUS:CANCELLED)";
      else if (timing && Trimmed(project).empty()) why = "it has no SUMMARY to name its project";
      else if (timing && !e.Repeats()) read_.Take({project, timing->start.Instant(), timing->start.Instant() + timing->length,
                                                    description ? Unescaped(description->value) : ""});
      else if (timing) why = Repeat(e, *timing, project, description ? Unescaped(description->value) : "");
      if (!why.empty()) read_.Skip({e.Place(), why});
    }
  }

 private:
  struct Occurrence {
    std::int64_t wall, start, length;
    bool date = false;  // an EXDATE of a whole day
  };

  // The times a list property (RDATE, EXDATE) names, each with its wall-clock time in the event's
  // clock for a date; false, and why, when one of them names none.
  bool ListTimes(const EventData& e, std::string_view name, const Timing& timing, std::vector<Occurrence>& out,
                 std::string& why) const {
    const std::int64_t timeOfDay = WallDateTime(timing.start.wall).seconds;
    for (const Property& p : e.props) {
      if (p.name != name) continue;
      for (std::string_view list = p.value; !list.empty() && why.empty();) {
        const std::size_t comma = list.find(',');
        std::string_view item = list.substr(0, comma);
        list = comma == std::string_view::npos ? std::string_view() : list.substr(comma + 1);
        const std::size_t slash = item.find('/');  // a PERIOD: start/end or start/duration
        const auto time = TimeOf(item.substr(0, slash), p, zones_, why);
        if (!time) break;
        std::int64_t length = timing.length;
        const std::int64_t wall = time->date ? time->wall + timeOfDay : time->wall;
        const std::int64_t start = time->date ? timing.start.clock.Instant(wall) : time->Instant();
        if (slash != std::string_view::npos) {
          const std::string_view rest = item.substr(slash + 1);
          const bool duration = !rest.empty() && (rest[0] == 'P' || rest[0] == '+' || rest[0] == '-');
          const auto end = duration ? std::nullopt : TimeOf(rest, p, zones_, why);
          const auto lasts = end ? std::optional<std::int64_t>(end->Instant() - start) : Duration(rest);
          if (!lasts || *lasts < 0) why = "its " + p.name + " holds a period it cannot read";
          length = lasts.value_or(0);
        }
        out.push_back({wall, start, length, time->date});
      }
      if (!why.empty()) return false;
    }
    return true;
  }

  // The stretches of a repeating event and the note of what they were; or why it is not read.
  std::string Repeat(const EventData& e, const Timing& timing, const std::string& project, const std::string& comment) {
    std::vector<const Property*> rules;
    for (const Property& p : e.props)
      if (p.name == "RRULE") rules.push_back(&p);
    if (e.Find("EXRULE")) return "its exception rule (EXRULE) cannot be applied";
    if (rules.size() > 1) return "it has more than one repeat rule (RRULE)";
    const Clock& clock = timing.start.clock;
    Occurrences rule;
    rule.walls.push_back(timing.start.wall);
    bool toYear = false;
    if (!rules.empty()) {
      std::string why;
      const auto parsed = ParseRepeatRule(rules[0]->value, why);
      if (!parsed) return "its repeat rule (RRULE) " + why;
      // A rule without an end is read over the file's period: to its last single event, or at least
      // to a year past the event's start.
      std::optional<std::int64_t> horizon;
      if (!parsed->count && !parsed->untilInstant && !parsed->untilWall) {
        const DateTime start = WallDateTime(timing.start.wall);
        const CivilDate date = CivilFromDay(start.day);
        const CivilDate later{date.year + 1, date.month, std::min(date.day, DaysInMonth(date.year + 1, date.month))};
        const std::int64_t yearPast = clock.Instant((DayFromCivil(later) + kUnixDayOfDayZero) * kSecondsPerDay + start.seconds);
        toYear = !lastSingle_ || *lastSingle_ <= yearPast;
        horizon = toYear ? yearPast : *lastSingle_;
      }
      rule = ExpandRule(*parsed, timing.start.wall, [&](std::int64_t wall) { return clock.Instant(wall); }, horizon,
                        daysLeft_);
    }
    std::vector<Occurrence> occurrences, added, left;
    for (const std::int64_t wall : rule.walls) occurrences.push_back({wall, clock.Instant(wall), timing.length, false});
    std::string why;
    if (!ListTimes(e, "RDATE", timing, added, why) || !ListTimes(e, "EXDATE", timing, left, why)) return why;
    for (Occurrence& o : added) o.date = false;
    occurrences.insert(occurrences.end(), added.begin(), added.end());
    std::sort(occurrences.begin(), occurrences.end(), [](const Occurrence& a, const Occurrence& b) { return a.start < b.start; });
    occurrences.erase(std::unique(occurrences.begin(), occurrences.end(),
                                  [](const Occurrence& a, const Occurrence& b) { return a.start == b.start; }),
                      occurrences.end());
    // What EXDATE leaves out (a date: every occurrence on it), and the occurrences other events replace.
    const Property* uid = e.Find("UID");
    std::size_t excluded = 0, moved = 0;
    std::set<std::int64_t> leftStarts, leftDays;
    for (const Occurrence& x : left) x.date ? leftDays.insert(WallDateTime(x.wall).day) : leftStarts.insert(x.start);
    std::erase_if(occurrences, [&](const Occurrence& o) {
      if (leftStarts.count(o.start) || leftDays.count(WallDateTime(o.wall).day)) return ++excluded, true;
      if (uid && replaced_.count({uid->value, o.start})) return ++moved, true;
      return false;
    });
    const std::size_t bytes = occurrences.size() * (sizeof(ImportedStretch) + std::min(project.size(), kHeldTextBytes) +
                                                   std::min(comment.size(), kHeldTextBytes));
    if (heldBytes_ + bytes > kMostExpandedBytes)
      return "its occurrences are not read: the file's repeating events give more than " +
             std::to_string(kMostExpandedBytes >> 20) + " MiB of stretches";
    heldBytes_ += bytes;
    for (const Occurrence& o : occurrences) read_.Take({project, o.start, o.start + o.length, comment});
    read_.Note({e.Place(), NoteOf(occurrences, rule.stop, toYear, excluded, added.size(), moved)});
    return "";
  }

  static std::string NoteOf(const std::vector<Occurrence>& occurrences, Occurrences::Stop stop, bool toYear,
                            std::size_t excluded, std::size_t added, std::size_t moved) {
    const std::size_t n = occurrences.size();
    std::string text = "repeats: " + (n == 0 ? std::string("no stretch") : std::to_string(n) + (n == 1 ? " stretch" : " stretches"));
    if (n > 0)
      text += ", from " + IsoDate(LocalOfInstant(occurrences.front().start).day) + " to " +
              IsoDate(LocalOfInstant(occurrences.back().start).day);
    std::vector<std::string> details;
    if (stop == Occurrences::Horizon)
      details.push_back(toYear ? "the rule has no end: read to a year past its start"
                               : "the rule has no end: read to the file's last single event");
    if (stop == Occurrences::Most) details.push_back("at most " + std::to_string(kMostOccurrences) + " are read of one event");
    if (stop == Occurrences::Budget) details.push_back("the file's rules asked for more days than the import looks at");
    if (excluded) details.push_back(std::to_string(excluded) + " left out by EXDATE");
    if (added) details.push_back(std::to_string(added) + " added by RDATE");
    if (moved) details.push_back(std::to_string(moved) + " moved or cancelled by another event (RECURRENCE-ID)");
    for (std::size_t i = 0; i < details.size(); ++i) text += (i == 0 ? " (" : "; ") + details[i];
    return details.empty() ? text : text + ")";
  }

  const std::vector<EventData>& events_;
  const Zones& zones_;
  ImportRead& read_;
  std::set<std::pair<std::string, std::int64_t>> replaced_;
  std::optional<std::int64_t> lastSingle_;
  std::int64_t daysLeft_ = kMostDaysLooked;
  std::size_t heldBytes_ = 0;
};

ImportRead Refused(std::string why) {
  ImportRead read;
  read.refusal = std::move(why);
  return read;
}

}  // namespace

std::optional<std::int64_t> WallBasic(std::string_view text) {
  if (text.size() < 15 || text[8] != 'T') return std::nullopt;
  const int y = Digits(text, 0, 4), mo = Digits(text, 4, 2), d = Digits(text, 6, 2);
  const int h = Digits(text, 9, 2), mi = Digits(text, 11, 2), s = Digits(text, 13, 2);
  if (y < 100 || mo < 1 || mo > 12 || d < 1 || d > DaysInMonth(y, mo) || h < 0 || h > 23 || mi < 0 || mi > 59 ||
      s < 0 || s > 60)
    return std::nullopt;
  return (DayFromCivil({y, mo, d}) + kUnixDayOfDayZero) * kSecondsPerDay + h * 3600 + mi * 60 + std::min(s, 59);
}


DateTime WallDateTime(std::int64_t wall) {
  const std::int64_t unixDay = wall / kSecondsPerDay - (wall % kSecondsPerDay < 0);  // down, before 1970 too
  return DateTime{unixDay - kUnixDayOfDayZero, static_cast<std::int32_t>(wall - unixDay * kSecondsPerDay)};
}

std::optional<std::int64_t> UtcBasic(std::string_view text) {
  if (text.size() != 16 || text[15] != 'Z') return std::nullopt;
  return WallBasic(text.substr(0, 15));
}

ImportRead ReadICalendar(std::string_view text) {
  ImportRead read;
  ContentLines lines(text);
  std::string line;
  std::size_t number = 0;
  struct Open {
    std::string name;
    std::size_t line;
  };
  std::vector<Open> open;  // the components begun and not yet ended, outermost first
  Zones zones;
  std::string zone;
  std::optional<Observance> observance;
  std::vector<EventData> events;
  bool first = true;
  while (lines.Next(line, number)) {
    const Property p = ParseProperty(line);
    const std::string value = Upper(p.value);
    if (first && (p.name != "BEGIN" || value != "VCALENDAR"))
      return Refused("it is not an iCalendar file (it does not begin with BEGIN:VCALENDAR)");
    first = false;
    if (p.name == "BEGIN") {
      if (open.empty() && value != "VCALENDAR")
        return Refused(Line(number) + ": BEGIN:" + Shortened(value) + " outside BEGIN:VCALENDAR and END:VCALENDAR");
      if (open.size() == kDeepestNesting)
        return Refused(Line(number) + ": components nested more than " + std::to_string(kDeepestNesting) + " deep");
      for (const Open& o : open)
        if (o.name == value)
          return Refused(Line(number) + ": BEGIN:" + Shortened(value) + " inside the " + Shortened(value) +
                         " begun on line " + std::to_string(o.line));
      open.push_back({value, number});
      if (value == "VEVENT") events.push_back({events.size() + 1, number, {}});
      if (value == "VTIMEZONE") zone.clear();
      if ((value == "STANDARD" || value == "DAYLIGHT") && open.size() >= 2 && open[open.size() - 2].name == "VTIMEZONE")
        observance.emplace();
    } else if (p.name == "END") {
      if (open.empty()) return Refused(Line(number) + ": END:" + Shortened(value) + " without its BEGIN");
      if (value != open.back().name)
        return Refused(Line(number) + ": END:" + Shortened(value) + " does not close the " + Shortened(open.back().name) +
                       " begun on line " +
                       std::to_string(open.back().line));
      open.pop_back();
      if ((value == "STANDARD" || value == "DAYLIGHT") && observance) {
        zones[zone].push_back(*observance);
        observance.reset();
      }
    } else if (!open.empty() && open.back().name == "VEVENT") {
      if (Wanted(p.name)) events.back().props.push_back(p);
    } else if (!open.empty() && open.back().name == "VTIMEZONE") {
      if (p.name == "TZID") zone = p.value;
    } else if (observance && (open.back().name == "STANDARD" || open.back().name == "DAYLIGHT")) {
      if (p.name == "DTSTART") observance->start = WallBasic(p.value).value_or(0);
      else if (p.name == "TZOFFSETFROM") observance->from = Offset(p.value).value_or(0);
      else if (p.name == "TZOFFSETTO") observance->to = Offset(p.value).value_or(0);
      else if (p.name == "RRULE") ReadZoneRule(p.value, *observance);
    }
  }
  if (first) return Refused("it is not an iCalendar file (it does not begin with BEGIN:VCALENDAR)");
  if (!open.empty())
    return Refused("it ends inside the " + open.back().name + " begun on line " + std::to_string(open.back().line) +
                   ": the file is cut short");
  EventReader(events, zones, read).Read();
  return read;
}

}  // namespace tw
