#pragma once
// What the running program remembers of each report it reads by days: for every day, where the
// lines of the records that started on it lie (and where the amendments lie), so that a day's or a
// week's stretches cost a read of those lines instead of a look through the whole report. An index
// is made once, away from the window, follows the lines appended since (the program's own records,
// the command's), and is made again when the report was replaced or changed in place. The commands
// read a report once and keep none.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "dates/date_format.h"
#include "dates/period.h"
#include "platform/files.h"

namespace tw {

enum class IndexMaking {
  kInTheBackground,  // the program: a report is read as before until its index is made
  kAtOnce,           // the tests: an index is made when a report is first read by days
};
// From now on, this process keeps an index of every report it reads by days.
void KeepDayIndexes(IndexMaking making = IndexMaking::kInTheBackground);
// Until the indexes asked for are made.
void WaitForDayIndexes();

// This process is about to rewrite the report at `path`, under the folder's lock: the index takes
// up what changed since it last looked, so that NoteRewritten follows the rewrite from there.
void BeforeRewrite(const std::string& path);
// This process has just rewritten the report at `path`, every line as it was but for one taken
// out at `at` (`removed` bytes with its line end) or put in there, or both (the line changed): the
// index follows where the report was written the program's way before, else is made again.
struct LineChange {
  std::uint64_t at = 0;
  std::uint64_t removed = 0;
  std::optional<std::string> put;  // without its line end
};
void NoteRewritten(const std::string& path, const LineChange& change);

// Calls on(line, offset) for every line of the reader's report (not yet read from) that may be a
// record with a start on a day of `days` in `format`, and for every amendment line, in file order,
// and is true; or is false, with nothing read, where no index of the report is kept or made yet
// (the caller then looks for the days' patterns). The lines given are a superset: a caller decides
// what each one is, as it does with the patterns' lines.
bool ForEachIndexedLine(Files::Reader& reader, const Period& days, const DateFormat& format,
                        const std::function<void(std::string_view line, std::uint64_t offset)>& on);

}  // namespace tw
