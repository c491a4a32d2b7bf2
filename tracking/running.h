#pragma once
// The running stretch kept on disk, in "projrpt.run" beside the report, so that no way of ending the
// program loses it: a signal, a logout, a lost display, a crash, a power cut. While a stretch runs
// the file holds its project, start and comment as its record would carry them, and the moment the
// program last saw it running (refreshed about once a minute). The next start offers a stretch it
// finds there back to the user.
#include <chrono>
#include <functional>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "state/main_view.h"
#include "tracking/write_record.h"
#include "platform/translate.h"

namespace tw {

inline constexpr const char* kRunningFile = "projrpt.run";
inline constexpr const char* kRunningScratch = "projrpt.run.tmp";
// The status bar of a copy that does not own its data folder.
inline constexpr const char* kAnotherCopyTracking = TW_TEXT("Status", "Another copy is tracking in this folder");

struct RunningStretch {
  std::string project, start, comment;  // as the record carries them
  std::string lastSeen;                 // date-time text
  // While the stretch's record is being appended: that record's line (without its line end). A
  // report whose recent lines hold this line already holds the stretch.
  std::string record;
  // "1" when the stretch was started with no window to keep it (tallywright-ctl with no program
  // running): the next start of the window takes it over as running, without a question.
  std::string unattended;

  bool operator==(const RunningStretch&) const = default;
};

// The file's content: a first line naming it, "Key=value" lines, and "End", each with CR LF.
std::string RunningFileText(const RunningStretch& stretch);
// Nothing for any text that is not a whole file (damaged, cut short, or not ours). A leading
// byte-order mark is read past.
std::optional<RunningStretch> ParseRunningFile(std::string_view text);

// A stretch is running: the start box holds a date-time and the end box is exactly empty.
bool IsRunning(const TrackingBoxes& form);

// Saves the main window's stretch when one is running; otherwise does nothing. The file is written
// by a background thread (the latest state wins), so the window never waits for the disk; a failure
// is told by RunningSaveProblem. The stretch is last seen now, or where the person left
// (leftAt, unix seconds) while they are away, so that the time away is not counted by a later
// End Then. Called at once on Start and a project chosen, after kTypingPause for what is typed (a
// burst of keys costs one write), and once a minute.
inline constexpr std::chrono::milliseconds kTypingPause{1000};
void SaveRunning(const TrackingBoxes& form, std::optional<std::int64_t> leftAt = std::nullopt,
                 std::chrono::milliseconds delay = {});

// The user typed into the start or end box: a stretch still running is saved, one that left
// "running" (ended or idle by what the boxes now say) is forgotten, as End Project and Clear Screen
// forget it.
void RunningBoxEdited(const TrackingBoxes& form);

// The status bar's "The running stretch could not be saved: ..." while the last save failed;
// empty once one succeeds.
std::string RunningSaveProblem();

// Appends the record of the stretch (Setup::WriteRecord), and afterwards removes the saved stretch.
// Before the append the saved file notes the record's line, so that a crash between the append and
// the removal cannot make the stretch a second record. A failed append keeps the file, so the next
// start offers the stretch again. When the record is written but the file cannot be removed,
// noteProblem (if given) receives what to tell the user. The result is WriteRecord's. write, when
// given, puts the record's line in the report instead of WriteRecord (a record changed in place).
bool RecordStretch(const Stretch& stretch, std::string* noteProblem = nullptr,
                   const std::function<bool(const std::string& line)>& write = {});

// For a process without a window (tallywright-ctl): the stretches it saves are marked unattended.
void SaveStretchesUnattended();
// The stretch saved in the data folder, if any (whoever saved it).
std::optional<RunningStretch> SavedStretch();

// Removes the saved stretch (Clear Screen).
void ForgetRunning();

// Waits until the file is as the program last asked; false when that write failed.
bool WaitForRunningFile();

// The file belongs to the copy of the program that owns the data folder (platform().ownsDataFolder);
// another copy there leaves it alone (and keeps no running stretch on disk).

// What a start finds saved, for the tracker's offer (TrackerModel::OfferSaved).
struct FoundStretch {
  enum Kind {
    kNothing,     // no file, a damaged one, or one whose record the report already holds (removed)
    kTooLarge,    // larger than any stretch the program saves: message names it, left alone
    kUnattended,  // started with no window to keep it: taken over running, without a question
    kToOffer,     // asked about; flaw says why it cannot be recorded as it stands, if so
  };
  Kind kind = kNothing;
  RunningStretch stretch;
  std::string flaw, message;
};
FoundStretch FindSavedStretch();
// Removes the saved stretch at once (Discard), waiting until it is gone.
void DiscardSaved();

}  // namespace tw
