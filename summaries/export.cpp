#include "summaries/export.h"

#include <cstdio>
#include <map>

#include "billing/tags.h"
#include "dates/local_time.h"
#include "store/day_report.h"
#include "platform/translate.h"

namespace tw {
namespace {

std::string JsonSeconds(const std::optional<std::int64_t>& seconds) {
  return seconds ? std::to_string(*seconds) : "null";
}

// ",\n  "name": [" and each item on a line of its own, or "[]" when there are none.
template <class Items, class WriteItem>
void JsonList(std::ostream& out, const char* name, const Items& items, WriteItem&& item) {
  out << ",\n  \"" << name << "\": [";
  const char* separator = "\n    ";
  for (const auto& each : items) {
    out << separator;
    item(each);
    separator = ",\n    ";
  }
  out << (items.empty() ? "" : "\n  ") << "]";
}

// "20261207T090000Z".
std::string UtcBasicText(std::int64_t unix) {
  const std::int64_t day = (unix >= 0 ? unix : unix - kSecondsPerDay + 1) / kSecondsPerDay;
  const std::int64_t seconds = unix - day * kSecondsPerDay;
  const CivilDate date = CivilFromDay(day - kUnixDayOfDayZero);
  char text[40];
  std::snprintf(text, sizeof text, "%04d%02d%02dT%02d%02d%02dZ", date.year, date.month, date.day,
                static_cast<int>(seconds / 3600), static_cast<int>(seconds / 60 % 60), static_cast<int>(seconds % 60));
  return text;
}

// A TEXT value: backslashes, semicolons, commas and line breaks escaped.
std::string CalendarText(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\\' || c == ';' || c == ',') out += '\\', out += c;
    else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    else if (c == '\r' || c == '\n') out += "\\n";
    else out += c;
  }
  return out;
}

// A content line folded at 75 octets, never inside a UTF-8 character, with its CR LF.
void CalendarLine(std::ostream& out, std::string_view line) {
  std::size_t room = 75;
  while (line.size() > room) {
    std::size_t cut = room;
    while (cut > 0 && (static_cast<unsigned char>(line[cut]) & 0xC0) == 0x80) --cut;
    out << line.substr(0, cut) << "\r\n ";
    line.remove_prefix(cut);
    room = 74;  // the blank that continues a line counts
  }
  out << line << "\r\n";
}

// FNV-1a, 64 bits: the same text gives the same UID on every machine and every run.
std::uint64_t Fnv(std::string_view text) {
  std::uint64_t hash = 14695981039346656037ull;
  for (unsigned char c : text) hash = (hash ^ c) * 1099511628211ull;
  return hash;
}

}  // namespace

void WriteICalendar(const Summary& summary, const std::vector<SummaryEntry>& entries, std::ostream& out) {
  CalendarLine(out, "BEGIN:VCALENDAR");
  CalendarLine(out, "VERSION:2.0");
  CalendarLine(out, "PRODID:-//Tallywright//Tallywright//EN");
  CalendarLine(out, "CALSCALE:GREGORIAN");
  // A record is known by its machine, project and start as stored: editing its end or comment
  // updates the calendar's event. Records alike in all three are told apart by their order.
  std::map<std::uint64_t, int> seen;
  for (const SummaryEntry& e : entries) {
    if (!e.endValue) continue;
    const std::uint64_t hash = Fnv(e.device + '\n' + e.project + '\n' + e.start);
    const int repeat = seen[hash]++;
    char uid[64];
    std::snprintf(uid, sizeof uid, "%016llx%s@tallywright", static_cast<unsigned long long>(hash),
                  repeat ? ("-" + std::to_string(repeat)).c_str() : "");
    const std::int64_t end = InstantOfLocal(*e.endValue);
    CalendarLine(out, "BEGIN:VEVENT");
    CalendarLine(out, std::string("UID:") + uid);
    CalendarLine(out, "DTSTAMP:" + UtcBasicText(end));  // the record was made when the stretch ended
    CalendarLine(out, "DTSTART:" + UtcBasicText(InstantOfLocal(e.startValue)));
    CalendarLine(out, "DTEND:" + UtcBasicText(end));
    CalendarLine(out, "SUMMARY:" + CalendarText(e.project));
    if (!e.comment.empty()) CalendarLine(out, "DESCRIPTION:" + CalendarText(e.comment));
    std::string categories;
    for (const std::string& tag : TagsOf(e.comment)) categories += (categories.empty() ? "" : ",") + CalendarText(tag);
    if (!categories.empty()) CalendarLine(out, "CATEGORIES:" + categories);
    if (summary.priced) {
      CalendarLine(out, "X-TALLYWRIGHT-AMOUNT:" + AmountText(e.amount.Billed()));
      if (!summary.currency.empty()) CalendarLine(out, "X-TALLYWRIGHT-CURRENCY:" + CalendarText(summary.currency));
    }
    CalendarLine(out, "END:VEVENT");
  }
  CalendarLine(out, "END:VCALENDAR");
}

std::string ClockText(std::int64_t seconds) {
  char text[48];
  std::snprintf(text, sizeof text, "%02lld:%02lld:%02lld", static_cast<long long>(seconds / 3600),
                static_cast<long long>(seconds / 60 % 60), static_cast<long long>(seconds % 60));
  return text;
}

void WriteTable(const Summary& summary, SummaryTable table, bool csv, std::ostream& out) {
  const auto row = [&](std::string first, std::int64_t seconds, std::int64_t stretches, const MoneyTotals& money) {
    WriteRow(out, csv, {std::move(first), ClockText(seconds), HoursText(seconds), std::to_string(stretches),
                        AmountText(money.billable), HoursText(money.billableSeconds),
                        HoursText(money.seconds - money.billableSeconds)});
  };
  const char* first = table == SummaryTable::Projects ? "Project" : table == SummaryTable::Days ? "Date" : "Tag";
  const std::string amount = csv || summary.currency.empty() ? "Amount" : "Amount (" + summary.currency + ")";
  WriteRow(out, csv, {first, "Duration", "Hours", "Stretches", amount, "Billable Hours", "Not Billable Hours"});
  if (table == SummaryTable::Projects) {
    for (const ProjectTotal& p : summary.projects) row(p.project, p.seconds, p.stretches, p.money);
  } else if (table == SummaryTable::Days) {
    for (const DayTotal& d : summary.days) row(IsoDate(d.day), d.seconds, d.stretches, d.money);
  } else {
    for (const auto& [tag, totals] : summary.tags) row(tag, totals.seconds, totals.stretches, totals);
  }
  row(kTotalLabel, summary.totalSeconds, summary.stretches, summary.money);
}

void WriteJson(const Summary& summary, const std::vector<SummaryEntry>& entries, std::ostream& out) {
  out << "{\n  \"from\": \"" << IsoDate(summary.period.first) << "\",\n  \"to\": \""
      << IsoDate(summary.period.last) << "\",\n  \"totalSeconds\": " << summary.totalSeconds
      << ",\n  \"skippedLines\": " << summary.skippedLines;
  JsonList(out, "projects", summary.projects, [&](const ProjectTotal& p) {
    out << "{\"project\": " << JsonString(p.project) << ", \"seconds\": " << p.seconds
        << ", \"stretches\": " << p.stretches << ", \"amount\": " << AmountText(p.money.billable)
        << ", \"billable\": " << (p.billable ? "true" : "false") << "}";
  });
  JsonList(out, "days", summary.days, [&](const DayTotal& d) {
    out << "{\"date\": \"" << IsoDate(d.day) << "\", \"seconds\": " << d.seconds
        << ", \"stretches\": " << d.stretches << ", \"amount\": " << AmountText(d.money.billable) << "}";
  });
  JsonList(out, "entries", entries, [&](const SummaryEntry& e) {
    out << "{\"project\": " << JsonString(e.project) << ", \"start\": " << JsonString(e.start)
        << ", \"end\": " << JsonString(e.end) << ", \"startIso\": \"" << IsoDateTime(e.startValue)
        << "\", \"endIso\": " << (e.endValue ? JsonString(IsoDateTime(*e.endValue)) : "null")
        << ", \"seconds\": " << JsonSeconds(e.seconds) << ", \"comment\": " << JsonString(e.comment)
        << ", \"device\": " << (e.device.empty() ? "null" : JsonString(e.device))
        << ", \"amount\": " << AmountText(e.amount.Billed())
        << ", \"rate\": " << (e.amount.rate ? AmountText(*e.amount.rate) : "null")
        << ", \"billable\": " << (e.amount.billable ? "true" : "false") << ", \"tags\": [";
    const char* separator = "";
    for (const std::string& tag : TagsOf(e.comment)) {
      out << separator << JsonString(tag);
      separator = ", ";
    }
    out << "]}";
  });
  const MoneyTotals& money = summary.money;
  out << ",\n  \"currency\": " << (summary.currency.empty() ? "null" : JsonString(summary.currency))
      << ",\n  \"amount\": " << AmountText(money.billable) << ",\n  \"billableSeconds\": " << money.billableSeconds
      << ",\n  \"notBillableSeconds\": " << money.seconds - money.billableSeconds
      << ",\n  \"notBillableValue\": " << AmountText(money.notBillable);
  JsonList(out, "tags", summary.tags, [&](const TagTotal& t) {
    out << "{\"tag\": " << JsonString(t.first) << ", \"seconds\": " << t.second.seconds
        << ", \"stretches\": " << t.second.stretches << ", \"amount\": " << AmountText(t.second.billable) << "}";
  });
  out << "\n}\n";
}

void WriteInvoiceLines(const Summary&, const std::vector<SummaryEntry>& entries, std::ostream& out) {
  std::vector<const SummaryEntry*> lines;
  for (const SummaryEntry& e : entries)
    if (e.amount.billable && e.seconds.value_or(0) > 0) lines.push_back(&e);
  std::stable_sort(lines.begin(), lines.end(), [](const SummaryEntry* a, const SummaryEntry* b) { return a->project < b->project; });
  WriteRow(out, true, {"Date", "Project", "Comment", "Hours", "Rate", "Amount"});
  for (const SummaryEntry* e : lines) {
    const std::int64_t hundredths = HundredthsOfHour(*e->seconds);
    WriteRow(out, true, {IsoDate(e->startValue.day), e->project, e->comment, HoursText(*e->seconds),
                         e->amount.rate ? AmountText(*e->amount.rate) : "",
                         AmountText(e->amount.rate ? AmountOfHundredths(hundredths, *e->amount.rate) : 0)});
  }
}

std::span<const ExportForm> ExportForms() {
  static constexpr ExportForm kForms[] = {
      {TW_TEXT("tw::frmSummary", "CSV, per project"), "csv", TW_TEXT("tw::frmSummary", "CSV files (*.csv)"), false,
       [](const Summary& s, const std::vector<SummaryEntry>&, std::ostream& out) {
         WriteTable(s, SummaryTable::Projects, true, out);
       }},
      {TW_TEXT("tw::frmSummary", "CSV, per day"), "csv", TW_TEXT("tw::frmSummary", "CSV files (*.csv)"), false,
       [](const Summary& s, const std::vector<SummaryEntry>&, std::ostream& out) {
         WriteTable(s, SummaryTable::Days, true, out);
       }},
      {"JSON", "json", TW_TEXT("tw::frmSummary", "JSON files (*.json)"), true, WriteJson},
      {"iCalendar", "ics", TW_TEXT("tw::frmSummary", "iCalendar files (*.ics)"), true, WriteICalendar},
      {TW_TEXT("tw::frmSummary", "CSV, per tag"), "csv", TW_TEXT("tw::frmSummary", "CSV files (*.csv)"), false,
       [](const Summary& s, const std::vector<SummaryEntry>&, std::ostream& out) {
         WriteTable(s, SummaryTable::Tags, true, out);
       }},
      {TW_TEXT("tw::frmSummary", "Invoice lines (CSV)"), "csv", TW_TEXT("tw::frmSummary", "CSV files (*.csv)"), true,
       WriteInvoiceLines},
  };
  return kForms;
}

std::string WithCrLf(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 16);
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) out += '\r';
    out += text[i];
  }
  return out;
}

}  // namespace tw
