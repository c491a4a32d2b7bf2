#pragma once
// The history of changes to this machine's record: every edit, deletion and added stretch, every
// import, Clear Report, Restore Report and merged conflict copy is one step, kept in this machine's
// own file "projrpt.hst" (in a shared folder "projrpt.<machine>.hst"), so that any of them can be
// undone and redone, after a restart too. A stretch recorded by Start and End is no step: the
// history costs an ordinary record nothing.
//
// The file is a first line naming it, then one line per step, undo or redo, appended whole and
// flushed under the folder's lock as a record is:
//
//   step<TAB>12<TAB>2026-12-08T10:00:00Z<TAB>window<TAB>edit<TAB><fields of the step>
//   undo<TAB>12<TAB>2026-12-08T10:05:00Z<TAB>command line[<TAB><file put aside>]
//   redo<TAB>12<TAB>2026-12-08T10:06:00Z<TAB>window
//
// Fields are escaped as amendments escape records (%2C, %09, %0D, %0A, %25). The bytes a step
// puts aside (the report Clear Report removed or Restore Report replaced, the records an undone
// import took out) are kept in files of their own beside it, "projrpt.12.hsb" ("projrpt.<machine>.12.hsb").
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/files.h"
#include "store/data_folder.h"

namespace tw {

inline constexpr const char* kHistoryFile = "projrpt.hst";
// The setting: how many days of steps the history keeps (0: all of them).
inline constexpr const char* kHistoryDaysKey = "HistoryDays";
inline constexpr int kHistoryDaysDefault = 400;

enum class StepKind { Edit, Delete, Add, Import, Clear, Restore, Merge };

struct HistoryStep {
  std::uint64_t number = 0;  // in this machine's history, from 1
  std::string stamp;         // when it was made, UTC
  std::string origin;        // "window", "command line", "D-Bus"
  StepKind kind = StepKind::Edit;
  // An edit, deletion or added stretch: the record by its identity (its report, its text as
  // recorded, where its line started), and what it showed before and after the step (empty: none).
  std::string file, record;
  std::uint64_t offset = 0;
  std::string before, after;
  // An import or merge: the bytes the step put at `at` in this machine's report (their length and
  // a hash to know them again); Clear and Restore: the report's bytes put aside in `aside` and,
  // for Restore, those put in their place in `put`.
  std::uint64_t at = 0, size = 0;
  std::string hash, aside, put;
  std::uint64_t made = 0;   // 1 where the step made this machine's report (an import into none)
  std::uint64_t group = 0;  // the first step of the change this one is part of (a split), or 0
  std::string what;  // for a person: "the edit of Website redesign 12/7/2026 9:03:35 AM"

  friend bool operator==(const HistoryStep&, const HistoryStep&) = default;
};

// What the history file holds: the steps in order, with what is undone.
struct HistoryState {
  std::vector<HistoryStep> steps;
  std::vector<std::uint64_t> done;    // the steps in effect, oldest first: the last is undone next
  std::vector<std::uint64_t> undone;  // undone, the last undone last: it is redone next
  std::vector<std::pair<std::uint64_t, std::string>> asideByUndo;  // an undo's bytes put aside, by step
  std::uint64_t next = 1;             // the number of the next step
  const HistoryStep* Step(std::uint64_t number) const;
  std::string AsideOfUndo(std::uint64_t number) const;
};

// The step's line in the file, without its line end, and reading the file's text back; lines that
// cannot be read (cut short by a crash, made by hand) are passed over.
std::string StepLine(const HistoryStep& step);
HistoryState ParseHistory(std::string_view text);

// The history of a data folder's machine.
class History {
 public:
  History(const Files& files, DataFolder folder);
  HistoryState Read() const;
  // Appends a step, numbered next; the caller holds the folder's lock.
  HistoryStep Add(HistoryStep step) const;
  void Mark(bool undo, std::uint64_t number, const std::string& stamp, const std::string& origin,
            const std::string& aside = "") const;
  // Where a step's bytes are put aside.
  std::string AsidePath(const std::string& name) const;
  std::string NewAsideName(std::uint64_t number, std::string_view what) const;
  // Leaves out the steps older than `days` days before unixNow (0: none), with their files.
  void Prune(std::int64_t unixNow, int days) const;

 private:
  const Files* files_;
  DataFolder folder_;
};

}  // namespace tw
