#include "import/readers.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <filesystem>

#include "billing/tags.h"
#include "dates/ascii.h"
#include "dates/date_form.h"
#include "dates/local_time.h"
#include "import/calendar.h"
#include "import/fit.h"
#include "import/json.h"
#include "platform/lines.h"
#include "report/amendment.h"
#include "report/record.h"

namespace tw {
namespace {

// Calls line(text, number) for each line of text, numbered from 1; CR LF, LF and CR end lines.
template <class Line>
void ForEachLine(std::string_view text, Line&& line) {
  std::size_t number = 0;
  while (!text.empty()) {
    const std::size_t end = text.find_first_of("\r\n");
    line(text.substr(0, end), ++number);
    if (end == std::string_view::npos) break;
    const std::size_t next = end + (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? 2 : 1);
    text.remove_prefix(next);
  }
}

bool ValidTime(int year, int month, int day, int hour, int minute, int second) {
  return year >= 100 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 && day <= DaysInMonth(year, month) &&
         hour >= 0 && hour <= 23 && minute >= 0 && minute <= 59 && second >= 0 && second <= 59;
}

std::string Line(std::size_t number) { return "line " + std::to_string(number); }

// The place of a line of one of several files, put in words only when something is said of it.
struct FileLine {
  const std::string& prefix;  // "2026-11.data "
  std::size_t number;
};
const std::string& PlaceText(const std::string& place) { return place; }
std::string PlaceText(const FileLine& place) { return place.prefix + Line(place.number); }

template <class Place>
void Add(ImportSink& sink, std::string_view project, std::int64_t start, std::int64_t end, std::string comment,
         const Place& place) {
  if (Trimmed(project).empty()) {
    sink.Skip({PlaceText(place), "it names no project"});
  } else if (end < start) {
    sink.Skip({PlaceText(place), "it ends before it starts"});
  } else {
    sink.Take({std::string(Trimmed(project)), start, end, std::move(comment)});
  }
}

std::string Item(std::size_t number) { return "item " + std::to_string(number); }

// --- Timewarrior ----------------------------------------------------------------------------------

// The words of a tag list: blanks separate them, a quoted word may hold blanks and \" escapes.
std::vector<std::string> TagWords(std::string_view text) {
  std::vector<std::string> words;
  std::size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && text[i] == ' ') ++i;
    if (i >= text.size()) break;
    std::string word;
    if (text[i] == '"') {
      for (++i; i < text.size() && text[i] != '"'; ++i) {
        if (text[i] == '\\' && i + 1 < text.size()) ++i;
        word += text[i];
      }
      ++i;
    } else {
      while (i < text.size() && text[i] != ' ') word += text[i++];
    }
    words.push_back(std::move(word));
  }
  return words;
}

template <class Place>
void FromTimewarrior(ImportSink& sink, const std::vector<std::string>& tags, std::string_view annotation,
                     std::optional<std::int64_t> start, std::optional<std::int64_t> end, const Place& place) {
  if (!start) {
    sink.Skip({PlaceText(place), "its start is not a time"});
  } else if (!end) {
    sink.Skip({PlaceText(place), "it is still open (no end)"});
  } else {
    // The first tag names the project; the others are the stretch's tags.
    const std::span<const std::string> extra = tags.empty() ? std::span<const std::string>() : std::span(tags).subspan(1);
    Add(sink, tags.empty() ? "" : tags.front(), *start, *end, WithTags(annotation, extra), place);
  }
}

// One line of a Timewarrior data file: "inc start [- end] [# tags [# annotation]]". False when it
// is not an interval at all.
bool TimewarriorLine(std::string_view line, const FileLine& place, ImportSink& sink) {
  if (!line.starts_with("inc ")) {
    sink.Skip({PlaceText(place), "it is not an interval (\"inc ...\")"});
    return false;
  }
  line.remove_prefix(4);
  const std::size_t hash = line.find(" #");
  std::string_view times = Trimmed(line.substr(0, hash));
  std::string_view tags, annotation;
  if (hash != std::string_view::npos) {
    std::string_view rest = line.substr(hash + 2);
    // The annotation follows a second " # " outside quotes.
    bool inQuotes = false;
    std::size_t second = std::string_view::npos;
    for (std::size_t i = 0; i < rest.size(); ++i) {
      if (rest[i] == '\\') ++i;
      else if (rest[i] == '"') inQuotes = !inQuotes;
      else if (!inQuotes && rest[i] == '#' && i > 0 && rest[i - 1] == ' ') { second = i; break; }
    }
    tags = Trimmed(rest.substr(0, second));
    if (second != std::string_view::npos) annotation = Trimmed(rest.substr(second + 1));
  }
  std::string note;
  if (annotation.size() >= 2 && annotation.front() == '"') {
    const std::vector<std::string> words = TagWords(annotation);
    note = words.empty() ? "" : words.front();
  } else {
    note = std::string(annotation);
  }
  const std::size_t dash = times.find(" - ");
  const auto start = UtcBasic(Trimmed(times.substr(0, dash)));
  const auto end = dash == std::string_view::npos ? std::nullopt : UtcBasic(Trimmed(times.substr(dash + 3)));
  if (dash != std::string_view::npos && !end) sink.Skip({PlaceText(place), "its end is not a time"});
  else FromTimewarrior(sink, TagWords(tags), note, start, end, place);
  return true;
}

const char* const kNoInterval = "it is not Timewarrior data: no line is an interval (\"inc ...\")";

// --- the report's own files -----------------------------------------------------------------------

// The form of a file's start and end texts, settled as the program settles a report's.
DateFormat FormOf(const std::vector<RecordTimes>& times, const LocaleData& user) {
  std::vector<RecordTimes> sample(times.begin(), times.begin() + static_cast<std::ptrdiff_t>(std::min<std::size_t>(times.size(), 256)));
  return DateFormat(sample.empty() ? user : SettleDateForm(sample, user).form);
}

struct OwnRecord {
  std::string project, start, end, comment, place;
};

// The stretches of records; `dated`, how many of them had a date and time for their start and end.
ImportRead FromOwnRecords(ImportRead read, const std::vector<OwnRecord>& records, const LocaleData& user,
                          std::size_t* dated = nullptr) {
  std::vector<RecordTimes> times;
  for (const OwnRecord& r : records) times.push_back({r.start, r.end});
  const DateFormat form = FormOf(times, user);
  for (const OwnRecord& r : records) {
    const auto start = form.Parse(r.start);
    const auto end = form.Parse(r.end);
    if (!start || !end) {
      read.unreadable.push_back({r.place, std::string(start ? "its end" : "its start") + " is not a date and time"});
      continue;
    }
    if (dated) ++*dated;
    Add(read, r.project, InstantOfLocal(*start), InstantOfLocal(*end), r.comment, r.place);
  }
  return read;
}

// A file that ends inside a quoted cell: cut short, and not read.
ImportRead CutShort(ImportRead read, std::size_t line) {
  read.refusal = "it ends inside a quoted cell begun on line " + std::to_string(line) + ": the file is cut short";
  return read;
}

// "YYYY-MM-DDTHH:MM:SS" (or a blank for the T), local time.
std::optional<std::int64_t> LocalIso(std::string_view text) {
  if (text.size() < 19 || text[4] != '-' || text[7] != '-' || (text[10] != 'T' && text[10] != ' ') ||
      text[13] != ':' || text[16] != ':')
    return std::nullopt;
  const int y = Digits(text, 0, 4), mo = Digits(text, 5, 2), d = Digits(text, 8, 2);
  const int h = Digits(text, 11, 2), mi = Digits(text, 14, 2), s = Digits(text, 17, 2);
  if (!ValidTime(y, mo, d, h, mi, s)) return std::nullopt;
  return InstantOfLocal(MakeDateTime({y, mo, d}, h, mi, s));
}

// --- the services' CSV ----------------------------------------------------------------------------

// A date as the services write it: YYYY-MM-DD, MM/DD/YYYY, DD.MM.YYYY.
std::optional<CivilDate> ServiceDate(std::string_view text) {
  text = Trimmed(text);
  int y = -1, m = -1, d = -1;
  if (text.size() == 10 && text[4] == '-' && text[7] == '-') y = Digits(text, 0, 4), m = Digits(text, 5, 2), d = Digits(text, 8, 2);
  else if (text.size() == 10 && text[2] == '/' && text[5] == '/') m = Digits(text, 0, 2), d = Digits(text, 3, 2), y = Digits(text, 6, 4);
  else if (text.size() == 10 && text[2] == '.' && text[5] == '.') d = Digits(text, 0, 2), m = Digits(text, 3, 2), y = Digits(text, 6, 4);
  if (!ValidTime(y, m, d, 0, 0, 0)) return std::nullopt;
  return CivilDate{y, m, d};
}

// A time of day: H:MM or H:MM:SS, with or without AM/PM; seconds of the day.
std::optional<int> ServiceTime(std::string_view text) {
  text = Trimmed(text);
  int marker = 0;  // 1 AM, 2 PM
  const std::string lower = AsciiLowered(text);
  if (lower.size() > 2 && (lower.ends_with("am") || lower.ends_with("pm"))) {
    marker = lower.ends_with("am") ? 1 : 2;
    text = Trimmed(text.substr(0, text.size() - 2));
  }
  const std::size_t colon = text.find(':');
  if (colon == std::string_view::npos || colon == 0 || colon > 2) return std::nullopt;
  const int h = Digits(text, 0, colon), m = Digits(text, colon + 1, 2);
  int s = 0;
  if (text.size() == colon + 6 && text[colon + 3] == ':') s = Digits(text, colon + 4, 2);
  else if (text.size() != colon + 3) return std::nullopt;
  if (h < 0 || m < 0 || s < 0 || m > 59 || s > 59) return std::nullopt;
  int hour = h;
  if (marker) {
    if (h < 1 || h > 12) return std::nullopt;
    hour = h % 12 + (marker == 2 ? 12 : 0);
  }
  if (hour > 23) return std::nullopt;
  return hour * 3600 + m * 60 + s;
}

DatabaseReader& DatabaseReaderSlot() {
  static DatabaseReader reader = nullptr;
  return reader;
}

bool IsDataFileName(const std::string& name) {
  // The months' files: "2026-11.data".
  return name.size() == 12 && name.ends_with(".data") && Digits(name, 0, 4) >= 0 && name[4] == '-' && Digits(name, 5, 2) >= 0;
}

}  // namespace

std::vector<CsvRow> ParseCsv(std::string_view text, std::size_t* unclosed) {
  std::vector<CsvRow> rows;
  std::size_t line = 1;
  std::size_t i = 0;
  while (i < text.size()) {
    CsvRow row{line, {}};
    std::string cell;
    bool quoted = false, ended = false;
    std::size_t quoteLine = 0;
    while (i < text.size() && !ended) {
      const char c = text[i++];
      if (quoted) {
        if (c == '"' && i < text.size() && text[i] == '"') cell += '"', ++i;
        else if (c == '"') quoted = false;
        else cell += c, line += c == '\n';
      } else if (c == '"') {
        quoted = true;
        quoteLine = line;
      } else if (c == ',') {
        row.cells.push_back(std::move(cell));
        cell.clear();
      } else if (c == '\r' || c == '\n') {
        if (c == '\r' && i < text.size() && text[i] == '\n') ++i;
        ++line;
        ended = true;
      } else {
        cell += c;
      }
    }
    row.cells.push_back(std::move(cell));
    if (!(row.cells.size() == 1 && row.cells[0].empty())) rows.push_back(std::move(row));
    if (quoted && unclosed) *unclosed = quoteLine;
  }
  return rows;
}

ImportRead ReadTimewarriorData(std::string_view text, const std::string& placePrefix) {
  ImportRead read;
  bool any = false;
  ForEachLine(text, [&](std::string_view line, std::size_t number) {
    line = Trimmed(line);
    if (!line.empty()) any = TimewarriorLine(line, {placePrefix, number}, read) || any;
  });
  if (!any && !read.unreadable.empty()) read.refusal = kNoInterval;
  return read;
}

ImportRead ReadTimewarriorJson(std::string_view text) {
  ImportRead read;
  std::string error;
  const auto json = ParseJson(text, &error);
  if (!json || json->kind != JsonValue::Array) {
    read.refusal = json ? "it is JSON, but not a list of intervals" : "it is not JSON: " + error;
    return read;
  }
  for (std::size_t i = 0; i < json->items.size(); ++i) {
    const JsonValue& item = json->items[i];
    const std::string place = Item(i + 1);
    if (item.kind != JsonValue::Object) {
      read.unreadable.push_back({place, "it is not an interval"});
      continue;
    }
    std::vector<std::string> tags;
    if (const JsonValue* t = item.Find("tags"))
      for (const JsonValue& tag : t->items)
        if (tag.kind == JsonValue::String) tags.push_back(tag.text);
    const std::string endText = item.StringOf("end");
    const auto end = endText.empty() ? std::nullopt : UtcBasic(endText);
    if (!endText.empty() && !end) read.unreadable.push_back({place, "its end is not a time"});
    else FromTimewarrior(read, tags, item.StringOf("annotation"), UtcBasic(item.StringOf("start")), end, place);
  }
  return read;
}

ImportRead ReadWatsonFrames(std::string_view text) {
  ImportRead read;
  std::string error;
  const auto json = ParseJson(text, &error);
  if (!json || json->kind != JsonValue::Array) {
    read.refusal = json ? "it is JSON, but not a list of frames" : "it is not JSON: " + error;
    return read;
  }
  for (std::size_t i = 0; i < json->items.size(); ++i) {
    const JsonValue& frame = json->items[i];
    const std::string place = Item(i + 1);
    // [start, stop, project, id, tags, updated]
    const auto moment = [&](std::size_t at) {  // seconds since 1970, within the years a report can name
      return frame.items[at].kind == JsonValue::Number && std::abs(frame.items[at].number) < 3e11;
    };
    if (frame.kind != JsonValue::Array || frame.items.size() < 3 || !moment(0) || !moment(1) ||
        frame.items[2].kind != JsonValue::String) {
      read.unreadable.push_back({place, "it is not a frame [start, stop, project, ...]"});
      continue;
    }
    std::vector<std::string> tags;
    if (frame.items.size() > 4)
      for (const JsonValue& tag : frame.items[4].items)
        if (tag.kind == JsonValue::String) tags.push_back(tag.text);
    Add(read, frame.items[2].text, static_cast<std::int64_t>(frame.items[0].number),
        static_cast<std::int64_t>(frame.items[1].number), WithTags("", tags), place);
  }
  return read;
}

ImportRead ReadGTimeLog(std::string_view text) {
  ImportRead read;
  std::optional<std::int64_t> previous;  // the time of the line before, on the same day
  std::int64_t previousDay = 0;
  bool any = false;
  ForEachLine(text, [&](std::string_view line, std::size_t number) {
    if (Trimmed(line).empty() || line.front() == '#' || line.front() == ';') return;
    // "YYYY-MM-DD HH:MM[:SS] [+ZZZZ]: text"
    const std::size_t colon = line.find(": ");
    const std::string_view stamp = line.substr(0, colon);
    const std::optional<std::int64_t> at = colon == std::string_view::npos ? std::nullopt : LocalIso(
        stamp.size() == 16 ? std::string(stamp) + ":00" : std::string(stamp.substr(0, 19)));
    if (!at) {
      read.unreadable.push_back({Line(number), "it does not start with a date and time (YYYY-MM-DD HH:MM: )"});
      return;
    }
    any = true;
    // A day's first line marks the arrival; days turn at 2:00, as people work past midnight.
    const std::int64_t day = (LocalOfInstant(*at).day * kSecondsPerDay + LocalOfInstant(*at).seconds - 7200) / kSecondsPerDay;
    const bool sameDay = previous && day == previousDay;
    const std::string_view entry = Trimmed(line.substr(colon + 2));
    if (sameDay && entry.find("**") == std::string_view::npos) {
      const std::size_t category = entry.find(": ");
      const std::string project(category == std::string_view::npos ? entry : entry.substr(0, category));
      const std::string comment(category == std::string_view::npos ? std::string_view() : Trimmed(entry.substr(category + 2)));
      Add(read, project, *previous, *at, comment, Line(number));
    }
    previous = at;
    previousDay = day;
  });
  if (!any && !read.unreadable.empty()) read.refusal = "it is not a GTimeLog file: no line starts with a date and time";
  return read;
}

ImportRead ReadServiceCsv(std::string_view text, ImportFormat format) {
  ImportRead read;
  std::size_t unclosed = 0;
  const std::vector<CsvRow> rows = ParseCsv(text, &unclosed);
  if (unclosed > 0) return CutShort(std::move(read), unclosed);
  auto column = [&](std::initializer_list<const char*> names) -> std::optional<std::size_t> {
    if (rows.empty()) return std::nullopt;
    for (std::size_t i = 0; i < rows[0].cells.size(); ++i)
      for (const char* name : names)
        if (AsciiLowered(Trimmed(rows[0].cells[i])) == name) return i;
    return std::nullopt;
  };
  const auto project = column({"project"}), description = column({"description"}), tags = column({"tags"});
  const auto startDate = column({"start date"}), startTime = column({"start time"});
  const auto endDate = column({"end date"}), endTime = column({"end time"});
  if (!project || !startDate || !startTime || !endDate || !endTime) {
    read.refusal = std::string("it has not the columns of a ") + InfoOf(format).title +
                   " (Project, Start date, Start time, End date, End time)";
    return read;
  }
  for (std::size_t r = 1; r < rows.size(); ++r) {
    const CsvRow& row = rows[r];
    auto cell = [&](std::optional<std::size_t> c) {
      return c && *c < row.cells.size() ? row.cells[*c] : std::string();
    };
    const std::string place = Line(row.line);
    const auto sd = ServiceDate(cell(startDate)), ed = ServiceDate(cell(endDate));
    const auto st = ServiceTime(cell(startTime)), et = ServiceTime(cell(endTime));
    if (!sd || !ed || !st || !et) {
      read.unreadable.push_back({place, "its start or end is not a date and time"});
      continue;
    }
    const std::int64_t start = InstantOfLocal(MakeDateTime(*sd, *st / 3600, *st / 60 % 60, *st % 60));
    const std::int64_t end = InstantOfLocal(MakeDateTime(*ed, *et / 3600, *et / 60 % 60, *et % 60));
    std::string name = cell(project), comment = cell(description);
    if (Trimmed(name).empty()) name.swap(comment);  // time without a project: its description names it
    // The services list a stretch's tags in one cell, separated by commas.
    std::vector<std::string> tagList;
    const std::string tagCell = cell(tags);
    for (std::string_view rest = tagCell; !rest.empty();) {
      const std::size_t comma = std::min(rest.find(','), rest.size());
      if (!Trimmed(rest.substr(0, comma)).empty()) tagList.emplace_back(Trimmed(rest.substr(0, comma)));
      rest.remove_prefix(std::min(comma + 1, rest.size()));
    }
    Add(read, name, start, end, WithTags(comment, tagList), place);
  }
  return read;
}

ImportRead ReadTallywrightCsv(std::string_view text, const LocaleData& user) {
  ImportRead read;
  std::size_t unclosed = 0;
  const std::vector<CsvRow> rows = ParseCsv(text, &unclosed);
  if (unclosed > 0) return CutShort(std::move(read), unclosed);
  if (rows.empty() || rows[0].cells.size() < 5 || rows[0].cells[0] != "Project Name" || rows[0].cells[1] != "Start of Project") {
    read.refusal = "it is not a CSV file of Tallywright's stretches (Project Name,Start of Project,...)";
    return read;
  }
  std::vector<OwnRecord> records;
  for (std::size_t r = 1; r < rows.size(); ++r) {
    const CsvRow& row = rows[r];
    if (!row.cells.empty() && row.cells[0] == "Total Time:") continue;
    if (row.cells.size() < 5) {
      read.unreadable.push_back({Line(row.line), "it has fewer than five fields"});
      continue;
    }
    records.push_back({row.cells[0], row.cells[1], row.cells[2], row.cells[4], Line(row.line)});
  }
  return FromOwnRecords(std::move(read), records, user);
}

ImportRead ReadTallywrightJson(std::string_view text) {
  ImportRead read;
  std::string error;
  const auto json = ParseJson(text, &error);
  const JsonValue* entries = json ? json->Find("entries") : nullptr;
  if (!entries || entries->kind != JsonValue::Array) {
    read.refusal = json ? "it is JSON, but not a Tallywright export with its \"entries\"" : "it is not JSON: " + error;
    return read;
  }
  for (std::size_t i = 0; i < entries->items.size(); ++i) {
    const JsonValue& e = entries->items[i];
    const auto start = LocalIso(e.StringOf("startIso"));
    const auto end = LocalIso(e.StringOf("endIso"));
    if (!start || !end)
      read.unreadable.push_back({Item(i + 1), "it has no startIso and endIso"});
    else
      Add(read, e.StringOf("project"), *start, *end, e.StringOf("comment"), Item(i + 1));
  }
  return read;
}

ImportRead ReadTallywrightReport(std::string_view text, const LocaleData& user) {
  ImportRead read;
  std::vector<OwnRecord> records;
  ForEachLine(text, [&](std::string_view line, std::size_t number) {
    if (Trimmed(line).empty() || ParseAmendment(line)) return;
    const auto f = SplitRecord(line);
    if (!f)
      read.unreadable.push_back({Line(number), "it is not a record (project,start,end,comment)"});
    else
      records.push_back({std::string(f->project), std::string(f->start), std::string(f->end), std::string(f->comment), Line(number)});
  });
  // A file with lines of which none is a record with its dates is of another format (or none).
  std::size_t dated = 0;
  read = FromOwnRecords(std::move(read), records, user, &dated);
  if (dated == 0 && !read.unreadable.empty()) {
    ImportRead none;
    none.refusal = "it is not a Tallywright report: no line is a record (project,start,end,comment) with its dates";
    return none;
  }
  return read;
}

// --- formats -------------------------------------------------------------------------------------

void SetDatabaseReader(DatabaseReader reader) { DatabaseReaderSlot() = reader; }

std::span<const ImportFormatInfo> ImportFormats() {
  static constexpr ImportFormatInfo kFormats[] = {
      {ImportFormat::TimewarriorData, "timewarrior", "Timewarrior data folder"},
      {ImportFormat::TimewarriorJson, "timewarrior-json", "Timewarrior export (JSON)"},
      {ImportFormat::Watson, "watson", "Watson frames"},
      {ImportFormat::Hamster, "hamster", "Hamster database"},
      {ImportFormat::GTimeLog, "gtimelog", "GTimeLog timelog.txt"},
      {ImportFormat::Toggl, "toggl", "Toggl Track CSV"},
      {ImportFormat::Clockify, "clockify", "Clockify CSV"},
      {ImportFormat::ICalendar, "ical", "iCalendar (.ics)"},
      {ImportFormat::TallywrightCsv, "tallywright-csv", "Tallywright CSV (stretches)"},
      {ImportFormat::TallywrightJson, "tallywright-json", "Tallywright JSON export"},
      {ImportFormat::TallywrightReport, "tallywright", "Tallywright report file"},
  };
  return kFormats;
}

std::optional<ImportFormat> ImportFormatNamed(std::string_view name) {
  for (const ImportFormatInfo& f : ImportFormats())
    if (name == f.name) return f.format;
  return std::nullopt;
}

const ImportFormatInfo& InfoOf(ImportFormat format) {
  for (const ImportFormatInfo& f : ImportFormats())
    if (f.format == format) return f;
  return ImportFormats().front();
}

std::optional<ImportFormat> DetectImportFormat(const Files& files, const std::string& path) {
  namespace fs = std::filesystem;
  std::error_code ec;
  if (fs::is_directory(path, ec)) return ImportFormat::TimewarriorData;
  const std::string name = fs::path(path).filename().string();
  if (IsDataFileName(name)) return ImportFormat::TimewarriorData;
  std::string head;
  try {
    head = files.ReadAt(path, 0, 4096);
  } catch (const RunError&) {
    return std::nullopt;
  }
  head.erase(0, ByteOrderMarkLength(head));
  if (head.starts_with("SQLite format 3")) return ImportFormat::Hamster;
  const std::string lower = AsciiLowered(head);
  if (lower.find("begin:vcalendar") != std::string::npos) return ImportFormat::ICalendar;
  if (head.starts_with("inc ")) return ImportFormat::TimewarriorData;
  const std::size_t first = head.find_first_not_of(" \t\r\n");
  if (first != std::string::npos && head[first] == '{' && head.find("\"entries\"") != std::string::npos)
    return ImportFormat::TallywrightJson;
  if (first != std::string::npos && head[first] == '[') {
    const std::size_t next = head.find_first_not_of(" \t\r\n", first + 1);
    if (next != std::string::npos && head[next] == '[') return ImportFormat::Watson;
    return ImportFormat::TimewarriorJson;
  }
  const std::string header = lower.substr(0, lower.find_first_of("\r\n"));
  if (header.starts_with("project name,start of project")) return ImportFormat::TallywrightCsv;
  if (header.find("start date") != std::string::npos && header.find("end time") != std::string::npos)
    return header.find("duration (h)") != std::string::npos || header.find("duration (decimal)") != std::string::npos
               ? ImportFormat::Clockify
               : ImportFormat::Toggl;
  bool gtimelog = false;
  ForEachLine(head, [&](std::string_view line, std::size_t) {
    gtimelog = gtimelog || (line.size() > 18 && line.substr(16, 2) == ": " && LocalIso(std::string(line.substr(0, 16)) + ":00"));
  });
  if (gtimelog) return ImportFormat::GTimeLog;
  if (name.ends_with(".pro") || FindFirstCommas(head.substr(0, head.find_first_of("\r\n"))).count == 3)
    return ImportFormat::TallywrightReport;
  return std::nullopt;
}

namespace {

// Tells the sink how far the reading is, every so many items; false when it stops the reading.
class Pace {
 public:
  bool Step(ImportSink& sink, double done) { return ++count_ % 4096 != 0 || sink.Progress(done); }

 private:
  std::size_t count_ = 0;
};

// What a file is when it is no regular file, for the reason it is not read.
const char* KindOf(mode_t mode) {
  return S_ISDIR(mode) ? "a folder" : S_ISFIFO(mode) ? "a named pipe" : S_ISSOCK(mode) ? "a socket"
         : S_ISCHR(mode) || S_ISBLK(mode) ? "a device" : "no regular file";
}

std::string ReadFailure(const std::string& path, const RunError& e) {
  return e.number() == kErrFileNotFound ? "there is no file " + path : "cannot read " + path + ": " + e.description();
}

// A file's text, read whole when it is a regular file of at most kMostWholeFileBytes; else why not.
std::string FileText(const Files& files, const std::string& path, std::string& text) {
  if (std::string why = ImportFileRefusal(files, path, false); !why.empty()) return why;
  const std::uint64_t size = FileSizeOf(path);
  if (size > kMostWholeFileBytes)
    return path + " is larger than " + std::to_string(kMostWholeFileBytes >> 20) + " MiB, more than the import reads of a file of its format";
  try {
    Files::Reader reader = files.OpenRead(path);
    text.resize(static_cast<std::size_t>(size));  // one block of the file's size, not a string grown by doubling
    std::size_t got = 0;
    while (got < text.size())
      if (const std::size_t n = reader.Read(text.data() + got, text.size() - got)) got += n;
      else break;
    text.resize(got);
  } catch (const RunError& e) {
    return ReadFailure(path, e);
  }
  return "";
}

// The line of text that runs on for more than kLongestLine bytes without a line end, numbered from
// 1 as the readers number lines; 0 when there is none.
std::size_t OverlongLine(std::string_view text) {
  std::size_t number = 1;
  for (std::size_t at = 0; at < text.size(); ++number) {
    const std::size_t end = LineEndAt(text, at);
    if ((end == std::string_view::npos ? text.size() : end) - at > kLongestLine) return number;
    if (end == std::string_view::npos) break;
    at = LineAt(text, at).next;
  }
  return 0;
}

constexpr std::size_t kMonthBlock = 64 * 1024;

// A Timewarrior data folder (or one of its files), listed and read a line at a time at each reading.
class TimewarriorFolder final : public ImportSource {
 public:
  TimewarriorFolder(const Files& files, std::string path) : files_(files), path_(std::move(path)) {}

  std::string Read(ImportSink& sink) const override {
    namespace fs = std::filesystem;
    if (std::string why = ImportFileRefusal(files_, path_, true); !why.empty()) return why;
    // The data folder, or the folder above it, with the months' files in order; or the one file.
    std::vector<std::string> paths;
    std::error_code ec;
    const bool folder = fs::is_directory(path_, ec);
    if (folder) {
      fs::path data = path_;
      if (fs::is_directory(data / "data", ec)) data /= "data";
      std::vector<std::string> names;
      for (fs::directory_iterator it(data, ec), end; !ec && it != end; it.increment(ec))
        if (IsDataFileName(it->path().filename().string())) names.push_back(it->path().filename().string());
      if (ec) return "cannot read the folder " + data.string() + ": " + ec.message();
      if (names.empty()) return "it holds no Timewarrior data files (YYYY-MM.data)";
      std::sort(names.begin(), names.end());
      for (const std::string& name : names) paths.push_back((data / name).string());
    } else {
      paths.push_back(path_);
    }
    std::uint64_t total = 0, done = 0;
    for (const std::string& path : paths) total += FileSizeOf(path);
    bool any = false, other = false;
    Pace pace;
    for (const std::string& path : paths) {
      const std::string name = fs::path(path).filename().string();
      const std::string prefix = folder ? name + " " : "";
      struct stat st {};
      if (folder && ::stat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) {
        sink.Skip({name, std::string("it is ") + KindOf(st.st_mode) + ", not a file"});
        continue;
      }
      try {
        Files::Reader reader = files_.OpenRead(path);
        // A month's file is some hundred kilobytes: a block smaller than the reader's megabyte spares
        // the zeroing of a megabyte per file, at a few more reads.
        LineReader lines(reader, kMonthBlock);
        std::size_t number = 0;
        for (std::string_view line; lines.Next(line);) {
          ++number;
          if (line.size() > kLongestLine)
            return prefix + Line(number) + " runs on for more than 1 MiB without a line end: it is not Timewarrior data";
          line = Trimmed(line);
          if (line.empty()) continue;
          const bool interval = TimewarriorLine(line, {prefix, number}, sink);
          any = any || interval;
          other = other || !interval;
          if (!pace.Step(sink, total ? static_cast<double>(done + lines.offset()) / static_cast<double>(total) : 0))
            return "";
        }
      } catch (const RunError& e) {
        return ReadFailure(path, e);
      }
      done += FileSizeOf(path);
    }
    return !any && other ? kNoInterval : "";
  }

 private:
  const Files& files_;
  std::string path_;
};

// Hands on what a file read whole gave, its stretches in order of start.
std::string HandOn(ImportRead read, ImportSink& sink) {
  if (!read.refusal.empty()) return read.refusal;
  std::stable_sort(read.stretches.begin(), read.stretches.end(),
                   [](const ImportedStretch& a, const ImportedStretch& b) { return a.start < b.start; });
  for (Unreadable& u : read.unreadable) sink.Skip(std::move(u));
  for (ImportNote& n : read.notes) sink.Note(std::move(n));
  Pace pace;
  const double count = static_cast<double>(read.stretches.size());
  for (std::size_t i = 0; i < read.stretches.size(); ++i) {
    sink.Take(std::move(read.stretches[i]));
    if (!pace.Step(sink, static_cast<double>(i + 1) / count)) break;
  }
  return "";
}

// A file of a format read whole, read again at each reading.
class WholeFile final : public ImportSource {
 public:
  WholeFile(const Files& files, std::string path, ImportFormat format, const LocaleData& user)
      : files_(files), path_(std::move(path)), format_(format), user_(user) {}

  std::string Read(ImportSink& sink) const override {
    if (format_ == ImportFormat::Hamster) {
      if (std::string why = ImportFileRefusal(files_, path_, false); !why.empty()) return why;
      if (!DatabaseReaderSlot()) return "this program was built without the reader of Hamster databases";
      return HandOn(DatabaseReaderSlot()(path_), sink);
    }
    std::string text;
    if (std::string why = FileText(files_, path_, text); !why.empty()) return why;
    return HandOn(ReadImportText(text, format_, user_), sink);
  }

 private:
  const Files& files_;
  std::string path_;
  ImportFormat format_;
  LocaleData user_;
};

// Whether the format is read line by line, so that a line has a longest length.
bool LineFormat(ImportFormat format) {
  return format != ImportFormat::TimewarriorJson && format != ImportFormat::Watson &&
         format != ImportFormat::TallywrightJson && format != ImportFormat::Hamster;
}

}  // namespace

void ImportRead::Take(ImportedStretch&& stretch) {
  CutAtCharacter(stretch.project, kHeldTextBytes);
  CutAtCharacter(stretch.comment, kHeldTextBytes);
  stretches.push_back(std::move(stretch));
}

std::string ImportFileRefusal(const Files& files, const std::string& path, bool folder) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0)
    return errno == ENOENT || errno == ENOTDIR ? "there is no file " + path : "cannot read " + path + ": " + std::strerror(errno);
  if (S_ISDIR(st.st_mode) && folder) return "";
  if (!S_ISREG(st.st_mode)) return path + " is " + KindOf(st.st_mode) + ", not a file";
  try {
    files.OpenRead(path);
  } catch (const RunError& e) {
    return ReadFailure(path, e);
  }
  return "";
}

ImportRead ReadImportText(std::string_view text, ImportFormat format, const LocaleData& user) {
  text.remove_prefix(ByteOrderMarkLength(text));
  if (LineFormat(format))
    if (const std::size_t line = OverlongLine(text)) {
      ImportRead refused;
      refused.refusal = Line(line) + " runs on for more than 1 MiB without a line end: it is not a " + InfoOf(format).title;
      return refused;
    }
  switch (format) {
    case ImportFormat::TimewarriorData: return ReadTimewarriorData(text);
    case ImportFormat::TimewarriorJson: return ReadTimewarriorJson(text);
    case ImportFormat::Watson: return ReadWatsonFrames(text);
    case ImportFormat::GTimeLog: return ReadGTimeLog(text);
    case ImportFormat::Toggl:
    case ImportFormat::Clockify: return ReadServiceCsv(text, format);
    case ImportFormat::ICalendar: return ReadICalendar(text);
    case ImportFormat::TallywrightCsv: return ReadTallywrightCsv(text, user);
    case ImportFormat::TallywrightJson: return ReadTallywrightJson(text);
    case ImportFormat::TallywrightReport: return ReadTallywrightReport(text, user);
    case ImportFormat::Hamster: break;
  }
  ImportRead none;
  none.refusal = "a Hamster database is read by its own reader, not as text";
  return none;
}

std::uint64_t FileSizeOf(const std::string& path) {
  std::error_code ec;
  const std::uintmax_t size = std::filesystem::file_size(path, ec);
  return ec ? 0 : size;
}

ReadStretches::ReadStretches(ImportRead read) : read_(std::move(read)) {}

std::string ReadStretches::Read(ImportSink& sink) const { return HandOn(read_, sink); }

std::unique_ptr<ImportSource> OpenImport(const Files& files, const std::string& path, ImportFormat format,
                                         const LocaleData& user) {
  if (format == ImportFormat::TimewarriorData) return std::make_unique<TimewarriorFolder>(files, path);
  return std::make_unique<WholeFile>(files, path, format, user);
}

ImportRead ReadImport(const Files& files, const std::string& path, ImportFormat format, const LocaleData& user) {
  ImportRead read;
  read.refusal = OpenImport(files, path, format, user)->Read(read);
  return read;
}

}  // namespace tw
