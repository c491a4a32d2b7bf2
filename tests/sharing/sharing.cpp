#include "tests/sharing/sharing.h"

#include <sys/stat.h>

#include <filesystem>
#include <optional>
#include <set>
#include <tuple>

#include "platform/lines.h"
#include "platform/shared_folder.h"
#include "report/report_files.h"
#include "viewer/folder_report.h"

namespace tw::test {

void MakeShared(const std::string& folder, const std::string& sharedBy) {
  ShareFolder(Files(), folder, sharedBy);
}

std::uint64_t AppendLine(const std::string& folder, const std::string& device, const std::string& line) {
  const std::string path = JoinPath(folder, DeviceFileName(kReportFile, device));
  struct stat st {};
  const std::uint64_t at = ::stat(path.c_str(), &st) == 0 ? static_cast<std::uint64_t>(st.st_size) : 0;
  Files().Append(path, line + "\r\n");
  return at;
}

std::uint64_t Amend(const std::string& folder, const std::string& by, const std::string& of, std::uint64_t offset,
                    const std::string& record, const std::optional<std::string>& replacement,
                    const std::string& stamp) {
  return AppendLine(folder, by,
                    AmendmentLine({stamp, DeviceFileName(kReportFile, of), offset, record, replacement}));
}

FolderReports Reports(const std::string& folder, const DateFormat& format) {
  return ReadFolderReports(Files(), folder, format.data(), format);
}

std::vector<std::string> DayRows(const std::string& folder, const DateTime& day, const DateFormat& format) {
  std::vector<std::string> rows;
  DayReport report;
  if (FileMissing([&] { report = ReadFolderDayReport(Files(), Reports(folder, format), day); })) return rows;
  for (const DayRow& row : report.rows) {
    const RecordFields f = row.fields();
    rows.push_back((row.origin ? row.origin->device : "") + "|" + JoinRecord(f.project, f.start, f.end, f.comment) +
                   "|" + (row.origin ? row.origin->amendedOn : ""));
  }
  return rows;
}

FolderCheck CheckFolder(const FolderReports& reports, std::int64_t first, std::int64_t last) {
  const Files files;
  FolderCheck check;
  struct Made {
    Amendment amendment;
    std::string device;
    std::uint64_t position;
  };
  std::vector<Made> made;
  std::vector<std::pair<std::string, SourceLine>> records;
  for (const ReportSource& r : reports.reports) {
    Files::Reader reader = reports.Open(files, r);
    LineReader lines(reader);
    for (std::string_view line; lines.Next(line);) {
      if (auto a = ParseAmendment(line)) {
        made.push_back({*a, r.device, lines.offset()});
        ++check.amendments;
      } else if (SplitRecord(line)) {
        records.push_back({r.file, {lines.offset(), std::string(line)}});
      }
    }
  }
  // The rule the long way: the amended line by place, else by text; the latest by stamp, machine, place holds.
  const auto names = [&](const Made& m, const std::string& file, const SourceLine& line) {
    if (m.amendment.file != file || m.amendment.record != line.text) return false;
    if (m.amendment.offset == line.offset) return true;
    bool there = false, earlier = false;
    for (const auto& [f, other] : records) {
      if (f != file || other.text != line.text) continue;
      there = there || other.offset == m.amendment.offset;
      earlier = earlier || other.offset < line.offset;
    }
    return !there && !earlier;
  };
  std::multiset<std::pair<std::string, std::uint64_t>> shown;
  for (std::int64_t d = first; d <= last; ++d)
    for (const DayRow& row : ReadFolderDayReport(files, reports, DateTime{d, 0}).rows)
      shown.insert({row.origin->file, row.line.offset});
  check.records = records.size();
  check.shown = shown.size();
  for (const auto& [file, line] : records) {
    const Made* holding = nullptr;
    for (const Made& m : made)
      if (names(m, file, line) &&
          (!holding || std::tie(m.amendment.stamp, m.device, m.position) >
                           std::tie(holding->amendment.stamp, holding->device, holding->position)))
        holding = &m;
    const bool gone = holding && !holding->amendment.replacement;
    check.deleted += gone;
    if (shown.count({file, line.offset}) != (gone ? 0u : 1u))
      check.problems.push_back(file + " " + std::to_string(line.offset) + ": " + line.text);
  }
  if (check.shown != check.records - check.deleted) check.problems.push_back("rows not from a record");
  return check;
}

void TestSync::Run(int winner) {
  namespace fs = std::filesystem;
  const auto read = [](const std::string& path) -> std::optional<std::string> {
    std::string text;
    if (FileMissing([&] { text = Files().ReadAll(path); })) return std::nullopt;
    return text;
  };
  std::set<std::string> names;
  for (const std::string& side : sides_)
    for (const auto& entry : fs::directory_iterator(side))
      if (entry.is_regular_file()) names.insert(entry.path().filename().string());
  for (const auto& [name, content] : archive_) names.insert(name);
  for (const std::string& name : names) {
    const std::optional<std::string> v[2] = {read(JoinPath(sides_[0], name)), read(JoinPath(sides_[1], name))};
    const auto known = archive_.find(name);
    const std::optional<std::string> old = known == archive_.end() ? std::nullopt : std::optional(known->second);
    int from = -1;
    if (v[0] == v[1]) from = -1;
    else if (v[0] == old) from = 1;
    else if (v[1] == old) from = 0;
    else from = winner;
    if (from >= 0 && v[0] != v[1] && v[0] != old && v[1] != old && copies_ && v[1 - from]) {
      // The losing version stays, on both sides, as a copy named for the conflict.
      const std::string copy = name.substr(0, name.rfind('.')) + ".sync-conflict-20261207-21000" +
                               std::to_string(conflicts_++ % 10) + "-ABCDEFG" + name.substr(name.rfind('.'));
      for (const std::string& side : sides_) Files().Replace(JoinPath(side, copy), JoinPath(side, copy + ".tmp"), *v[1 - from]);
      archive_[copy] = *v[1 - from];
    }
    if (from >= 0) {
      const std::string target = JoinPath(sides_[1 - from], name);
      if (v[from]) Files().Replace(target, target + ".tmp", *v[from]);
      else FileMissing([&] { Files().Remove(target); });
    }
    const std::optional<std::string> now = from >= 0 ? v[from] : v[0];
    if (now) archive_[name] = *now;
    else archive_.erase(name);
  }
}

}  // namespace tw::test
