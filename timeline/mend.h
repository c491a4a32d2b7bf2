#pragma once
// Mending the record from the timeline: a stretch moved, one of its ends moved, a stretch added or
// deleted, the running stretch's start moved. Each is at most one write of the record store, the one
// the report window's Save and Delete make (ChangeRecord: a rewrite in a folder of one machine, an
// amendment in a shared one), or an appended record; before it, the record is read again and
// compared with the one the change started from, so a change made meanwhile (another window,
// tallywright-ctl, another machine's amendment) is never overwritten.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/files.h"
#include "state/main_view.h"
#include "store/data_folder.h"
#include "store/record_store.h"
#include "timeline/timeline.h"
#include "viewer/entry.h"
#include "platform/translate.h"

namespace tw {

// Where a mend reads and writes.
struct MendPlace {
  const Files* files = nullptr;
  DataFolder folder;
  const RecordStore* store = nullptr;
  RunningTracker* tracker = nullptr;  // none: no stretch runs
  std::int64_t unixNow = 0;
};

enum class MendOutcome {
  Written,   // the one write is made
  Confirm,   // nothing written: the change would overlap other stretches; ask, and call again confirmed
  Refused,   // nothing written, and why is in message
  Stale,     // nothing written: the stretch changed since it was shown; show the timeline again
  Failed,    // the write failed; message says why
};

struct MendResult {
  MendOutcome outcome = MendOutcome::Written;
  std::string message;
};

// What a write did, for a history that may undo it later: the store call made, and its arguments.
// A change names the record as it stood and its new text; an addition names the line appended.
struct StoreChange {
  enum Kind { Change, Append } kind = Change;
  RecordRef record;                        // Change: the record changed
  std::optional<std::string> replacement;  // Change: its new text; none: deleted
  std::string line;                        // Append: the record line added
};

inline constexpr const char* kEndBeforeStart = TW_TEXT("Timeline", "A stretch cannot end before it starts.");
inline constexpr const char* kRunningNotDeleted =
    TW_TEXT("Timeline", "The running stretch cannot be deleted while it runs. End it with EndProject first.");
inline constexpr const char* kRunningStartAfterNow = TW_TEXT("Timeline", "The running stretch cannot start after now.");
inline constexpr const char* kRunningEndsByEndProject =
    TW_TEXT("Timeline", "The running stretch ends when you press EndProject: only its start can be moved.");

// A block as the timeline drew it, given the times [start, end) (a move, or one edge dragged): a
// stored stretch by ChangeTimes, the running stretch by MoveRunningStart (its end stays now).
MendResult MoveBlock(const MendPlace& place, const Block& block, const DateTime& start, const DateTime& end,
                     bool overlapConfirmed, StoreChange* made = nullptr);
// A block deleted; never the running stretch.
MendResult DeleteBlock(const MendPlace& place, const Block& block, StoreChange* made = nullptr);

// The stretch `was` (as the timeline showed it) from start to end, its project and comment kept.
MendResult ChangeTimes(const MendPlace& place, const StoredStretch& was, const DateTime& start, const DateTime& end,
                       bool overlapConfirmed, StoreChange* made = nullptr);
// The stretch `was` as the entry editor's boxes say (in its report's form, checked as the editor
// checks them).
MendResult ChangeEntry(const MendPlace& place, const StoredStretch& was, const EntryTexts& entry,
                       bool overlapConfirmed, StoreChange* made = nullptr);
MendResult DeleteStretch(const MendPlace& place, const StoredStretch& was, StoreChange* made = nullptr);
// A new stretch, appended to this machine's report as EndProject appends one (its times in this
// machine's report's form).
MendResult AddStretch(const MendPlace& place, const EntryTexts& entry, bool overlapConfirmed,
                      StoreChange* made = nullptr);
// The running stretch `was` started at `start` instead, not after now.
MendResult MoveRunningStart(const MendPlace& place, const RunningStretchView& was, const DateTime& start,
                            bool overlapConfirmed);

// The running stretch as the main window's boxes hold it today: running while the start box holds
// a date-time and the end box is empty; its start moved by writing the start box (and saving the
// running stretch as a typed start is saved).
class BoxesTracker : public RunningTracker {
 public:
  explicit BoxesTracker(MainView& form) : form_(form) {}
  std::optional<RunningStretchView> Running() const override;
  bool MoveStart(const DateTime& start) override;

 private:
  MainView& form_;
};

}  // namespace tw
