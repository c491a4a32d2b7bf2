#pragma once
// Shared data folders for tests: the marker, each machine's own report, and what the readers show.
#include <string>
#include <vector>

#include "report/amendment.h"
#include "store/folder_reports.h"
#include "tests/support/fakes.h"

namespace tw::test {

// Makes folder shared by `sharedBy`.
void MakeShared(const std::string& folder, const std::string& sharedBy);
// Appends a line and its CR LF to the report of `device` in folder; gives where it starts.
std::uint64_t AppendLine(const std::string& folder, const std::string& device, const std::string& line);
// An amendment of the line at `offset` of device `of`'s report, made on device `by` at stamp.
std::uint64_t Amend(const std::string& folder, const std::string& by, const std::string& of, std::uint64_t offset,
                    const std::string& record, const std::optional<std::string>& replacement,
                    const std::string& stamp = "2026-12-07T21:00:00Z");
// The folder's reports, each in the given form.
FolderReports Reports(const std::string& folder, const DateFormat& format);
// The rows of a day as the report window lists them: "device|project,start,end,comment|amended on".
std::vector<std::string> DayRows(const std::string& folder, const DateTime& day, const DateFormat& format);

// Every record of a folder's reports against the rows its day reports show on the days
// first..last: each present once, unless an amendment that holds deleted it.
struct FolderCheck {
  std::size_t records = 0, shown = 0, deleted = 0, amendments = 0;
  std::vector<std::string> problems;
};
FolderCheck CheckFolder(const FolderReports& reports, std::int64_t first, std::int64_t last);

}  // namespace tw::test
