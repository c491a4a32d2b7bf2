#include "viewer/folder_report.h"

#include <algorithm>
#include <map>
#include <set>
#include <tuple>

#include "platform/platform.h"
#include "platform/shared_folder.h"
#include "report/amendment.h"
#include "report/report_files.h"

namespace tw {
namespace {

struct FoundRow {
  DayRow row;
  std::size_t source;
};

// What one look at a day finds in every report: its rows, and the amendments that name a record
// or a replacement on that day.
struct DayLook {
  std::vector<FoundRow> rows;
  Amendments amendments;
};

DayLook LookAt(const Files& files, const FolderReports& folder, std::int64_t day) {
  // Every report is searched for the numbers of the day as any of the forms writes them: an
  // amendment in one report names a record of another, in that one's form.
  std::vector<DayPattern> patterns;
  bool everyLine = false;
  for (const ReportSource& r : folder.reports) {
    const std::vector<DayPattern> own = DayPatterns(*r.format, CivilFromDay(day));
    everyLine = everyLine || own.empty();
    for (const DayPattern& p : own)
      if (std::none_of(patterns.begin(), patterns.end(), [&](const DayPattern& q) { return q.text == p.text; }))
        patterns.push_back(p);
  }
  if (everyLine) patterns.clear();

  DayLook look;
  bool any = false;
  for (std::size_t i = 0; i < folder.reports.size(); ++i) {
    const ReportSource& r = folder.reports[i];
    DayReport part;
    // A report gone since the folder was listed has nothing to show.
    if (FileMissing([&] {
          Files::Reader reader = folder.Open(files, r);
          part = ScanDayReport(reader, DateTime{day, 0}, *r.format, patterns,
                               [&](std::string_view line, std::uint64_t offset) {
                                 if (auto a = ParseAmendment(line)) look.amendments.Add(std::move(*a), r.device, offset);
                               });
        }))
      continue;
    any = true;
    for (DayRow& row : part.rows) look.rows.push_back({std::move(row), i});
  }
  if (!any) throw RunError(kErrFileNotFound, "There is no report in " + folder.reports.front().path);
  return look;
}

// The record of a report, or its amendment's replacement, as a row of `day`: nothing when it is
// not on that day.
std::optional<DayRow> RowOf(const FolderReports& folder, std::size_t source, const SourceLine& line,
                            const Amendments::Found* amended, std::int64_t day) {
  const ReportSource& r = folder.reports[source];
  std::optional<DayRow> row = DayRowOf(amended ? *amended->amendment.replacement : line.text, day, *r.format);
  if (!row) return std::nullopt;
  row->origin = RowOrigin{r.file, r.device, r.format, amended ? amended->device : "",
                          amended ? std::move(row->line.text) : ""};
  row->line = line;
  return row;
}

}  // namespace

DayReport ReadFolderDayReport(const Files& files, const FolderReports& folder, const DateTime& day) {
  if (!folder.shared) {
    const ReportSource& r = folder.reports.front();
    return ReadDayReport(files, r.path, day, *r.format);
  }
  if (folder.reports.empty()) throw RunError(kErrFileNotFound, "There is no report in the shared folder");
  DayLook look = LookAt(files, folder, day.day);
  auto sourceOf = [&](const std::string& file) -> std::optional<std::size_t> {
    for (std::size_t i = 0; i < folder.reports.size(); ++i)
      if (folder.reports[i].file == file) return i;
    return std::nullopt;
  };

  // A record of another day amended onto this one: every amendment of it names its start, so a
  // look at its own day finds them all, and the record itself.
  std::map<std::int64_t, DayLook> others;
  for (const auto& [place, text] : look.amendments.Places()) {
    const auto source = sourceOf(place.first);
    const auto fields = SplitRecord(text);
    if (!source || !fields) continue;
    const auto start = folder.reports[*source].format->Parse(fields->start);
    if (start && start->day != day.day && !others.count(start->day)) others.emplace(start->day, LookAt(files, folder, start->day));
  }

  DayReport report;
  report.machines = folder.Machines();
  auto take = [&](const FoundRow& found, const Amendments& amendments, bool onThisDay) {
    const SourceLine& line = found.row.line;
    const Amendments::Found* amended = amendments.For(folder.reports[found.source].file, line.offset, line.text);
    if (!amended && !onThisDay) return;
    if (amended && !amended->amendment.replacement) return;  // deleted
    if (auto row = RowOf(folder, found.source, line, amended, day.day)) report.rows.push_back(std::move(*row));
  };
  for (const FoundRow& found : look.rows) take(found, look.amendments, true);
  for (const auto& [otherDay, other] : others)
    for (const FoundRow& found : other.rows) take(found, other.amendments, false);

  // Several machines' stretches of one day, in the order they started.
  auto key = [&](const DayRow& row) {
    const auto start = row.origin->format->Parse(row.fields().start);
    return std::make_tuple(start ? start->seconds : 0, row.origin->device, row.origin->file, row.line.offset);
  };
  std::vector<std::pair<decltype(key(report.rows.front())), std::size_t>> order;
  for (std::size_t i = 0; i < report.rows.size(); ++i) order.emplace_back(key(report.rows[i]), i);
  std::sort(order.begin(), order.end());
  std::vector<DayRow> sorted;
  sorted.reserve(order.size());
  for (const auto& [k, i] : order) {
    if (report.rows[i].seconds) report.totalSeconds += *report.rows[i].seconds;
    sorted.push_back(std::move(report.rows[i]));
  }
  report.rows = std::move(sorted);
  return report;
}

DayReport ReadDataDayReport(const DateTime& day) {
  return ReadFolderDayReport(*platform().files, DataFolderReports(), day);
}

void AmendRow(const Files& files, const std::string& folder, const DayRow& row,
              const std::optional<std::string>& replacement, std::int64_t unixNow) {
  // An amendment names the record as it stands in its report, even when it shows an earlier one.
  AppendAmendment(files, MachineFile(folder, kReportFile),
                  Amendment{UtcStamp(unixNow), row.origin->file, row.line.offset, row.line.text, replacement});
}

}  // namespace tw
