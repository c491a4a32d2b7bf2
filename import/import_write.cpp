#include "import/import_write.h"

#include <algorithm>
#include <set>
#include <unordered_map>
#include <unordered_set>

#include "dates/local_time.h"
#include "platform/lines.h"
#include "platform/shared_folder.h"
#include "projects/project_list.h"
#include "projects/shared_list.h"
#include "report/append.h"
#include "report/record.h"
#include "report/report_files.h"
#include "report/report_form.h"
#include "summaries/export.h"
#include "summaries/summary.h"

namespace tw {
namespace {

std::int64_t Ordinal(const DateTime& t) { return t.day * kSecondsPerDay + t.seconds; }

// A stretch as the duplicate rule sees it: project, start and end as the record reads back.
struct Key {
  std::string project;
  std::int64_t start, end;
  bool operator==(const Key&) const = default;
};
struct KeyHash {
  static std::uint64_t Mix(std::uint64_t x) {  // splitmix64's finaliser: every bit moves every bit
    x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9ull;
    x = (x ^ (x >> 27)) * 0x94d049bb133111ebull;
    return x ^ (x >> 31);
  }
  std::size_t operator()(const Key& k) const {
    return std::hash<std::string>()(k.project) ^
           Mix(static_cast<std::uint64_t>(k.start) * 0x9e3779b97f4a7c15ull + static_cast<std::uint64_t>(k.end));
  }
};

// LocalOfInstant for many moments: the zone's offset read once an hour of UTC (no zone changes
// its offset within one).
class LocalClock {
 public:
  DateTime Of(std::int64_t unix) {
    const std::int64_t hour = unix >= 0 ? unix / 3600 : (unix - 3599) / 3600;
    auto [at, fresh] = offsets_.try_emplace(hour, 0);
    if (fresh) at->second = UtcOffsetAt(hour * 3600);
    const std::int64_t local = unix + at->second;
    const std::int64_t day = (local >= 0 ? local : local - kSecondsPerDay + 1) / kSecondsPerDay;
    return DateTime{day - kUnixDayOfDayZero, static_cast<std::int32_t>(local - day * kSecondsPerDay)};
  }

 private:
  std::unordered_map<std::int64_t, std::int64_t> offsets_;
};

const std::int64_t kFirstMoment = (kReadableDays.first + 1 + kUnixDayOfDayZero) * kSecondsPerDay;
const std::int64_t kLastMoment = (kReadableDays.last - 1 + kUnixDayOfDayZero) * kSecondsPerDay;

std::string Moment(const DateFormat& form, std::int64_t unix) { return form.FormatGeneral(LocalOfInstant(unix)); }

}  // namespace

ImportPlan PlanImport(ImportRead read, std::vector<HeldStretch> held, const std::vector<std::string>& projectList,
                      const DateFormat& reportForm, const std::function<bool(double)>& progress) {
  ImportPlan plan;
  plan.unreadable = std::move(read.unreadable);
  plan.refusal = std::move(read.refusal);
  if (!plan.refusal.empty()) return plan;
  std::vector<ImportedStretch>& stretches = read.stretches;
  std::stable_sort(stretches.begin(), stretches.end(),
                   [](const ImportedStretch& a, const ImportedStretch& b) { return a.start < b.start; });
  plan.read = stretches.size();

  std::unordered_set<Key, KeyHash> seen;
  seen.reserve(held.size() + stretches.size());
  for (const HeldStretch& h : held) seen.insert(Key{h.project, Ordinal(h.start), Ordinal(h.end)});
  // Where the form writes a time back exactly as it reads, a stretch's key is its local time, and
  // the text need not be read again.
  const DateTime probe = MakeDateTime({2026, 10, 24}, 13, 37, 42);
  const bool exact = reportForm.Parse(reportForm.FormatGeneral(probe)) == probe;
  LocalClock clock;
  // The held stretches by start, with the latest end so far, to find an overlap by one search.
  std::sort(held.begin(), held.end(), [](const HeldStretch& a, const HeldStretch& b) { return Ordinal(a.start) < Ordinal(b.start); });
  std::vector<std::int64_t> starts, latestEnd;
  for (const HeldStretch& h : held) {
    starts.push_back(Ordinal(h.start));
    latestEnd.push_back(std::max(latestEnd.empty() ? INT64_MIN : latestEnd.back(), Ordinal(h.end)));
  }
  const std::set<std::string> listed(projectList.begin(), projectList.end());
  std::set<std::string> projects, fresh;
  std::set<std::pair<std::string, std::string>> renamed;

  for (std::size_t i = 0; i < stretches.size(); ++i) {
    if (progress && i % 4096 == 0 && !progress(static_cast<double>(i) / static_cast<double>(stretches.size()))) {
      plan = ImportPlan{};
      plan.refusal = "cancelled";
      return plan;
    }
    const ImportedStretch& s = stretches[i];
    // The years a report's dates can name, with a day to spare for any zone.
    if (s.start < kFirstMoment || s.end > kLastMoment) {
      plan.unreadable.push_back({"stretch " + std::to_string(i + 1), "its times lie outside the years 100 to 9999"});
      continue;
    }
    if (i == 0 || s.start < plan.first) plan.first = s.start;
    if (i == 0 || s.end > plan.last) plan.last = s.end;
    const std::string project = RecordField(s.project);
    const DateTime startLocal = clock.Of(s.start), endLocal = clock.Of(s.end);
    const std::string start = reportForm.FormatGeneral(startLocal), end = reportForm.FormatGeneral(endLocal);
    // Judged as the record reads back, so that what the form cannot write (a second, say) counts too.
    const auto startValue = exact ? startLocal : reportForm.Parse(start);
    const auto endValue = exact ? endLocal : reportForm.Parse(end);
    if (!startValue || !endValue) {
      plan.unreadable.push_back({"stretch at " + start, "the report's date form cannot write it"});
      continue;
    }
    if (!seen.insert(Key{project, Ordinal(*startValue), Ordinal(*endValue)}).second) {
      ++plan.duplicates;
      continue;
    }
    const auto before = std::lower_bound(starts.begin(), starts.end(), Ordinal(*endValue)) - starts.begin();
    if (before > 0 && latestEnd[static_cast<std::size_t>(before) - 1] > Ordinal(*startValue)) ++plan.overlaps;
    plan.lines.push_back(RecordLine(project, start, end, s.comment));
    if (project != s.project) renamed.insert({s.project, project});
    projects.insert(project);
    if (!listed.count(project)) fresh.insert(project);
  }
  plan.projects.assign(projects.begin(), projects.end());
  plan.newProjects.assign(fresh.begin(), fresh.end());
  plan.renamed.assign(renamed.begin(), renamed.end());
  return plan;
}

std::vector<HeldStretch> HeldStretches(const Files& files, const std::string& folder, const DateFormat& ownForm,
                                       const LocaleData& user, const ImportRead& read) {
  std::vector<HeldStretch> held;
  if (read.stretches.empty()) return held;
  std::int64_t first = read.stretches.front().start, last = first;
  for (const ImportedStretch& s : read.stretches) first = std::min(first, s.start), last = std::max(last, s.start);
  const Period period{std::max(kReadableDays.first, LocalOfInstant(first).day - 7),
                      std::min(kReadableDays.last, LocalOfInstant(last).day + 1)};
  if (period.first > period.last) return held;
  const FolderReports reports = ReadFolderReports(files, folder, user, ownForm);
  FileMissing([&] {
    ReadFolderSummary(files, reports, period, 0, [&](const SummaryEntry& e) {
      if (e.endValue) held.push_back({e.project, e.startValue, *e.endValue});
    });
  });
  return held;
}

std::vector<std::string> ProjectListNames(const Files& files, const std::string& folder) {
  std::string text;
  FileMissing([&] { text = files.ReadAll(JoinPath(folder, kProjectListFile)); });
  std::vector<std::string> names;
  for (std::string& line : SplitLines(text))
    if (!line.empty()) names.push_back(std::move(line));
  return names;
}

std::size_t WriteImport(const Files& files, const std::string& folder, const ImportPlan& plan, const DateFormat& reportForm,
                 bool newProjects, std::int64_t unixNow) {
  if (!plan.refusal.empty() || plan.lines.empty()) return 0;
  std::size_t written = 0;
  {
    // One lock for the copy, the replace and the list: an append of the running program waits
    // for the new report instead of going into the old one.
    const std::string report = MachineFile(folder, kReportFile);
    const Files::Lock lock = files.LockFor(report);
    const bool exists = files.Exists(report);
    const std::string backup = MachineFile(folder, kImportBackupFile);
    if (exists) files.Copy(report, backup, backup + ".tmp");
    else files.Replace(backup, backup + ".tmp", "");
    Files::Replacement out = files.BeginReplace(report, MachineFile(folder, kReportScratch));
    // A record the report gained since the preview (the same file imported meanwhile from another
    // window or tallywright-ctl) is not written a second time.
    std::unordered_set<std::string_view> pending;
    for (const std::string& line : plan.lines) pending.insert(std::string_view(line).substr(0, LineEndAt(line, 0)));
    std::string partial;  // a line read so far, which may go on in the next block
    const auto look = [&](std::string_view line) { pending.erase(line); };
    char last = '\n';
    if (exists) {
      // Every byte as it stands, so that each line keeps its offset (amendments name lines by it).
      Files::Reader reader = files.OpenRead(report);
      std::string block(1 << 20, '\0');
      while (const size_t n = reader.Read(block.data(), block.size())) {
        const std::string_view read(block.data(), n);
        out.Write(read);
        last = block[n - 1];
        for (size_t from = 0; from < n;) {
          const size_t end = LineEndAt(read, from);
          partial.append(read.substr(from, end - from));
          if (end == std::string_view::npos) break;
          look(partial);
          partial.clear();
          from = end + 1;
        }
      }
      look(partial);
    }
    if (last != '\n' && last != '\r') out.Write("\r\n");
    for (const std::string& line : plan.lines)
      if (pending.count(std::string_view(line).substr(0, LineEndAt(line, 0)))) out.Write(line), ++written;
    out.Commit();
    const std::string form = FormFileOf(report);
    if (!files.Exists(form)) files.Replace(form, form + ".tmp", FormText(reportForm.data()));
  }
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
  return written;
}

std::string PlanText(const ImportPlan& plan, const DateFormat& form, bool newProjects) {
  if (!plan.refusal.empty()) return "Nothing imported: " + plan.refusal + "\n";
  std::string text;
  const auto count = [](std::size_t n, const char* one, const char* many) {
    return std::to_string(n) + " " + (n == 1 ? one : many);
  };
  text += count(plan.read, "stretch read", "stretches read");
  if (plan.read > 0) text += ", from " + Moment(form, plan.first) + " to " + Moment(form, plan.last);
  text += "\n" + count(plan.lines.size(), "stretch to add", "stretches to add") + "\n";
  text += count(plan.duplicates, "duplicate skipped (already in the report)", "duplicates skipped (already in the report)") + "\n";
  text += count(plan.overlaps, "overlaps a stretch of the report", "overlap stretches of the report") + "\n";
  if (!plan.projects.empty()) {
    text += "Projects:\n";
    for (const std::string& p : plan.projects) {
      const bool fresh = std::binary_search(plan.newProjects.begin(), plan.newProjects.end(), p);
      text += "  " + p + (fresh ? newProjects ? "  (new: goes on the project list)" : "  (new, not on the project list)" : "") + "\n";
    }
  }
  for (const auto& [from, to] : plan.renamed) text += "Project \"" + from + "\" is written as \"" + to + "\" (a record's project holds no comma)\n";
  if (!plan.unreadable.empty()) {
    text += count(plan.unreadable.size(), "item could not be read:", "items could not be read:") + "\n";
    for (const Unreadable& u : plan.unreadable) text += "  " + u.place + ": " + u.reason + "\n";
  }
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
  json += ",\n  \"read\": " + std::to_string(plan.read) + ",\n  \"added\": " + std::to_string(plan.lines.size());
  json += ",\n  \"duplicates\": " + std::to_string(plan.duplicates) + ",\n  \"overlaps\": " + std::to_string(plan.overlaps);
  json += ",\n  \"from\": " + (plan.read ? JsonString(IsoDateTime(LocalOfInstant(plan.first))) : "null");
  json += ",\n  \"to\": " + (plan.read ? JsonString(IsoDateTime(LocalOfInstant(plan.last))) : "null");
  json += ",\n  \"projects\": " + list(plan.projects) + ",\n  \"newProjects\": " + list(plan.newProjects);
  json += ",\n  \"unreadable\": [";
  for (std::size_t i = 0; i < plan.unreadable.size(); ++i)
    json += std::string(i ? ", " : "") + "{\"place\": " + JsonString(plan.unreadable[i].place) +
            ", \"reason\": " + JsonString(plan.unreadable[i].reason) + "}";
  return json + "]\n}\n";
}

}  // namespace tw
