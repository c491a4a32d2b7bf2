#include "import/calendar.h"

#include <map>
#include <string>
#include <vector>

#include "dates/ascii.h"
#include "dates/date_value.h"
#include "dates/local_time.h"
#include "import/readers.h"

namespace tw {
namespace {

// A wall-clock time as seconds since 1970 as if it were UTC: what a zone's rules compare.
std::optional<std::int64_t> WallSeconds(std::string_view text) {
  if (text.size() < 15 || text[8] != 'T') return std::nullopt;
  const int y = Digits(text, 0, 4), mo = Digits(text, 4, 2), d = Digits(text, 6, 2);
  const int h = Digits(text, 9, 2), mi = Digits(text, 11, 2), s = Digits(text, 13, 2);
  if (y < 100 || mo < 1 || mo > 12 || d < 1 || d > DaysInMonth(y, mo) || h < 0 || h > 23 || mi < 0 || mi > 59 ||
      s < 0 || s > 60)
    return std::nullopt;
  return (DayFromCivil({y, mo, d}) + kUnixDayOfDayZero) * kSecondsPerDay + h * 3600 + mi * 60 + std::min(s, 59);
}

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
  const std::int64_t timeOfDay = ((o.start % kSecondsPerDay) + kSecondsPerDay) % kSecondsPerDay;
  std::int64_t day;
  if (o.nth > 0) {
    const std::int64_t first = DayFromCivil({year, o.month, 1});
    day = first + (o.weekday - Weekday(first) + 7) % 7 + (o.nth - 1) * 7;
  } else if (o.nth < 0) {
    const std::int64_t last = DayFromCivil({year, o.month, DaysInMonth(year, o.month)});
    day = last - (Weekday(last) - o.weekday + 7) % 7 + (o.nth + 1) * 7;
  } else {
    day = DayFromCivil({year, o.month, CivilFromDay(o.start / kSecondsPerDay - kUnixDayOfDayZero).day});
  }
  const std::int64_t onset = (day + kUnixDayOfDayZero) * kSecondsPerDay + timeOfDay;
  if (onset < o.start || (o.until && onset - o.from > *o.until)) return std::nullopt;
  return onset;
}

using Zone = std::vector<Observance>;

// The moment a wall-clock time of a zone stands for: by the observance whose last onset before it
// is the latest.
std::int64_t InZone(const Zone& zone, std::int64_t wall) {
  const int year = CivilFromDay(wall / kSecondsPerDay - kUnixDayOfDayZero).year;
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

struct Property {
  std::string name;
  std::map<std::string, std::string> params;
  std::string value;
};

std::string Upper(std::string_view s) {
  std::string out(s);
  for (char& c : out)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
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

}  // namespace

std::optional<std::int64_t> UtcBasic(std::string_view text) {
  if (text.size() != 16 || text[15] != 'Z') return std::nullopt;
  return WallSeconds(text.substr(0, 15));
}

ImportRead ReadICalendar(std::string_view text) {
  ImportRead read;
  // Unfolded lines, each with the line it started on.
  std::vector<std::pair<std::string, std::size_t>> lines;
  std::size_t number = 0;
  while (!text.empty()) {
    const std::size_t end = text.find_first_of("\r\n");
    std::string_view line = text.substr(0, end);
    ++number;
    if (!line.empty() && (line[0] == ' ' || line[0] == '\t') && !lines.empty())
      lines.back().first.append(line.substr(1));
    else if (!line.empty())
      lines.emplace_back(std::string(line), number);
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? 2 : 1));
  }
  if (lines.empty() || Upper(lines.front().first) != "BEGIN:VCALENDAR") {
    read.refusal = "it is not an iCalendar file (it does not begin with BEGIN:VCALENDAR)";
    return read;
  }

  // The zones first: an event may name a zone defined after it.
  std::map<std::string, Zone> zones;
  {
    std::string zone;
    std::optional<Observance> current;
    for (const auto& [line, at] : lines) {
      const Property p = ParseProperty(line);
      if (p.name == "BEGIN" && Upper(p.value) == "VTIMEZONE") zone.clear();
      else if (p.name == "TZID" && !current) zone = p.value;
      else if (p.name == "BEGIN" && (Upper(p.value) == "STANDARD" || Upper(p.value) == "DAYLIGHT")) current.emplace();
      else if (current && p.name == "DTSTART") current->start = WallSeconds(p.value).value_or(0);
      else if (current && p.name == "TZOFFSETFROM") current->from = Offset(p.value).value_or(0);
      else if (current && p.name == "TZOFFSETTO") current->to = Offset(p.value).value_or(0);
      else if (current && p.name == "RRULE") {
        for (std::string_view rest = p.value; !rest.empty();) {
          const std::size_t semi = rest.find(';');
          const std::string_view part = rest.substr(0, semi);
          rest = semi == std::string_view::npos ? std::string_view() : rest.substr(semi + 1);
          if (part.starts_with("BYMONTH=")) current->month = std::max(0, std::min(12, Digits(part, 8, part.size() - 8)));
          else if (part.starts_with("UNTIL=")) current->until = UtcBasic(part.substr(6));
          else if (part.starts_with("BYDAY=") && part.size() >= 8) {
            static constexpr std::string_view kDays[] = {"SU", "MO", "TU", "WE", "TH", "FR", "SA"};
            std::string_view day = part.substr(6);
            const std::string_view name = day.substr(day.size() - 2);
            day.remove_suffix(2);
            for (int w = 0; w < 7; ++w)
              if (name == kDays[w]) current->weekday = w;
            const bool negative = !day.empty() && day[0] == '-';
            if (!day.empty() && (day[0] == '-' || day[0] == '+')) day.remove_prefix(1);
            const int n = day.empty() ? 1 : Digits(day, 0, day.size());
            current->nth = std::max(-5, std::min(5, negative ? -n : n));
          }
        }
      } else if (current && p.name == "END" && (Upper(p.value) == "STANDARD" || Upper(p.value) == "DAYLIGHT")) {
        zones[zone].push_back(*current);
        current.reset();
      }
    }
  }

  std::size_t events = 0;
  // The line the open event began on. A flag beside it rather than an optional: GCC 12 takes the
  // optional's value for one that may be unset when the two are read in one expression.
  bool inEvent = false;
  std::size_t eventLine = 0;
  std::map<std::string, Property> props;
  int depth = 0;  // components nested in the event (alarms)
  for (const auto& [line, at] : lines) {
    const Property p = ParseProperty(line);
    if (p.name == "BEGIN" && Upper(p.value) == "VEVENT") {
      inEvent = true;
      eventLine = at;
      props.clear();
      ++events;
      continue;
    }
    if (!inEvent) continue;
    if (p.name == "BEGIN") ++depth;
    else if (p.name == "END" && depth > 0) --depth;
    else if (p.name == "END" && Upper(p.value) == "VEVENT") {
      const std::string place = "event " + std::to_string(events) + " (line " + std::to_string(eventLine) + ")";
      inEvent = false;
      std::string why;
      auto moment = [&](const Property* t) -> std::optional<std::int64_t> {
        if (!t) return std::nullopt;
        if (auto utc = UtcBasic(t->value)) return utc;
        const auto wall = WallSeconds(t->value);
        if (!wall || t->value.size() != 15) {
          why = t->value.size() == 8 ? "it lasts whole days, without times" : "its " + Upper(t->name) + " is not a date and time";
          return std::nullopt;
        }
        const auto tzid = t->params.find("TZID");
        if (tzid == t->params.end()) {  // floating: the user's own clock
          const std::int64_t day = *wall / kSecondsPerDay - kUnixDayOfDayZero;
          return InstantOfLocal(DateTime{day, static_cast<std::int32_t>(*wall % kSecondsPerDay)});
        }
        const auto zone = zones.find(tzid->second);
        if (zone == zones.end() || zone->second.empty()) {
          why = "its time zone " + tzid->second + " is not described in the file";
          return std::nullopt;
        }
        return InZone(zone->second, *wall);
      };
      auto find = [&](const char* name) -> const Property* {
        const auto it = props.find(name);
        return it == props.end() ? nullptr : &it->second;
      };
      const auto start = moment(find("DTSTART"));
      std::optional<std::int64_t> end;
      if (start && find("DTEND")) end = moment(find("DTEND"));
      else if (start && find("DURATION")) {
        if (const auto length = Duration(find("DURATION")->value)) end = *start + *length;
        else why = "its DURATION is not a length of time";
      }
      if (!start || !end) {
        read.unreadable.push_back({place, !why.empty() ? why : !start ? "it has no start (DTSTART)" : "it has no end (DTEND or DURATION)"});
        continue;
      }
      const Property* summary = find("SUMMARY");
      const Property* description = find("DESCRIPTION");
      const std::string project = summary ? Unescaped(summary->value) : "";
      if (project.empty()) {
        read.unreadable.push_back({place, "it has no SUMMARY to name its project"});
      } else if (*end < *start) {
        read.unreadable.push_back({place, "it ends before it starts"});
      } else {
        read.stretches.push_back({project, *start, *end, description ? Unescaped(description->value) : ""});
      }
      continue;
    }
    if (depth == 0 && !props.count(p.name)) props[p.name] = p;
  }
  return read;
}

}  // namespace tw
