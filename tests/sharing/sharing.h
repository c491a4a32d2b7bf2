#pragma once
// Shared data folders for tests: the marker, each machine's own report, and what the readers show.
#include <map>
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

// Every record against the rows the day reports show on days first..last: once each, unless deleted.
struct FolderCheck {
  std::size_t records = 0, shown = 0, deleted = 0, amendments = 0;
  std::vector<std::string> problems;
};
FolderCheck CheckFolder(const FolderReports& reports, std::int64_t first, std::int64_t last);

// A file-by-file sync between two copies; a file changed on both sides keeps side `winner`'s, or a conflict copy.
class TestSync {
 public:
  TestSync(std::string a, std::string b, bool keepsCopies) : sides_{std::move(a), std::move(b)}, copies_(keepsCopies) {}
  void Run(int winner = 0);

 private:
  std::string sides_[2];
  bool copies_;
  std::map<std::string, std::string> archive_;  // each file's content as both sides had it at the last run
  int conflicts_ = 0;
};

}  // namespace tw::test
