#pragma once
// Writing an import: what it would add to the report (the preview), and adding it in one step.
// Records are written in the report's own date form, in local time, with project names made fit
// for a record; a stretch the report already holds (or the import held before) is skipped, so an
// import of the same file twice adds nothing. The records go after the last line of this machine's
// report, every earlier byte kept where it was, through one safe replace under the folder's lock;
// the report as it stood before is kept as "projrpt.imp" until the next import.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "dates/date_format.h"
#include "import/readers.h"
#include "platform/files.h"

namespace tw {

inline constexpr const char* kImportBackupFile = "projrpt.imp";

// A stretch the report holds, as it reads back.
struct HeldStretch {
  std::string project;
  DateTime start;
  DateTime end;
};

struct ImportPlan {
  std::vector<std::string> lines;  // the records to write, with their CR LF, in order of start
  std::size_t read = 0;            // stretches read from the file
  std::size_t duplicates = 0;      // of them, already in the report or earlier in the file
  std::size_t overlaps = 0;        // of those written, how many overlap a stretch of the report
  std::int64_t first = 0, last = 0;  // the period the stretches read cover (start of the first, end of the last)
  std::vector<std::string> projects;     // the names written, sorted
  std::vector<std::string> newProjects;  // of them, those not on the project list
  std::vector<std::pair<std::string, std::string>> renamed;  // names changed to fit a record
  std::vector<Unreadable> unreadable;
  std::string refusal;  // the file is not of its format: nothing is written
};

// The plan for what was read, against the stretches the report holds and the project list.
// `progress` (when given) is told the share done, 0 to 1, and may answer false to stop: the plan
// is then refused with "cancelled".
ImportPlan PlanImport(ImportRead read, std::vector<HeldStretch> held, const std::vector<std::string>& projectList,
                      const DateFormat& reportForm, const std::function<bool(double)>& progress = {});

// The stretches a data folder's reports hold (every machine's in a shared folder, with their
// edits) that start on the days of the stretches read, or the week before them (one that may
// overlap them); none when it has no report.
std::vector<HeldStretch> HeldStretches(const Files& files, const std::string& folder, const DateFormat& ownForm,
                                       const LocaleData& user, const ImportRead& read);
// The names of the folder's project list.
std::vector<std::string> ProjectListNames(const Files& files, const std::string& folder);

// Appends the plan's records to this machine's report in folder, all or none (those the report
// gained since the plan was made left out), returns how many it wrote, and when
// `newProjects` adds the plan's new names to the project list. RunError when it fails; the report
// is then as it was.
// The report's form is kept beside it when it has none yet.
std::size_t WriteImport(const Files& files, const std::string& folder, const ImportPlan& plan, const DateFormat& reportForm,
                 bool newProjects, std::int64_t unixNow);

// The preview as text, line by line, and as a JSON object.
std::string PlanText(const ImportPlan& plan, const DateFormat& form, bool newProjects);
std::string PlanJson(const ImportPlan& plan, bool written);

}  // namespace tw
