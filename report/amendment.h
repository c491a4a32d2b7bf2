#pragma once
// Amendments: how a machine edits or deletes a record of a report that it does not write. In a
// folder shared by several machines the editing machine writes nothing into the other machine's
// file: it appends to its own report a line that names the record exactly (the report file that
// holds it, where its line starts there, and the whole line) and holds its replacement, or says it
// is deleted. Every reader applies the amendments, so every machine shows the same report once the
// files have synced, whatever order they came in. Which amendment holds for a record is decided in
// one place, the record store (store/record_store.h).
//
// The line holds no comma, so a reader that knows nothing of amendments takes it for a line that
// is no record and skips it:
//
//   Tallywright amendment<TAB>2026-12-07T21:01:23Z<TAB>projrpt.desk.pro<TAB>1234<TAB>edit<TAB><record><TAB><replacement>
//   Tallywright amendment<TAB>2026-12-07T21:05:00Z<TAB>projrpt.pro<TAB>0<TAB>delete<TAB><record>
//
// In the two records a comma is written %2C, a tab %09 and a percent sign %25. The replacement is in
// the date form of the amended record's report, as the record was.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "platform/files.h"

namespace tw {

struct Amendment {
  std::string stamp;       // when it was made (UtcStamp, platform/shared_folder.h)
  std::string file;        // the report that holds the amended record, by its name in the folder
  std::uint64_t offset = 0;  // where the record's line starts there
  std::string record;      // that line, without its line end
  std::optional<std::string> replacement;  // nothing when the record is deleted

  bool operator==(const Amendment&) const = default;
};

// An amendment's line met by a scan of a report, with where it starts there.
using AmendmentSink = std::function<void(std::string_view line, std::uint64_t offset)>;

// The line, without its line end.
std::string AmendmentLine(const Amendment& amendment);
// Whether a line of a report is an amendment's (well formed or not): it starts as one and holds
// no comma, as no record does.
bool IsAmendmentLine(std::string_view line);
// The amendment a line holds; nothing for a line that is not a whole, well-formed one.
std::optional<Amendment> ParseAmendment(std::string_view line);

// Appends the amendment's line to the report at path, as a record is appended: the whole line in
// one write, flushed, under the folder's lock.
void AppendAmendment(const Files& files, const std::string& path, const Amendment& amendment);

// Whether the report at path holds the line `text` at `offset`, whole: a line of its own, ended
// (by CR LF, LF or CR).
bool HoldsLine(const Files& files, const std::string& path, std::uint64_t offset, std::string_view text);

}  // namespace tw
