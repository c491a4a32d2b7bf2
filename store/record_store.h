#pragma once
// The record store: the report files of one data folder (one machine's, or every machine's of a
// shared folder) behind one query and one set of writes. Readers never parse amendments
// themselves and writers never open a report themselves.
//
// A record's identity is its report and its text, as it was recorded: an amendment names a record
// so, and keeps naming it wherever its line moves (a conflict copy merged, a restore, an import).
// Where one report holds the same text more than once (a stretch recorded twice), the amendment
// names the one whose line starts where it says, or, when none starts there any more, the first.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "dates/date_format.h"
#include "dates/period.h"
#include "platform/files.h"
#include "platform/lines.h"
#include "report/record.h"
#include "store/data_folder.h"
#include "store/folder_reports.h"

namespace tw {

// Which record: its report's name in the folder, its text as recorded, and which of the report's
// lines with that text it is (0 for the first).
struct RecordId {
  std::string file;
  std::string text;
  std::uint32_t occurrence = 0;

  // Eight letters and digits, the same on every machine and in every run: the day the record
  // started on (as its text says) and a hash of the rest. Empty when its start is no date-time.
  std::string Short(const DateFormat& format) const;
  // The same for a record whose start is known to be on `day`.
  std::string Short(std::int64_t day) const;
  friend bool operator==(const RecordId&, const RecordId&) = default;
};

// A stretch as the store shows it: the record, and the amendment that holds for it, if any.
struct StoredStretch {
  RecordId id;
  std::uint64_t offset = 0;   // where the record's line starts in its report now
  std::string shown;          // the text shown: the amendment's replacement, else the record
  std::string device;         // the machine that recorded it, in a shared folder
  std::string amendedOn;      // the machine whose amendment is shown, if any
  std::shared_ptr<const DateFormat> format;  // its report's form
  DateTime start;
  std::optional<DateTime> end;
  std::optional<std::int64_t> seconds;  // real length; none when the end is no date-time

  RecordFields fields() const { return *SplitRecord(shown); }
  // Its record's short id: the record's own start is the one shown unless an amendment holds.
  std::string ShortId() const { return shown == id.text ? id.Short(start.day) : id.Short(*format); }
};

// A stretch met by Visit, valid during the call.
struct StretchView {
  RecordFields fields;
  DateTime start;
  std::optional<DateTime> end;
  std::optional<std::int64_t> seconds;
  const ReportSource* source = nullptr;
  std::uint64_t offset = 0;
};

struct StretchVisitor {
  // Each stretch of the period as its report holds it, as the reports are read.
  std::function<void(const StretchView&)> found;
  // After every report is read: a stretch `found` gave that an amendment edits or deletes, taken
  // back; its replacement, when it is in the period, then comes through `found`.
  std::function<void(const StretchView&)> takenBack;
};

// A record as a writer names it: where it was read (its report's name and where its line started)
// and its text then.
struct RecordRef {
  std::string file;
  std::uint64_t offset = 0;
  std::string text;   // the record as recorded
  std::string shown;  // what it showed when read (an amendment's replacement), if not its text
  const std::string& Shown() const { return shown.empty() ? text : shown; }
};
inline RecordRef RefOf(const StoredStretch& s) {
  return {s.id.file, s.offset, s.id.text, s.shown == s.id.text ? "" : s.shown};
}

class RecordStore {
 public:
  // The store of a folder's reports, each in its own date form (store/folder_reports.h).
  RecordStore(const Files& files, FolderReports reports);
  // The program's data folder, this machine's report in the report's form.
  static RecordStore OfProgram();

  const FolderReports& reports() const { return reports_; }

  // The stretches that started on the days of period, every machine's, edits applied, in the
  // order they started (then by machine, report and place). RunError 53 when the folder holds no
  // report.
  std::vector<StoredStretch> Stretches(const Period& period) const;
  // The same stretches without holding them, for totals over any period: see StretchVisitor. The
  // result is the number of lines that are neither records nor amendments (empty ones aside).
  std::int64_t Visit(const Period& period, const StretchVisitor& visitor) const;
  // The stretch whose short id (or a prefix of it of four characters at least) is `id`, as shown
  // now; nothing when none is, or more than one.
  std::optional<StoredStretch> Find(std::string_view id) const;

  // A record as it stands now: where its line is, and what it shows (nothing when an amendment
  // deleted it). Nothing at all when its report no longer holds it.
  struct Now {
    std::uint64_t offset = 0;
    std::optional<std::string> shown;
  };
  std::optional<Now> Current(const RecordRef& record) const;

 private:
  const Files* files_;
  FolderReports reports_;
};

// The stretches of `around` that [from, to) would overlap, `except` aside: those sharing more than a
// moment with it (one ending where the other starts does not), a stretch whose end is no date-time
// counted at its start. The one rule of every change that asks before it overlaps.
std::vector<const StoredStretch*> Overlapping(const std::vector<StoredStretch>& around, std::int64_t from,
                                              std::int64_t to, const RecordId* except = nullptr);

// --- writes ---------------------------------------------------------------------------------

// Appends a record line (without its line end) to this machine's report: the whole line in one
// write, flushed, under the folder's lock; the folder is flushed too when the report is new. The
// result names the record as appended, for a later ChangeRecord.
RecordRef AppendRecordLine(const Files& files, const DataFolder& folder, std::string_view line);

// Changes a record to `replacement` (a record line without its line end) or, without one, deletes
// it, made at unixNow. In a folder of one machine the report is rewritten (scratch file, flush,
// rename, its mode kept); in a shared folder an amendment is appended to this machine's report,
// whichever machine's the record is. False, with nothing written, when the record is no longer
// in its report as it was read.
bool ChangeRecord(const Files& files, const DataFolder& folder, const RecordRef& record,
                  const std::optional<std::string>& replacement, std::int64_t unixNow);

// Rewrites the report of a folder of one machine with one line changed or taken out
// (RewriteReportLine, report/rewrite.h), the program's index of days told where.
bool RewriteRecordLine(const Files& files, const DataFolder& folder, const SourceLine& line,
                       const std::optional<std::string>& replacement);

}  // namespace tw
