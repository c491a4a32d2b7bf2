#include "store/record_store.h"

#include <algorithm>
#include <map>
#include <set>
#include <tuple>
#include <unordered_map>
#include <unordered_set>

#include "dates/local_instants.h"
#include "dates/local_time.h"
#include "platform/lines.h"
#include "platform/platform.h"
#include "platform/shared_folder.h"
#include "report/amendment.h"
#include "report/report_files.h"
#include "report/report_form.h"
#include "report/rewrite.h"
#include "store/day_index.h"
#include "store/day_report.h"
#include "store/machine_claim.h"
#include "store/period_scan.h"

namespace tw {
namespace {

// --- what a read of the reports gathers -------------------------------------------------------

// A record found on a day the read looked at whole.
struct Row {
  std::size_t source = 0;  // index into the folder's reports
  std::uint64_t offset = 0;
  std::string text;
  DateTime start;
  std::optional<DateTime> end;
  std::optional<std::int64_t> seconds;
};

struct FoundAmendment {
  Amendment amendment;
  std::string device;          // the machine that made it
  std::uint64_t position = 0;  // where its line starts in that machine's report
};

// The key of a record by identity: its report's name and its text.
std::string KeyOf(std::string_view file, std::string_view text) {
  std::string key(file);
  key += '\0';
  key += text;
  return key;
}

struct Gathered {
  std::vector<Row> rows;
  std::vector<FoundAmendment> amendments;
  // The days every record of which is among rows: those of a period read line by line, or days
  // read by their patterns.
  std::optional<Period> wholePeriod;
  std::set<std::int64_t> wholeDays;
  bool anyReport = false;
  bool Whole(std::int64_t day) const { return (wholePeriod && wholePeriod->Holds(day)) || wholeDays.count(day); }
};

// The amendment that holds for one record, and where that record's line starts now.
struct Holding {
  std::size_t source = 0;
  std::uint64_t offset = 0;
  std::uint32_t occurrence = 0;
  const FoundAmendment* amendment = nullptr;
};

std::optional<std::size_t> SourceNamed(const FolderReports& folder, std::string_view file) {
  for (std::size_t i = 0; i < folder.reports.size(); ++i)
    if (folder.reports[i].file == file) return i;
  return std::nullopt;
}

// The offsets of the lines of a report equal to any of `texts`, by text, in file order: one read
// of the report for all of them (the rare case of amended records whose lines moved, or that lie
// outside the days read).
std::unordered_map<std::string, std::vector<std::uint64_t>> FindLines(const Files& files, const FolderReports& folder,
                                                                      const ReportSource& report,
                                                                      const std::unordered_set<std::string>& texts) {
  std::unordered_map<std::string, std::vector<std::uint64_t>> found;
  FileMissing([&] {
    Files::Reader reader = folder.Open(files, report);
    LineReader lines(reader);
    std::string_view text;
    while (lines.Next(text))
      if (const auto at = texts.find(std::string(text)); at != texts.end()) found[*at].push_back(lines.offset());
  });
  return found;
}

// Resolves every amendment gathered: which record it names (by report and text; by place among
// equal texts), and, of all the amendments of one record, the one that holds: the latest by its
// machine's clock, at the same second the machine whose name sorts last, then the later in its
// report. Linear in the number of amendments, but for the records whose lines must be looked for.
std::vector<Holding> Resolve(const Files& files, const FolderReports& folder, const Gathered& gathered) {
  // The rows of the days read whole, by identity: their offsets in file order.
  std::unordered_map<std::string, std::vector<std::uint64_t>> rowsByKey;
  if (!gathered.amendments.empty())
    for (const Row& row : gathered.rows) rowsByKey[KeyOf(folder.reports[row.source].file, row.text)].push_back(row.offset);
  for (auto& [key, offsets] : rowsByKey) std::sort(offsets.begin(), offsets.end());

  // Per report and text: the amendments, and the lines that hold the text where the days read do
  // not tell.
  struct Named {
    std::size_t source;
    const std::string* text;
    std::vector<const FoundAmendment*> amendments;
    std::vector<std::uint64_t> lines;
  };
  std::unordered_map<std::string, Named> named;
  for (const FoundAmendment& f : gathered.amendments) {
    const auto source = SourceNamed(folder, f.amendment.file);
    if (!source) continue;  // its report has not arrived (yet)
    Named& n = named.try_emplace(KeyOf(f.amendment.file, f.amendment.record), Named{*source, &f.amendment.record, {}, {}}).first->second;
    n.amendments.push_back(&f);
  }
  std::map<std::size_t, std::unordered_set<std::string>> toFind;
  for (auto& [key, n] : named) {
    if (const auto rows = rowsByKey.find(key); rows != rowsByKey.end()) {
      n.lines = rows->second;
      continue;
    }
    const ReportSource& r = folder.reports[n.source];
    const auto fields = SplitRecord(*n.text);
    const auto start = fields ? r.format->Parse(fields->start) : std::nullopt;
    if (start && gathered.Whole(start->day)) continue;  // on a day read whole, and not there
    // Where every amendment names it, its line is most likely still there.
    bool holds = true;
    for (const FoundAmendment* f : n.amendments)
      holds = holds && f->amendment.offset == n.amendments.front()->amendment.offset;
    if (holds && HoldsLine(files, r.path, n.amendments.front()->amendment.offset, *n.text)) {
      n.lines = {n.amendments.front()->amendment.offset};
      continue;
    }
    toFind[n.source].insert(*n.text);
  }
  for (const auto& [source, texts] : toFind) {
    auto found = FindLines(files, folder, folder.reports[source], texts);
    for (auto& [text, offsets] : found) {
      Named& n = named.at(KeyOf(folder.reports[source].file, text));
      n.lines = std::move(offsets);
    }
  }
  // A record its machine took along to the report of the name it had to take instead: the
  // amendments naming it where it was hold for it where it is.
  for (const auto& [from, to] : folder.moved) {
    const auto source = SourceNamed(folder, to);
    if (!source) continue;
    std::vector<Named*> left;
    for (auto& [key, n] : named)
      if (n.lines.empty() && folder.reports[n.source].file == from) left.push_back(&n);
    std::unordered_set<std::string> texts;
    for (Named* n : left) texts.insert(*n->text);
    if (texts.empty()) continue;
    auto found = FindLines(files, folder, folder.reports[*source], texts);
    for (Named* n : left) {
      auto at = found.find(*n->text);
      if (at == found.end()) continue;
      Named& there = named.try_emplace(KeyOf(to, *n->text), Named{*source, n->text, {}, {}}).first->second;
      there.lines = at->second;
      there.amendments.insert(there.amendments.end(), n->amendments.begin(), n->amendments.end());
      n->amendments.clear();
    }
  }

  std::vector<Holding> holding;
  for (auto& [key, n] : named) {
    if (n.lines.empty()) continue;  // the record is not (yet) there: its amendments wait
    // Each amendment's record: the line where it says, or the first with its text.
    std::map<std::uint64_t, const FoundAmendment*> best;
    for (const FoundAmendment* f : n.amendments) {
      const bool there = std::binary_search(n.lines.begin(), n.lines.end(), f->amendment.offset);
      const std::uint64_t target = there ? f->amendment.offset : n.lines.front();
      const FoundAmendment*& b = best[target];
      if (!b || std::tie(f->amendment.stamp, f->device, f->position) > std::tie(b->amendment.stamp, b->device, b->position))
        b = f;
    }
    for (const auto& [offset, f] : best) {
      const auto at = std::lower_bound(n.lines.begin(), n.lines.end(), offset);
      holding.push_back({n.source, offset, static_cast<std::uint32_t>(at - n.lines.begin()), f});
    }
  }
  return holding;
}

// --- reading ----------------------------------------------------------------------------------

// The patterns of the days of a period in every report's form; none, and `everyLine`, where a
// form has none (its lines are read one by one).
std::vector<DayPattern> PatternsOf(const FolderReports& folder, const Period& period, bool& everyLine) {
  std::vector<DayPattern> patterns;
  everyLine = false;
  for (std::int64_t day = period.first; day <= period.last; ++day)
    for (const ReportSource& r : folder.reports) {
      const std::vector<DayPattern> own = DayPatterns(*r.format, CivilFromDay(day));
      everyLine = everyLine || own.empty();
      // A text of two forms is looked for once, with the separators of both.
      for (const DayPattern& p : own) {
        const auto same = std::find_if(patterns.begin(), patterns.end(), [&](const DayPattern& q) { return q.text == p.text; });
        if (same == patterns.end()) patterns.push_back(p);
        else JoinGaps(same->gaps, p.gaps);
      }
    }
  if (everyLine) patterns.clear();
  return patterns;
}

// Reads the records of one day whole, and the amendments whose lines name it (every amendment of a
// record names the day it was recorded on, as does every replacement of that day).
void GatherDay(const Files& files, const FolderReports& folder, std::int64_t day, Gathered& into) {
  if (!into.wholeDays.insert(day).second) return;
  bool everyLine = false;
  const std::vector<DayPattern> patterns = PatternsOf(folder, Period{day, day}, everyLine);
  for (std::size_t i = 0; i < folder.reports.size(); ++i) {
    const ReportSource& r = folder.reports[i];
    DayReport part;
    const AmendmentSink amendments = [&](std::string_view line, std::uint64_t offset) {
      if (auto a = ParseAmendment(line)) into.amendments.push_back({std::move(*a), r.device, offset});
    };
    // A report gone since the folder was listed has nothing to show.
    if (FileMissing([&] {
          Files::Reader reader = folder.Open(files, r);
          part = ScanDayReport(reader, DateTime{day, 0}, *r.format, patterns,
                               folder.shared ? amendments : AmendmentSink{});
        }))
      continue;
    into.anyReport = true;
    for (DayRow& row : part.rows) {
      const RecordFields fields = *SplitRecord(row.line.text);
      into.rows.push_back({i, row.line.offset, std::move(row.line.text), *r.format->Parse(fields.start),
                           r.format->Parse(fields.end), row.seconds});
    }
  }
}

// Reads the records of the period from every report: with `patterns` (those of its days) only
// the lines that hold one of them, else every line. False, with nothing kept, where the patterns
// are too many to be looked for at once.
bool GatherPeriod(const Files& files, const FolderReports& folder, const Period& period,
                  const std::vector<DayPattern>* patterns, Gathered& into) {
  LocalInstants instants;
  for (std::size_t i = 0; i < folder.reports.size(); ++i) {
    const ReportSource& r = folder.reports[i];
    const RecordSink records = [&](const ScannedRecord& s) {
      into.rows.push_back({i, s.offset, std::string(s.text), s.start, s.end, s.seconds});
    };
    const AmendmentSink amendments = [&](std::string_view line, std::uint64_t offset) {
      if (auto a = ParseAmendment(line)) into.amendments.push_back({std::move(*a), r.device, offset});
    };
    bool looked = true;
    const bool missing = FileMissing([&] {
      Files::Reader reader = folder.Open(files, r);
      if (patterns)
        looked = ScanDays(reader, period, *r.format, *patterns, instants, records, folder.shared ? amendments : AmendmentSink{});
      else
        ScanPeriod(reader, period, *r.format, instants, records, folder.shared ? amendments : AmendmentSink{}, nullptr);
    });
    if (!looked) {
      into = Gathered{};
      return false;
    }
    into.anyReport |= !missing;
  }
  into.wholePeriod = period;
  return true;
}

// The patterns of every day of a short period, where every report's form has them.
constexpr std::int64_t kMostDaysByPatterns = 16;
std::optional<std::vector<DayPattern>> PeriodPatterns(const FolderReports& folder, const Period& period) {
  if (period.Days() < 1 || period.Days() > kMostDaysByPatterns) return std::nullopt;
  bool everyLine = false;
  std::vector<DayPattern> patterns = PatternsOf(folder, period, everyLine);
  if (everyLine) return std::nullopt;
  return patterns;
}

Gathered Gather(const Files& files, const FolderReports& folder, const Period& period) {
  if (folder.reports.empty()) throw RunError(kErrFileNotFound, "There is no report in the shared folder");
  Gathered gathered;
  const auto patterns = PeriodPatterns(folder, period);
  // A day is read as the day report reads it; a few days at once by all their patterns.
  bool read = false;
  if (patterns && period.Days() == 1) {
    GatherDay(files, folder, period.first, gathered);
    read = true;
  } else if (patterns) {
    read = GatherPeriod(files, folder, period, &*patterns, gathered);
  }
  if (read) {
    // A record of another day amended onto one of these: every amendment of it names its own day,
    // so a look at that day finds them all, and the record itself.
    std::set<std::int64_t> others;
    for (const FoundAmendment& f : gathered.amendments) {
      const auto source = SourceNamed(folder, f.amendment.file);
      const auto fields = SplitRecord(f.amendment.record);
      if (!source || !fields) continue;
      if (const auto start = folder.reports[*source].format->Parse(fields->start); start && !period.Holds(start->day))
        others.insert(start->day);
    }
    for (std::int64_t day : others) GatherDay(files, folder, day, gathered);
  } else {
    GatherPeriod(files, folder, period, nullptr, gathered);
  }
  if (!gathered.anyReport) throw RunError(kErrFileNotFound, "There is no report in " + folder.reports.front().path);
  return gathered;
}

StoredStretch StretchOf(const FolderReports& folder, std::size_t source, std::uint64_t offset, std::string text,
                        std::uint32_t occurrence) {
  const ReportSource& r = folder.reports[source];
  StoredStretch s;
  s.id = {r.file, std::move(text), occurrence};
  s.offset = offset;
  s.shown = s.id.text;
  s.device = r.device;
  s.format = r.format;
  return s;
}

// Shows `text` (the record's, or its amendment's replacement) as the stretch; false when it is no
// record with a start.
bool Show(StoredStretch& s, std::string text, LocalInstants& instants) {
  const auto fields = SplitRecord(text);
  if (!fields) return false;
  const auto start = s.format->Parse(fields->start);
  if (!start) return false;
  s.start = *start;
  s.end = s.format->Parse(fields->end);
  s.seconds = StretchSeconds(instants, s.start, s.end);
  s.shown = std::move(text);
  return true;
}

std::vector<StoredStretch> Shown(const FolderReports& folder, const Gathered& gathered, const std::vector<Holding>& holding,
                                 const std::function<bool(const StoredStretch&)>& keep) {
  std::unordered_map<std::string, const Holding*> byPlace;
  for (const Holding& h : holding) byPlace.emplace(std::to_string(h.source) + ":" + std::to_string(h.offset), &h);
  const auto amendmentAt = [&](std::size_t source, std::uint64_t offset) -> const Holding* {
    const auto at = byPlace.find(std::to_string(source) + ":" + std::to_string(offset));
    return at == byPlace.end() ? nullptr : at->second;
  };

  LocalInstants instants;
  std::vector<StoredStretch> out;
  // Occurrences so far of each text in each report (the rows outlive the map).
  struct Place {
    std::size_t source;
    std::string_view text;
    bool operator==(const Place&) const = default;
  };
  struct PlaceHash {
    std::size_t operator()(const Place& p) const { return std::hash<std::string_view>{}(p.text) ^ p.source; }
  };
  std::unordered_map<Place, std::uint32_t, PlaceHash> seen;
  std::vector<const Row*> rows;
  rows.reserve(gathered.rows.size());
  for (const Row& row : gathered.rows) rows.push_back(&row);
  const auto inFileOrder = [](const Row* a, const Row* b) { return std::tie(a->source, a->offset) < std::tie(b->source, b->offset); };
  if (!std::is_sorted(rows.begin(), rows.end(), inFileOrder)) std::sort(rows.begin(), rows.end(), inFileOrder);
  std::set<const Holding*> used;
  for (const Row* row : rows) {
    const std::uint32_t occurrence = seen[Place{row->source, row->text}]++;
    StoredStretch s = StretchOf(folder, row->source, row->offset, row->text, occurrence);
    const Holding* h = amendmentAt(row->source, row->offset);
    if (h) used.insert(h);
    if (h && !h->amendment->amendment.replacement) continue;  // deleted
    if (h) {
      if (!Show(s, *h->amendment->amendment.replacement, instants)) continue;
      s.amendedOn = h->amendment->device;
    } else {
      s.start = row->start;
      s.end = row->end;
      s.seconds = row->seconds;
    }
    if (keep(s)) out.push_back(std::move(s));
  }
  // Records of days not read whole, shown here by their replacements.
  for (const Holding& h : holding) {
    if (used.count(&h) || !h.amendment->amendment.replacement) continue;
    StoredStretch s = StretchOf(folder, h.source, h.offset, h.amendment->amendment.record, h.occurrence);
    if (!Show(s, *h.amendment->amendment.replacement, instants)) continue;
    s.amendedOn = h.amendment->device;
    if (keep(s)) out.push_back(std::move(s));
  }
  // A report written as the work was done is in order already.
  const auto byStart = [](const StoredStretch& a, const StoredStretch& b) {
    return std::tie(a.start.day, a.start.seconds, a.device, a.id.file, a.offset) <
           std::tie(b.start.day, b.start.seconds, b.device, b.id.file, b.offset);
  };
  if (!std::is_sorted(out.begin(), out.end(), byStart)) std::sort(out.begin(), out.end(), byStart);
  return out;
}

// --- short ids --------------------------------------------------------------------------------

constexpr std::string_view kIdDigits = "0123456789abcdefghjkmnpqrstvwxyz";
constexpr int kIdDayBits = 15, kIdHashBits = 25;

std::uint64_t IdHash(const RecordId& id) {
  std::uint64_t hash = 14695981039346656037ull;  // FNV-1a: the same on every machine and in every run
  const auto take = [&](std::string_view bytes) {
    for (unsigned char c : bytes) hash = (hash ^ c) * 1099511628211ull;
    hash = (hash ^ 0xFF) * 1099511628211ull;
  };
  take(id.file);
  take(id.text);
  take(std::to_string(id.occurrence));
  return hash;
}

std::uint64_t IdDayBits(std::int64_t day) {
  // The day modulo the cycle, days before 1970 included (the cast wraps as the modulo does).
  return static_cast<std::uint64_t>(day) & ((std::uint64_t{1} << kIdDayBits) - 1);
}

}  // namespace

std::string RecordId::Short(const DateFormat& format) const {
  const auto fields = SplitRecord(text);
  const auto start = fields ? format.Parse(fields->start) : std::nullopt;
  return start ? Short(start->day) : "";
}

std::string RecordId::Short(std::int64_t day) const {
  const std::uint64_t bits =
      (IdDayBits(day) << kIdHashBits) | (IdHash(*this) & ((std::uint64_t{1} << kIdHashBits) - 1));
  std::string out(8, '0');
  for (int i = 7, shift = 0; i >= 0; --i, shift += 5) out[static_cast<size_t>(i)] = kIdDigits[(bits >> shift) & 31];
  return out;
}

RecordStore::RecordStore(const Files& files, FolderReports reports) : files_(&files), reports_(std::move(reports)) {}

RecordStore RecordStore::OfProgram() { return RecordStore(*platform().files, DataFolderReports()); }

std::vector<StoredStretch> RecordStore::Stretches(const Period& period) const {
  const Gathered gathered = Gather(*files_, reports_, period);
  const std::vector<Holding> holding = Resolve(*files_, reports_, gathered);
  return Shown(reports_, gathered, holding, [&](const StoredStretch& s) { return period.Holds(s.start.day); });
}

std::int64_t RecordStore::Visit(const Period& period, const StretchVisitor& visitor) const {
  if (reports_.reports.empty()) throw RunError(kErrFileNotFound, "There is no report in the shared folder");
  Gathered gathered;  // the amendments only: the stretches go to the visitor as they are read
  std::int64_t skipped = 0;
  LocalInstants instants;
  StretchView view;
  for (std::size_t i = 0; i < reports_.reports.size(); ++i) {
    const ReportSource& r = reports_.reports[i];
    view.source = &r;
    gathered.anyReport |= !FileMissing([&] {
      Files::Reader reader = reports_.Open(*files_, r);
      ScanPeriod(
          reader, period, *r.format, instants,
          [&](const ScannedRecord& s) {
            view.fields = s.fields;
            view.start = s.start;
            view.end = s.end;
            view.seconds = s.seconds;
            view.offset = s.offset;
            visitor.found(view);
          },
          reports_.shared ? AmendmentSink([&](std::string_view line, std::uint64_t offset) {
            if (auto a = ParseAmendment(line)) gathered.amendments.push_back({std::move(*a), r.device, offset});
          })
                          : AmendmentSink{},
          &skipped);
    });
  }
  if (!gathered.anyReport) throw RunError(kErrFileNotFound, "There is no report in " + reports_.reports.front().path);
  if (gathered.amendments.empty()) return skipped;

  // Each amended record the reports hold: taken back where it was found, its replacement counted
  // where it falls in the period.
  const auto viewOf = [&](const Holding& h, std::string_view text) -> std::optional<StretchView> {
    const ReportSource& r = reports_.reports[h.source];
    const auto fields = SplitRecord(text);
    const auto start = fields ? r.format->Parse(fields->start) : std::nullopt;
    if (!start || !period.Holds(start->day)) return std::nullopt;
    StretchView v{*fields, *start, r.format->Parse(fields->end), std::nullopt, &r, h.offset};
    v.seconds = StretchSeconds(instants, v.start, v.end);
    return v;
  };
  for (const Holding& h : Resolve(*files_, reports_, gathered)) {
    if (const auto was = viewOf(h, h.amendment->amendment.record)) visitor.takenBack(*was);
    if (!h.amendment->amendment.replacement) continue;
    if (const auto is = viewOf(h, *h.amendment->amendment.replacement)) visitor.found(*is);
  }
  return skipped;
}

std::optional<StoredStretch> RecordStore::Find(std::string_view id) const {
  if (id.size() < 4 || id.size() > 8) return std::nullopt;
  std::string wanted;
  std::uint64_t prefix = 0;
  for (char c : id) {
    wanted += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    const size_t digit = kIdDigits.find(wanted.back());
    if (digit == std::string_view::npos) return std::nullopt;
    prefix = prefix << 5 | digit;
  }
  const int shift = 5 * (8 - static_cast<int>(id.size()));
  const std::uint64_t dayBits = (prefix << shift) >> kIdHashBits;
  // The day it was recorded on: the latest with those bits that is not after tomorrow.
  const std::int64_t cycle = std::int64_t{1} << kIdDayBits;
  const std::int64_t limit = platform().clock->Now().day + 1;
  std::int64_t day = limit - static_cast<std::int64_t>(IdDayBits(limit)) + static_cast<std::int64_t>(dayBits);
  if (day > limit) day -= cycle;

  Gathered gathered;
  GatherDay(*files_, reports_, day, gathered);
  const std::vector<Holding> holding = Resolve(*files_, reports_, gathered);
  std::vector<StoredStretch> all = Shown(reports_, gathered, holding, [](const StoredStretch&) { return true; });
  std::optional<StoredStretch> match;
  for (StoredStretch& s : all) {
    if (!s.ShortId().starts_with(wanted)) continue;
    if (match) return std::nullopt;  // ambiguous
    match = std::move(s);
  }
  return match;
}

std::optional<RecordStore::Now> RecordStore::Current(const RecordRef& record) const {
  const auto source = SourceNamed(reports_, record.file);
  const auto fields = SplitRecord(record.text);
  if (!source || !fields) return std::nullopt;
  const auto start = reports_.reports[*source].format->Parse(fields->start);
  if (!start) return std::nullopt;
  Gathered gathered;
  GatherDay(*files_, reports_, start->day, gathered);
  std::vector<const Row*> lines;
  for (const Row& row : gathered.rows)
    if (row.source == *source && row.text == record.text) lines.push_back(&row);
  if (lines.empty()) return std::nullopt;
  // The line where it was read, else the first with its text.
  const Row* line = lines.front();
  for (const Row* l : lines)
    if (l->offset == record.offset) line = l;
  Now now{line->offset, record.text};
  for (const Holding& h : Resolve(*files_, reports_, gathered))
    if (h.source == *source && h.offset == line->offset) now.shown = h.amendment->amendment.replacement;
  return now;
}

// --- writes -----------------------------------------------------------------------------------

std::vector<const StoredStretch*> Overlapping(const std::vector<StoredStretch>& around, std::int64_t from,
                                              std::int64_t to, const RecordId* except) {
  std::vector<const StoredStretch*> found;
  for (const StoredStretch& s : around) {
    if (except && s.id == *except) continue;
    const std::int64_t a = InstantOfLocal(s.start), b = s.end ? InstantOfLocal(*s.end) : a;
    if (std::min(a, b) < to && std::max(a, b) > from) found.push_back(&s);
  }
  return found;
}

RecordRef AppendRecordLine(const Files& files, const DataFolder& folder, std::string_view line) {
  const Files::Lock lock = files.LockFor(folder.File(kReportFile));
  std::string bytes(line);
  bytes += "\r\n";
  const DataFolder to = ReadyToWrite(files, folder, line);
  return {to.OwnName(kReportFile), files.Append(to.Report(), bytes), std::string(line), {}};
}

bool ChangeRecord(const Files& files, const DataFolder& folder, const RecordRef& record,
                  const std::optional<std::string>& replacement, std::int64_t unixNow) {
  if (folder.shared) {
    // The record's own report is left as it is, whichever machine's it is: an amendment names it,
    // as it stands now; one changed since it was read (here, or by another machine's amendment
    // that has arrived) is left alone.
    const auto now = RecordStore(files, ReadFolderReports(files, folder.path, platform().dateFormat->data(),
                                                          ReportDateFormat()))
                         .Current(record);
    if (!now || now->shown != record.Shown()) return false;
    const Amendment amendment{UtcStamp(unixNow), record.file, now->offset, record.text, replacement};
    AppendAmendment(files, ReadyToWrite(files, folder, AmendmentLine(amendment)).Report(), amendment);
    return true;
  }
  return RewriteRecordLine(files, folder, SourceLine{record.offset, record.text}, replacement);
}

bool RewriteRecordLine(const Files& files, const DataFolder& folder, const SourceLine& line,
                       const std::optional<std::string>& replacement) {
  const std::string report = JoinPath(folder.path, kReportFile);
  const Files::Lock lock = files.LockFor(report);
  BeforeRewrite(report);
  std::uint64_t at = 0;
  if (!RewriteReportLine(files, folder.path, line, replacement, &at)) return false;
  NoteRewritten(report, {at, line.text.size() + 2, replacement});
  return true;
}

}  // namespace tw
