#include "import/import_write.h"

#include <algorithm>
#include <compare>
#include <iterator>
#include <optional>
#include <set>
#include <tuple>
#include <unordered_map>
#include <unordered_set>

#include "dates/iso_date.h"
#include "dates/local_time.h"
#include "import/fit.h"
#include "platform/lines.h"
#include "platform/shared_folder.h"
#include "platform/utf8.h"
#include "projects/project_list.h"
#include "projects/shared_list.h"
#include "report/record.h"
#include "report/report_files.h"
#include "report/report_form.h"
#include "store/changes.h"
#include "store/machine_claim.h"
#include "store/record_store.h"
#include "platform/translate.h"

namespace tw {
namespace {

std::int64_t Ordinal(const DateTime& t) { return t.day * kSecondsPerDay + t.seconds; }

// A stretch as the duplicate rule sees it, exactly, in 16 bytes: its start and end as the record
// reads back (seconds from day zero) and its project by number. The end and the number share a
// word: every readable date lies within 2^39 seconds of day zero, and a file names fewer than 2^24
// projects.
constexpr int kProjectBits = 24;
constexpr std::uint32_t kMostProjects = (1u << kProjectBits) - 1;
constexpr std::int64_t kEndBias = std::int64_t{1} << 39;

struct Key {
  std::int64_t start;
  std::uint64_t endAndProject;
  auto operator<=>(const Key&) const = default;
  std::int64_t End() const { return static_cast<std::int64_t>(endAndProject >> kProjectBits) - kEndBias; }
};

Key KeyOf(std::int64_t start, std::int64_t end, std::uint32_t project) {
  const auto biased = static_cast<std::uint64_t>(std::clamp(end, -kEndBias, kEndBias - 1) + kEndBias);
  return {start, biased << kProjectBits | project};
}

struct KeyHash {
  std::size_t operator()(const Key& k) const {  // splitmix64's finaliser: every bit moves every bit
    std::uint64_t x = static_cast<std::uint64_t>(k.start) * 0x9e3779b97f4a7c15ull + k.endAndProject;
    x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9ull;
    x = (x ^ (x >> 27)) * 0x94d049bb133111ebull;
    return x ^ (x >> 31);
  }
};

// The keys of the stretches an import has taken so far: sorted, 16 bytes each (a table of them all
// would take three times the room). A key past all the others goes at the end, as every key of a
// file written in order of time does; the others wait in a small table until there are enough of
// them to merge in, all smaller than the last key.
class KeySet {
 public:
  // False when the key was there already.
  bool Insert(const Key& key) {
    if (sorted_.empty() || sorted_.back() < key) {  // past every key so far: the usual case
      sorted_.push_back(key);
      return true;
    }
    if (std::binary_search(sorted_.begin(), sorted_.end(), key) || !recent_.insert(key).second) return false;
    if (recent_.size() == kRecent) Merge();
    return true;
  }

 private:
  static constexpr std::size_t kRecent = 16384;

  void Merge() {
    std::vector<Key> add(recent_.begin(), recent_.end());
    std::sort(add.begin(), add.end());
    std::size_t i = sorted_.size(), j = add.size();
    sorted_.resize(i + j);
    for (std::size_t k = sorted_.size(); j > 0;) sorted_[--k] = i > 0 && sorted_[i - 1] > add[j - 1] ? sorted_[--i] : add[--j];
    recent_.clear();
  }

  std::vector<Key> sorted_;
  std::unordered_set<Key, KeyHash> recent_;
};

// Project names by number, the same name always the same number.
class ProjectNumbers {
 public:
  // Nothing past the most a key can tell apart.
  std::optional<std::uint32_t> Of(const std::string& name) {
    if (last_ && name == last_->first) return last_->second;  // stretches of one project follow each other
    const auto [at, fresh] = numbers_.try_emplace(name, static_cast<std::uint32_t>(names_.size()));
    if (fresh) {
      if (names_.size() == kMostProjects) {
        numbers_.erase(at);
        return std::nullopt;
      }
      names_.push_back(&at->first);
    }
    last_ = &*at;
    return at->second;
  }
  const std::string& Name(std::uint32_t number) const { return *names_[number]; }

 private:
  std::unordered_map<std::string, std::uint32_t> numbers_;
  std::vector<const std::string*> names_;
  const std::pair<const std::string, std::uint32_t>* last_ = nullptr;
};

const std::int64_t kFirstMoment = (kReadableDays.first + 1 + kUnixDayOfDayZero) * kSecondsPerDay;
const std::int64_t kLastMoment = (kReadableDays.last - 1 + kUnixDayOfDayZero) * kSecondsPerDay;

std::string Moment(const DateFormat& form, std::int64_t unix) { return form.FormatGeneral(LocalOfInstant(unix)); }

// The first and last start of a file's stretches.
struct Bounds final : ImportSink {
  explicit Bounds(const ImportProgress& progress) : progress(progress) {}
  void Take(ImportedStretch&& s) override { first = std::min(first, s.start), last = std::max(last, s.start); }
  void Skip(Unreadable&&) override {}
  bool Progress(double done) override { return !(stopped = stopped || (progress && !progress(done))); }

  const ImportProgress& progress;
  std::int64_t first = INT64_MAX, last = INT64_MIN;
  bool stopped = false;
};

// Whether the folder has a report with anything in it to hold.
bool HasRecords(const std::string& folder) {
  for (const std::string& path : ReportPaths(folder))
    if (FileSizeOf(path) > 0) return true;
  return false;
}

// The share done of a reading that is one of `of` readings, the `at`-th from 0.
ImportProgress Stage(const ImportProgress& progress, int at, int of) {
  if (!progress) return {};
  return [&progress, at, of](double done) { return progress((at + done) / of); };
}

}  // namespace

struct HeldStretches::Index {
  ProjectNumbers projects;
  std::vector<Key> keys;                // by start
  std::vector<Key> removed;             // keys taken back, one each, when sealed
  std::vector<std::int64_t> latestEnd;  // [i]: the latest end among keys[0 .. kBlock * (i + 1))
  static constexpr std::size_t kBlock = 64;
  std::size_t finger = 0;  // where the last search ended
  std::optional<ImportPeriod> period;  // the starts whose stretches were looked at; none: all of them

  // The first key not less than key. A file read in order of time asks for ever later keys, so the
  // search starts where the last one ended, in steps that double.
  std::size_t LowerBound(const Key& key) {
    std::size_t low = 0, high = keys.size();
    if (finger < keys.size() && keys[finger] <= key) {
      low = finger;
      for (std::size_t step = 1; low + step < keys.size(); step *= 2) {
        if (!(keys[low + step] < key)) {
          high = low + step;
          break;
        }
        low += step;
      }
    }
    finger = static_cast<std::size_t>(std::lower_bound(keys.begin() + static_cast<std::ptrdiff_t>(low),
                                                       keys.begin() + static_cast<std::ptrdiff_t>(high), key) -
                                      keys.begin());
    return finger;
  }

  void Seal() {
    if (!std::is_sorted(keys.begin(), keys.end())) std::sort(keys.begin(), keys.end());
    if (!removed.empty()) {
      std::sort(removed.begin(), removed.end());
      std::vector<Key> kept;
      kept.reserve(keys.size());
      std::set_difference(keys.begin(), keys.end(), removed.begin(), removed.end(), std::back_inserter(kept));
      keys = std::move(kept);
      removed.clear();
    }
    std::int64_t latest = INT64_MIN;
    latestEnd.clear();
    for (std::size_t i = 0; i < keys.size(); ++i) {
      latest = std::max(latest, keys[i].End());
      if ((i + 1) % kBlock == 0) latestEnd.push_back(latest);
    }
  }
  bool Holds(const Key& key) {
    const std::size_t at = LowerBound(key);
    return at < keys.size() && keys[at] == key;
  }
  // Whether a stretch held starts before end and ends after start.
  bool Overlaps(std::int64_t start, std::int64_t end) {
    const std::size_t before = LowerBound(Key{end, 0});
    std::int64_t latest = before >= kBlock ? latestEnd[before / kBlock - 1] : INT64_MIN;
    for (std::size_t i = before / kBlock * kBlock; i < before; ++i) latest = std::max(latest, keys[i].End());
    return latest > start;
  }
};

HeldStretches::HeldStretches() : index_(std::make_unique<Index>()) {}
HeldStretches::~HeldStretches() = default;
HeldStretches::HeldStretches(HeldStretches&&) noexcept = default;
HeldStretches& HeldStretches::operator=(HeldStretches&&) noexcept = default;

void HeldStretches::Add(const std::string& project, const DateTime& start, const DateTime& end) {
  if (const auto number = index_->projects.Of(project)) index_->keys.push_back(KeyOf(Ordinal(start), Ordinal(end), *number));
}

void HeldStretches::Remove(const std::string& project, const DateTime& start, const DateTime& end) {
  if (const auto number = index_->projects.Of(project)) index_->removed.push_back(KeyOf(Ordinal(start), Ordinal(end), *number));
}

HeldStretches ReadHeldStretches(const Files& files, const std::string& folder, const DateFormat& ownForm,
                                const LocaleData& user, std::int64_t first, std::int64_t last) {
  HeldStretches held;
  if (first > last) return held;
  held.index_->period = ImportPeriod{first, last};
  const Period period{std::max(kReadableDays.first, LocalOfInstant(first).day - 7),
                      std::min(kReadableDays.last, LocalOfInstant(last).day + 1)};
  if (period.first > period.last) return held;
  const FolderReports reports = ReadFolderReports(files, folder, user, ownForm);
  StretchVisitor visitor;
  std::string project;
  visitor.found = [&](const StretchView& s) {
    if (s.end) held.Add(project.assign(s.fields.project), s.start, *s.end);
  };
  visitor.takenBack = [&](const StretchView& s) {
    if (s.end) held.Remove(project.assign(s.fields.project), s.start, *s.end);
  };
  FileMissing([&] { RecordStore(files, reports).Visit(period, visitor); });
  return held;
}

// Judges each stretch as a reader hands it on: a duplicate, an overlap, a record to write.
class ImportPlanner final : public ImportSink {
 public:
  ImportPlanner(ImportPlan& plan, HeldStretches& held, const std::vector<std::string>& projectList,
                const DateFormat& form, const RecordSink& record, const ImportProgress& progress)
      : plan_(plan), held_(*held.index_), listed_(projectList.begin(), projectList.end()), form_(form), record_(record),
        progress_(progress) {
    held_.Seal();
    // Where the form writes a time back exactly as it reads, a stretch's key is its local time, and
    // the text need not be read again.
    const DateTime probe = MakeDateTime({2026, 10, 24}, 13, 37, 42);
    exact_ = form.Parse(form.FormatGeneral(probe)) == probe;
  }

  void Take(ImportedStretch&& s) override {
    if (stopped_) return;
    ++plan_.read;
    // The years a report's dates can name, with a day to spare for any zone.
    if (s.start < kFirstMoment || s.end > kLastMoment) {
      Skip({"stretch " + std::to_string(plan_.read), "its times lie outside the years 100 to 9999"});
      return;
    }
    if (held_.period && (s.start < held_.period->first || s.start > held_.period->last)) ++plan_.unjudged;
    const DateTime startLocal = clock_.Of(s.start), endLocal = clock_.Of(s.end);
    // The name as a record carries it, and as the file had it where that differs.
    std::string given, renamed;
    if (!PlainProjectName(s.project)) given = s.project, renamed = FitProjectName(s.project);
    const std::string& project = s.project;
    if (project.empty()) {
      Skip({"stretch at " + form_.FormatGeneral(startLocal), "it names no project"});
      return;
    }
    plan_.first = dated_ ? std::min(plan_.first, s.start) : s.start;
    plan_.last = dated_ ? std::max(plan_.last, s.end) : s.end;
    dated_ = true;
    // The record's texts: read back where the form may not write a time exactly, else made only for
    // a record that is written.
    std::string start, end;
    const auto write = [&] {
      if (start.empty()) start = form_.FormatGeneral(startLocal), end = form_.FormatGeneral(endLocal);
    };
    if (!exact_) write();
    // Judged as the record reads back, so that what the form cannot write (a second, say) counts too.
    const auto startValue = exact_ ? startLocal : form_.Parse(start);
    const auto endValue = exact_ ? endLocal : form_.Parse(end);
    if (!startValue || !endValue) {
      Skip({"stretch at " + start, "the report's date form cannot write it"});
      return;
    }
    const auto number = held_.projects.Of(project);
    if (!number) {
      plan_.refusal = "it names more projects than an import can tell apart";
      stopped_ = true;
      return;
    }
    const Key key = KeyOf(Ordinal(*startValue), Ordinal(*endValue), *number);
    bool duplicate = held_.Holds(key) || !taken_.Insert(key);
    std::string recast;
    if (!duplicate && !PlainComment(s.comment)) recast = FitComment(s.comment);
    if (!duplicate && record_) {
      write();
      duplicate = !record_(RecordLine(project, start, end, s.comment) + "\r\n");
    }
    if (duplicate) {
      ++plan_.duplicates;
      return;
    }
    ++plan_.added;
    if (held_.Overlaps(Ordinal(*startValue), Ordinal(*endValue))) ++plan_.overlaps;
    if (*number >= written_.size()) written_.resize(*number + 1);
    written_[*number] = true;
    if (!renamed.empty()) {
      renamed_.insert({Shortened(given, kMostProjectBytes + 40), project, renamed});
    }
    if (!recast.empty()) Note({"stretch at " + form_.FormatGeneral(startLocal), recast});
  }

  void Skip(Unreadable&& item) override {
    if (plan_.unreadableCount++ < kListedUnreadable) plan_.unreadable.push_back(std::move(item));
  }

  void Note(ImportNote&& note) override {
    if (plan_.noteCount++ < kListedUnreadable) plan_.notes.push_back(std::move(note));
  }

  bool Progress(double done) override {
    if (!stopped_ && progress_ && !progress_(done)) stopped_ = cancelled_ = true;
    return !stopped_;
  }

  // The plan once the file is read, or its refusal.
  void Finish(std::string refusal) {
    if (cancelled_) refusal = "cancelled";
    if (refusal.empty()) refusal = plan_.refusal;
    if (!refusal.empty()) {
      plan_ = ImportPlan{};
      plan_.refusal = std::move(refusal);
      return;
    }
    for (std::uint32_t n = 0; n < written_.size(); ++n) {
      if (!written_[n]) continue;
      const std::string& name = held_.projects.Name(n);
      plan_.projects.push_back(name);
      if (!listed_.count(name)) plan_.newProjects.push_back(name);
    }
    std::sort(plan_.projects.begin(), plan_.projects.end());
    std::sort(plan_.newProjects.begin(), plan_.newProjects.end());
    for (const auto& [from, to, why] : renamed_) plan_.renamed.push_back({from, to, why});
  }

 private:
  ImportPlan& plan_;
  HeldStretches::Index& held_;
  const std::set<std::string> listed_;
  const DateFormat& form_;
  const RecordSink& record_;
  const ImportProgress& progress_;
  bool exact_ = false, stopped_ = false, cancelled_ = false;
  bool dated_ = false;  // the period holds a stretch
  LocalClock clock_;
  KeySet taken_;
  std::vector<bool> written_;  // by project number: a record of it is written
  std::set<std::tuple<std::string, std::string, std::string>> renamed_;  // from, to, why
};

ImportPlan PlanImport(const ImportSource& source, HeldStretches held, const std::vector<std::string>& projectList,
                      const DateFormat& reportForm, const RecordSink& record, const ImportProgress& progress) {
  ImportPlan plan;
  ImportPlanner planner(plan, held, projectList, reportForm, record, progress);
  std::string refusal = source.Read(planner);
  planner.Finish(std::move(refusal));
  return plan;
}

namespace {

// The stretches the folder's reports hold over the period of source's stretches: none without a
// record, else source is read once more to learn its period first. Nothing when cancelled.
std::optional<HeldStretches> HeldFor(const Files& files, const std::string& folder, const ImportSource& source,
                                     const DateFormat& reportForm, const LocaleData& user, const ImportProgress& progress) {
  Bounds bounds(progress);
  source.Read(bounds);
  if (bounds.stopped) return std::nullopt;
  return ReadHeldStretches(files, folder, reportForm, user, bounds.first, bounds.last);
}

}  // namespace

ImportPlan PlanImportInto(const Files& files, const std::string& folder, const ImportSource& source,
                          const DateFormat& reportForm, const LocaleData& user, const ImportProgress& progress) {
  const std::vector<std::string> list = ProjectListNames(files, folder);
  if (!HasRecords(folder)) return PlanImport(source, HeldStretches(), list, reportForm, {}, progress);
  std::optional<HeldStretches> held = HeldFor(files, folder, source, reportForm, user, Stage(progress, 0, 2));
  if (!held) {
    ImportPlan cancelled;
    cancelled.refusal = "cancelled";
    return cancelled;
  }
  return PlanImport(source, std::move(*held), list, reportForm, {}, Stage(progress, 1, 2));
}

std::vector<std::string> ProjectListNames(const Files& files, const std::string& folder) {
  std::string text;
  FileMissing([&] { text = files.ReadAll(JoinPath(folder, kProjectListFile)); });
  std::vector<std::string> names;
  for (std::string& line : SplitLines(text))
    if (!line.empty()) names.push_back(std::move(line));
  return names;
}

namespace {

// The records of an import after the last line of this machine's report, in one replace under the
// folder's lock, unless the file has changed since `period` was learnt (the plan's unjudged).
ImportPlan WriteRecords(const Files& files, const std::string& folder, const ImportSource& source,
                        const DateFormat& reportForm, const LocaleData& user, std::optional<ImportPeriod> period,
                        const std::string& origin, std::int64_t unixNow) {
  // This machine's name in a shared folder settled before anything is written under it.
  ReadyToWrite(files, DataFolder::At(folder));
  const std::string report = MachineFile(folder, kReportFile);
  // The report up to here is judged by its stretches; what it gains while the import waits for the
  // lock (the same file imported from another window or tallywright-ctl), by its lines.
  const std::uint64_t judged = FileSizeOf(report);
  HeldStretches held = !HasRecords(folder) ? HeldStretches()
                       : period ? ReadHeldStretches(files, folder, reportForm, user, period->first, period->last)
                                : std::move(*HeldFor(files, folder, source, reportForm, user, {}));
  const std::vector<std::string> list = ProjectListNames(files, folder);
  // One lock for the copy and the replace: an append of the running program waits for the new
  // report instead of going into the old one.
  const Files::Lock lock = files.LockFor(report);
  const bool exists = files.Exists(report);
  Files::Replacement out = files.BeginReplace(report, MachineFile(folder, kReportScratch));
  std::unordered_set<std::string> gained;
  char last = '\n';
  if (exists) {
    // Every byte as it stands, so that each line keeps its offset (amendments name lines by it).
    Files::Reader reader = files.OpenRead(report);
    std::string block(1 << 20, '\0');
    std::string partial;  // a line gained, read so far
    std::uint64_t offset = 0;
    while (const size_t n = reader.Read(block.data(), block.size())) {
      const std::string_view read(block.data(), n);
      out.Write(read);
      last = read.back();
      for (size_t from = offset >= judged ? 0 : judged - offset; from < n;) {
        const size_t end = LineEndAt(read, from);
        partial.append(read.substr(from, end - from));
        if (end == std::string_view::npos) break;
        if (!partial.empty()) gained.insert(std::move(partial));
        partial.clear();
        from = end + 1;
      }
      offset += n;
    }
    if (!partial.empty()) gained.insert(std::move(partial));
  }
  bool lineEnd = exists && last != '\n' && last != '\r';  // the last line needs one before the records
  const std::uint64_t before = exists ? FileSizeOf(report) : 0;
  std::uint64_t added = 0;  // bytes after the report's own: the import's step in the history
  ImportPlan plan = PlanImport(source, std::move(held), list, reportForm, [&](std::string_view record) {
    if (!gained.empty() && gained.count(std::string(record.substr(0, LineEndAt(record, 0))))) return false;
    if (lineEnd) {
      out.Write("\r\n");
      lineEnd = false;
      added += 2;
    }
    out.Write(record);
    added += record.size();
    return true;
  });
  if (plan.unjudged > 0 || !plan.refusal.empty() || plan.added == 0) return plan;
  const std::string backup = MachineFile(folder, kImportBackupFile);
  if (exists) files.Copy(report, backup, backup + ".tmp");
  else files.Replace(backup, backup + ".tmp", "");
  out.Commit();
  Changes(files, DataFolder::At(folder), origin, unixNow)
      .Appended(StepKind::Import, before, added, "of " + std::to_string(plan.added) + (plan.added == 1 ? " stretch" : " stretches"),
                !exists);
  const std::string form = FormFileOf(report);
  if (!files.Exists(form)) files.Replace(form, form + ".tmp", FormText(reportForm.data()));
  return plan;
}

}  // namespace

ImportPlan WriteImport(const Files& files, const std::string& folder, const ImportSource& source,
                       const DateFormat& reportForm, const LocaleData& user, bool newProjects, std::int64_t unixNow,
                       std::optional<ImportPeriod> period, const std::string& origin) {
  ImportPlan plan = WriteRecords(files, folder, source, reportForm, user, period, origin, unixNow);
  if (plan.unjudged > 0) plan = WriteRecords(files, folder, source, reportForm, user, std::nullopt, origin, unixNow);
  if (newProjects && !plan.newProjects.empty()) {
    const std::string list = JoinPath(folder, kProjectListFile);
    const Files::Lock lock = files.LockFor(list);
    std::string before;
    FileMissing([&] { before = files.ReadAll(list); });
    std::vector<std::string> names;
    for (std::string& line : SplitLines(before)) names.push_back(std::move(line));
    while (!names.empty() && names.back().empty()) names.pop_back();  // the empty entry past the last
    for (const std::string& name : plan.newProjects)
      if (std::find(names.begin(), names.end(), name) == names.end()) names.push_back(name);
    const std::string after = ListText(names);
    files.Replace(list, JoinPath(folder, kProjectListScratch), after);
    NoteProjectChanges(files, folder, before, after, unixNow);
  }
  return plan;
}

std::string PlanText(const ImportPlan& plan, const DateFormat& form, bool newProjects) {
  if (!plan.refusal.empty()) return Arg(Tr("Import", "Nothing imported: %1"), {Printable(plan.refusal)}) + "\n";
  std::string text;
  // A count as TrN takes it; lupdate reads a call in a last argument, not a cast.
  const auto count = [](std::size_t n) { return static_cast<long long>(n); };
  text += TrN("Import", "%n stretches read", "%n stretch read", count(plan.read));
  if (plan.read > 0)
    text += Arg(Tr("Import", ", from %1 to %2"), {Moment(form, plan.first), Moment(form, plan.last)});
  text += "\n" + TrN("Import", "%n stretches to add", "%n stretch to add", count(plan.added)) + "\n";
  text += TrN("Import", "%n duplicates skipped (already in the report)", "%n duplicate skipped (already in the report)",
              count(plan.duplicates)) + "\n";
  text += TrN("Import", "%n overlap stretches of the report", "%n overlaps a stretch of the report",
              count(plan.overlaps)) + "\n";
  if (!plan.projects.empty()) {
    text += Tr("Import", "Projects:") + "\n";
    for (const std::string& p : plan.projects) {
      const bool fresh = std::binary_search(plan.newProjects.begin(), plan.newProjects.end(), p);
      text += "  " + p +
              (fresh ? newProjects ? Tr("Import", "  (new: goes on the project list)")
                                   : Tr("Import", "  (new, not on the project list)")
                     : "") +
              "\n";
    }
  }
  for (const ImportPlan::Renamed& r : plan.renamed)
    text += Arg(Tr("Import", "Project \"%1\" is written as \"%2\" (%3)"), {Printable(r.from), r.to, r.why}) + "\n";
  const auto list = [&](std::size_t all, std::size_t listed, const std::string& heading, const auto& each) {
    if (all == 0) return;
    text += heading + "\n";
    for (std::size_t i = 0; i < listed; ++i) text += "  " + each(i) + "\n";
    if (all > listed) text += "  " + TrN("Import", "and %n more", "and %n more", count(all - listed)) + "\n";
  };
  list(plan.noteCount, plan.notes.size(), TrN("Import", "%n notes:", "%n note:", count(plan.noteCount)),
       [&](std::size_t i) { return Printable(plan.notes[i].place) + ": " + Printable(plan.notes[i].text); });
  list(plan.unreadableCount, plan.unreadable.size(),
       TrN("Import", "%n items could not be read:", "%n item could not be read:", count(plan.unreadableCount)),
       [&](std::size_t i) { return Printable(plan.unreadable[i].place) + ": " + Printable(plan.unreadable[i].reason); });
  return text;
}

std::string PlanJson(const ImportPlan& plan, bool written) {
  const auto list = [](const std::vector<std::string>& names) {
    std::string out = "[";
    for (const std::string& n : names) out += (out.size() > 1 ? ", " : "") + JsonString(n);
    return out + "]";
  };
  std::string json = "{\n  \"written\": " + std::string(written ? "true" : "false");
  json += ",\n  \"refusal\": " + (plan.refusal.empty() ? std::string("null") : JsonString(plan.refusal));
  json += ",\n  \"read\": " + std::to_string(plan.read) + ",\n  \"added\": " + std::to_string(plan.added);
  json += ",\n  \"duplicates\": " + std::to_string(plan.duplicates) + ",\n  \"overlaps\": " + std::to_string(plan.overlaps);
  json += ",\n  \"from\": " + (plan.read ? JsonString(IsoDateTime(LocalOfInstant(plan.first))) : "null");
  json += ",\n  \"to\": " + (plan.read ? JsonString(IsoDateTime(LocalOfInstant(plan.last))) : "null");
  json += ",\n  \"projects\": " + list(plan.projects) + ",\n  \"newProjects\": " + list(plan.newProjects);
  const auto objects = [&](const char* name, std::size_t n, const auto& each) {
    json += ",\n  \"" + std::string(name) + "\": [";
    for (std::size_t i = 0; i < n; ++i) json += std::string(i ? ", " : "") + "{" + each(i) + "}";
    json += "]";
  };
  objects("renamed", plan.renamed.size(), [&](std::size_t i) {
    return "\"from\": " + JsonString(plan.renamed[i].from) + ", \"to\": " + JsonString(plan.renamed[i].to) +
           ", \"why\": " + JsonString(plan.renamed[i].why);
  });
  json += ",\n  \"noteCount\": " + std::to_string(plan.noteCount);
  objects("notes", plan.notes.size(), [&](std::size_t i) {
    return "\"place\": " + JsonString(plan.notes[i].place) + ", \"text\": " + JsonString(plan.notes[i].text);
  });
  json += ",\n  \"unreadableCount\": " + std::to_string(plan.unreadableCount);
  objects("unreadable", plan.unreadable.size(), [&](std::size_t i) {
    return "\"place\": " + JsonString(plan.unreadable[i].place) + ", \"reason\": " + JsonString(plan.unreadable[i].reason);
  });
  return json + "\n}\n";
}

}  // namespace tw
