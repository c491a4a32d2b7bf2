#pragma once
// Writing an import: what it would add to the report (the preview), and adding it in one step.
// Records are written in the report's own date form, in local time, with project names and
// comments made fit for a record (import/fit.h); a stretch the report already holds (or the import held before) is skipped, so an
// import of the same file twice adds nothing. The records go after the last line of this machine's
// report, every earlier byte kept where it was, through one safe replace under the folder's lock;
// the report as it stood before is kept as "projrpt.imp" until the next import.
// The file is read as it is judged and written, stretch by stretch: what stays in memory is a
// compact key of each stretch (for the duplicates), counters and the names of the projects.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "dates/date_format.h"
#include "import/readers.h"
#include "platform/files.h"

namespace tw {

inline constexpr const char* kImportBackupFile = "projrpt.imp";
// The unreadable items a plan lists; the rest are only counted.
inline constexpr std::size_t kListedUnreadable = 1000;

// The stretches a report holds, as the duplicate and overlap rules see them: 16 bytes a stretch,
// its project by number, so that a report of a million records takes 16 MiB.
class HeldStretches {
 public:
  HeldStretches();
  ~HeldStretches();
  HeldStretches(HeldStretches&&) noexcept;
  HeldStretches& operator=(HeldStretches&&) noexcept;

  void Add(const std::string& project, const DateTime& start, const DateTime& end);
  // One stretch added before that an edit or a deletion took back.
  void Remove(const std::string& project, const DateTime& start, const DateTime& end);

 private:
  friend class ImportPlanner;
  friend HeldStretches ReadHeldStretches(const Files&, const std::string&, const DateFormat&, const LocaleData&,
                                         std::int64_t, std::int64_t);
  struct Index;
  std::unique_ptr<Index> index_;
};

// The stretches a data folder's reports hold (every machine's in a shared folder, with their
// edits) that start from `first` to `last` or the week before (one that may overlap them); none
// when it has no report.
HeldStretches ReadHeldStretches(const Files& files, const std::string& folder, const DateFormat& ownForm,
                                const LocaleData& user, std::int64_t first, std::int64_t last);

struct ImportPlan {
  std::size_t read = 0;        // stretches read from the file
  std::size_t added = 0;       // of them, records to write (written, once written), in the file's order
  std::size_t duplicates = 0;  // of them, already in the report or earlier in the file
  std::size_t overlaps = 0;    // of those added, how many overlap a stretch of the report
  std::int64_t first = 0, last = 0;  // the period the stretches read cover (start of the first, end of the last)
  std::vector<std::string> projects;     // the names written, sorted
  std::vector<std::string> newProjects;  // of them, those not on the project list
  struct Renamed {
    std::string from, to, why;  // `from` ends in "..." where it is cut short
  };
  std::vector<Renamed> renamed;        // names changed to fit a record
  std::vector<Unreadable> unreadable;  // the first kListedUnreadable
  std::size_t unreadableCount = 0;     // all of them
  std::vector<ImportNote> notes;       // the first kListedUnreadable: repeating events, comments cut
  std::size_t noteCount = 0;
  std::string refusal;  // the file is not of its format: nothing is written
  // Stretches that start outside the period whose report stretches were looked at: the file
  // changed since its period was learnt, and the plan must be made again.
  std::size_t unjudged = 0;
};

// Receives each record to write, with its CR LF; answers false for one the report already holds.
using RecordSink = std::function<bool(std::string_view record)>;
// Told the share done, 0 to 1; answers false to stop (the plan is then refused with "cancelled").
using ImportProgress = std::function<bool(double)>;

// The plan for what source holds, against the stretches the report holds and the project list,
// in one reading of it: every stretch read, judged and (to `record`) written before the next.
ImportPlan PlanImport(const ImportSource& source, HeldStretches held, const std::vector<std::string>& projectList,
                      const DateFormat& reportForm, const RecordSink& record = {}, const ImportProgress& progress = {});

// What an import of source into the folder's report would do: the preview; nothing is written.
ImportPlan PlanImportInto(const Files& files, const std::string& folder, const ImportSource& source,
                           const DateFormat& reportForm, const LocaleData& user, const ImportProgress& progress = {});

// Reads source again and appends what it adds to this machine's report in folder, all or none, as
// one step of the history (store/changes.h) made from `origin`,
// judged against the report as it stands under the folder's lock; when `newProjects`, the new names
// go on the project list. Answers the plan of what was written. RunError when it fails; the
// report is then as it was. The report's form is kept beside it when it has none yet.
// `period`, the first start and last moment its preview found, spares the write a reading of the
// file to learn it again.
struct ImportPeriod {
  std::int64_t first, last;
};
ImportPlan WriteImport(const Files& files, const std::string& folder, const ImportSource& source,
                       const DateFormat& reportForm, const LocaleData& user, bool newProjects, std::int64_t unixNow,
                       std::optional<ImportPeriod> period = std::nullopt, const std::string& origin = "window");

// The names of the folder's project list.
std::vector<std::string> ProjectListNames(const Files& files, const std::string& folder);

// The preview as text, line by line (what a file names printed with its control characters
// escaped), and as a JSON object.
std::string PlanText(const ImportPlan& plan, const DateFormat& form, bool newProjects);
std::string PlanJson(const ImportPlan& plan, bool written);

}  // namespace tw
