#pragma once
// The changes a person makes to the record, each one step of the history (store/history.h) that can
// be undone and redone: an entry edited or deleted, a stretch added, an import, Clear Report,
// Restore Report, a conflict copy merged. Every window, the command line and D-Bus change the
// record through here, so that nothing is final.
//
// In a folder of one machine a change rewrites the report (scratch, flush, rename, the mode kept);
// in a shared folder an edit, a deletion and their undoing are amendments in this machine's report,
// so another machine's file is never written and every machine comes to show the same.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/files.h"
#include "store/data_folder.h"
#include "store/history.h"
#include "store/record_store.h"

namespace tw {

// Where a change comes from, as the history notes it.
inline constexpr const char* kFromWindow = "window";
inline constexpr const char* kFromCommandLine = "command line";
inline constexpr const char* kFromDBus = "D-Bus";

class Changes {
 public:
  Changes(const Files& files, DataFolder folder, std::string origin, std::int64_t unixNow);

  // The changes made through this object from now on are one step to Undo and Redo (a split: an
  // edit and an added stretch).
  void AsOneStep() { together_ = true; }
  // The next step is described so ("the split of Website redesign 12/7/2026 9:03:35 AM").
  void Describe(std::string what) { what_ = std::move(what); }

  // An entry edited (to `replacement`, a record line) or deleted. False, with nothing written, when
  // the record is no longer as it was read.
  bool Change(const RecordRef& record, const std::optional<std::string>& replacement);
  // A stretch added that Start and End did not record: appended to this machine's report.
  void Add(std::string_view line);
  // Clear Report: this machine's report put aside (it can be brought back). False: there is none.
  bool Clear();
  // Restore Report: the backup in the report's place, the report put aside. False: no backup.
  bool Restore();
  // An import or a merge appended `size` bytes at `at` to this machine's report (under the lock
  // the caller holds), `made` when there was no report before: one step.
  void Appended(StepKind kind, std::uint64_t at, std::uint64_t size, std::string what, bool made);

  struct Outcome {
    bool done = false;
    std::string what;     // "the edit of Website redesign 12/7/2026 9:03:35 AM"
    std::string refusal;  // why it could not be done
  };
  // Undoes the last step in effect, or redoes the last undone. dryRun: only says what it would do.
  Outcome Undo(bool dryRun = false);
  Outcome Redo(bool dryRun = false);
  // What Undo and Redo would do now, for the Edit menus; empty when nothing.
  std::string NextUndo() const;
  std::string NextRedo() const;
  HistoryState State() const { return history_.Read(); }

 private:
  HistoryStep Record(HistoryStep step);
  Outcome Take(bool undo, bool dryRun);
  // Puts a step's change back (undo) or makes it again (redo); why not, when it cannot.
  std::string Apply(const HistoryStep& step, bool undo, std::string& aside);

  const Files* files_;
  DataFolder folder_;
  std::string origin_;
  std::int64_t now_;
  History history_;
  bool together_ = false;
  std::string what_;
  std::uint64_t group_ = 0;
};

// Leaves out of this machine's history in the program's data folder the steps older than the
// setting HistoryDays (a whole number of days, 0 keeping all); nothing happens when it cannot.
void PruneHistory();

// A person's words for a record: its project and start ("Website redesign 12/7/2026 9:03:35 AM").
std::string RecordWords(std::string_view record);
// A step's description (HistoryStep::what) in the person's language. The history keeps it in
// English, as every copy of the program reads it; the forms the program writes are put in words here.
std::string StepWords(std::string_view what);
// Where a step came from, as the history keeps it (kFromWindow...), in the person's language.
std::string OriginWords(std::string_view origin);
// A hash of bytes that tells them again, in hexadecimal.
std::string BytesHash(std::string_view bytes);

}  // namespace tw
