#pragma once
// The tracker: what the tracking boxes mean and every rule of a stretch. One object holds the
// start and end texts as the person typed them, the project chosen from the list or typed, the
// comment and the elapsed text; the running stretch and its file on disk; who owns the data
// folder; and time away. Start Project, End Project, End Then, a switch of project from outside,
// the start-up offer of a saved stretch, the question after time away and its restart are its
// methods. The main window shows it and forwards its presses and edits; the D-Bus service, the
// folder's socket and tallywright-ctl with no program running call the same object (through the
// Tracker interface below). Whoever shows it subscribes to its changes.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/folder_owner.h"
#include "state/main_view.h"
#include "store/record_store.h"
#include "tracking/away.h"
#include "tracking/running.h"
#include "tracking/write_record.h"

namespace tw {

// --- requests from outside ----------------------------------------------------------------------

// What a stretch's status is made of, as the D-Bus properties carry it.
struct TrackerStatus {
  bool running = false;
  std::string project;   // the project box's project
  std::string start;     // as written in the start box; empty while nothing runs
  std::string startIso;  // the start in ISO 8601 local time, or empty
  std::int64_t elapsed = 0;  // seconds since the start while running
  std::string comment;

  bool operator==(const TrackerStatus&) const = default;
};

// A refused request: the last part of its error's name ("NotRunning") and a message for a person.
class ControlError : public std::runtime_error {
 public:
  ControlError(std::string name, const std::string& message)
      : std::runtime_error(message), name_(std::move(name)) {}
  const std::string& name() const { return name_; }

 private:
  std::string name_;
};

// The names of refusals.
inline constexpr const char* kNotRunning = "NotRunning";
inline constexpr const char* kInvalidArgument = "InvalidArgument";
inline constexpr const char* kBusy = "Busy";
inline constexpr const char* kShuttingDown = "ShuttingDown";
inline constexpr const char* kFailed = "Failed";
inline constexpr const char* kNoProgram = "NoProgram";

// Longest project name and comment a request may carry, in bytes.
inline constexpr size_t kMaxProjectName = 200;
inline constexpr size_t kMaxComment = 4000;
// InvalidArgument, with its reason, for a project name or comment no record can carry: a name
// with a comma or any control character, a comment with a control character other than a line
// break, text that is not UTF-8, or either over its length.
void CheckStartArguments(std::string_view project, std::string_view comment);

// How a request from outside that ends the running stretch treats time away the person was not
// asked about yet (an absence they came back from, or are still in).
enum class AwayRule {
  kAsk,          // the question, as the button asks it (D-Bus: the window comes forward)
  kEndWhenLeft,  // no question: the stretch ends at the moment the person left (the command line)
  kKeepAway,     // no question: the time away counts as work (tallywright-ctl --keep-away)
};

// When a request that starts or ends a stretch takes effect: at a moment the person named (unix
// seconds; nothing: now), and whether it is only asked what it would do (nothing changes then, and
// the answer says it).
struct RequestMoment {
  std::optional<std::int64_t> at;
  bool dryRun = false;
  bool allowOverlap = false;  // a start at a moment named is made though it overlaps what is recorded
};

// A copy of the program, or a data folder, that takes requests. Each request throws ControlError
// when it is refused, having changed nothing. Start and End give what they recorded, as a line a
// person reads (empty when nothing was recorded); asked for a dry run, what they would do.
class Tracker {
 public:
  virtual ~Tracker() = default;
  // Starts a stretch of project (empty: the project the box holds). The same project running:
  // nothing changes; another one running: it is ended first, one record, at the new start. No
  // comment: the comment box is left as it is. A moment named is neither still to come nor before
  // the running stretch's start (InvalidArgument).
  virtual std::string Start(const std::string& project, const std::optional<std::string>& comment, AwayRule away,
                            RequestMoment when) = 0;
  // Ends the running stretch: one record. NotRunning when nothing runs. A moment named is where it
  // ends, as an end typed into the window's box is; otherwise time away the person was not asked
  // about ends it where they left, unless kKeepAway.
  virtual std::string End(AwayRule away, RequestMoment when) = 0;
  // Starts again the project and comment of the stretch that ended last in the record, at a
  // moment not before its end. InvalidArgument while a stretch runs, or with none recorded.
  virtual std::string Continue(RequestMoment when) = 0;
  // Discards the running stretch, recording nothing: says what it was, with its start as
  // tallywright-ctl takes it back. NotRunning when nothing runs.
  virtual std::string Cancel(bool dryRun) = 0;
  // Sets the running stretch's comment (empty when done; a dry run says what it would set).
  // NotRunning when nothing runs.
  virtual std::string SetComment(const std::string& text, bool dryRun) = 0;
  virtual TrackerStatus Status() = 0;
  virtual std::vector<std::string> Projects() = 0;
  // Brings the main window forward, from the notification area too.
  virtual void Show() = 0;
};

// --- the model ---------------------------------------------------------------------------------

// The answers to the question after time away.
enum class AwayAnswer { kKeepTime = 0, kEndThen = 1, kEndThenRestart = 2 };

class TrackerModel : public TrackingBoxes, public Tracker {
 public:
  // What changed, for the subscribers.
  enum Part : unsigned {
    kStart = 1,
    kEnd = 2,
    kComment = 4,
    kElapsed = 8,
    kProjectList = 16,
    kProject = 32,
    kStatus = 64,
    kOwner = 128,
  };
  using Observer = std::function<void(unsigned parts)>;

  // What the model asks of whoever shows it. ready throws ControlError while no request from
  // outside may be taken (a shutdown under way, a window waiting for an answer); show brings the
  // window forward (Show, and before the question after time away).
  struct Host {
    std::function<void()> ready;
    std::function<void()> show;
  };

  TrackerModel();
  ~TrackerModel() override;
  TrackerModel(const TrackerModel&) = delete;
  TrackerModel& operator=(const TrackerModel&) = delete;

  // The data folder of platform() with no program running (tallywright-ctl), once its project box
  // is filled: the saved stretch is taken up, each change claims the folder first (refused while a
  // copy of the program has just started there), and the stretches it saves are marked
  // unattended, so the next start of the window takes them over running. A stretch the program
  // left running is ended where it was last seen by a request that ends it (the moment the person
  // left, when the program ended while they were away), or now with kKeepAway. show is what Show
  // does here: start the program.
  void ActOnFolder(std::function<void()> show);

  void SetHost(Host host) { host_ = std::move(host); }
  // Called after every change, with the parts that changed; the result unsubscribes.
  int Subscribe(Observer observer);
  void Unsubscribe(int id);

  // --- what the boxes hold (TrackingBoxes) ---
  std::string StartText() const override { return start_; }
  void SetStartText(const std::string& text) override;
  std::string EndText() const override { return end_; }
  void SetEndText(const std::string& text) override;
  std::string Comments() const override { return comment_; }
  void SetComments(const std::string& text) override;
  std::string TimeCalc() const override { return elapsed_; }
  void SetTimeCalc(const std::string& text) override;
  void ClearProjects() override;
  void AddProjects(const std::vector<std::string>& names) override;
  int ProjectCount() const override { return static_cast<int>(projects_.size()); }
  std::string ProjectAt(int index) const override { return projects_.at(static_cast<size_t>(index)); }
  int ProjectIndex() const override { return index_; }
  void SetProjectIndex(int index) override;
  std::string ProjectText() const override { return projectText_; }
  void SetProjectText(const std::string& text) override;
  void SetStatusText(const std::string& text) override;
  const std::string& StatusText() const { return status_; }
  const std::vector<std::string>& ProjectList() const { return projects_; }

  // --- the person's presses and edits in the window ---
  // Start Project; End Project, after the question about time away the person came back from.
  void PressStart() { StartProject(); }
  bool PressEnd();
  // Typed into the start or end box, or the comment box; an entry chosen; typed into the project
  // box. A running stretch is saved (what is typed a moment after typing pauses); typing the start
  // or end box so that the stretch no longer runs forgets the saved one.
  void EditStart(const std::string& text);
  void EditEnd(const std::string& text);
  void EditComment(const std::string& text);
  void ChooseEntry(int index);
  void TypeProject(const std::string& text);
  // Clear Screen: the comment, start and end boxes emptied, in that order, and the saved running
  // stretch forgotten; nothing else changes.
  void ClearScreen();

  // --- the rules ---
  // A stretch runs: the start box holds a date-time and the end box is exactly empty.
  bool IsRunning() const;
  // Start Project [Main/StartProject]: empties the end box and, unless the start box already holds
  // a date-time, puts the current moment into it; the stretch, now running, is saved on disk.
  // After End Then the old start is not taken up again: the new stretch starts now.
  void StartProject();
  // End Project [Main/EndProject]: the current moment in the end box unless it holds a date-time,
  // the elapsed time shown, and the stretch recorded (then the saved stretch forgotten); tells the
  // person when the record could not be written. A stretch is recorded once: ending it again, or
  // ending it after Start Project took its start up again, changes its one record instead of
  // appending another. True when the stretch was recorded.
  bool EndProject();
  // End Then of the program's questions: End Project with `end` in the end box. The time after
  // `end` is not work, so the next Start Project starts anew.
  bool EndThen(const std::string& end);
  // Start-up: a stretch found saved is offered back once. "&Keep Running" (Enter and Escape) puts it
  // back, running; "&End Then" records it, ended when it was last seen, as End Project would;
  // "&Discard" removes it. An unattended stretch is put back running without a question; a file
  // whose record the report's recent lines already hold is removed without one. A stretch that
  // could not be recorded as it stands (its start no date-time, last seen before it started) has
  // Keep Running (to put it right in the boxes) and Discard only. A damaged file is left alone;
  // one too large to be a stretch the program saved is named in a message and left alone.
  void OfferSaved();
  // The running stretch recorded with `end`, the boxes left as they are (the program's end).
  bool RecordRunning(const std::string& end) { return Record(StretchOf(*this, start_, end), nullptr); }

  // --- who owns the data folder ---
  // The claim on the data folder (platform/folder_owner.h): only its owner keeps the running
  // stretch on disk and answers on the folder's socket. Without one, the status panel says that
  // another copy is tracking.
  void TakeClaim(std::unique_ptr<FolderOwner> claim);
  FolderOwner* claim() const { return claim_.get(); }
  bool OwnsFolder() const;
  // Claims the folder when this copy does not own it yet (another copy or tallywright-ctl held it);
  // true when it became the owner now. Then a stretch saved meanwhile is offered, or, while this
  // copy runs one of its own, recorded as ended when it was last seen.
  bool TryClaim(int waitMs = 0);
  // The data folder moved (Preferences), or another folder now stands at its path (deleted and
  // made again): the claim of the old one is let go and the one there now claimed, so that
  // requests and a second start find this copy. Nothing while the folder cannot be looked at.
  void FollowDataFolder();

  // --- time away ---
  // Idle and sleep detection through these sources; until then only the reminder runs.
  void WatchAbsences(std::unique_ptr<AwayWatch> watch);
  AwayWatch& awayWatch() { return *away_; }
  // The look at time away and at a stretch left running: an absence the person came back from
  // brings the window forward and asks about it; a stretch running for long shows the reminder.
  void LookForAway();
  // At each look while a stretch runs, the text to show of its project's budgets (empty: nothing);
  // the summaries read them, above this folder.
  using BudgetLook = std::function<std::string(std::string_view project, std::string_view comment,
                                               const DateTime& start, std::int64_t elapsed)>;
  void WatchBudgets(BudgetLook look) { budgets_ = std::move(look); }
  // Where the person left, while they are away from a running stretch (or being asked about it).
  std::optional<std::int64_t> LeftAt() const { return away_->AwaySince(); }
  // Asks about an absence: "&Keep Time" (Enter and Escape) changes nothing; "&End Then" is End
  // Project with the absence's beginning in the end box; "End Then and &Restart" also starts a new
  // stretch of the project from the moment the person came back. Nothing happens when the stretch
  // asked about no longer runs. True when the stretch runs on as it was (Keep Time, or not asked).
  bool AskAboutAbsence(const Absence& absence);

  // --- requests from outside (Tracker) ---
  std::string Start(const std::string& project, const std::optional<std::string>& comment, AwayRule away,
                    RequestMoment when) override;
  std::string End(AwayRule away, RequestMoment when) override;
  std::string Continue(RequestMoment when) override;
  std::string Cancel(bool dryRun) override;
  std::string SetComment(const std::string& text, bool dryRun) override;
  TrackerStatus Status() override;
  std::vector<std::string> Projects() override;
  void Show() override;

 private:
  class Busy;
  void Changed(unsigned parts);
  // A running stretch is saved whenever what its record would carry changes: at once for a project
  // chosen, a moment after typing pauses for the rest. With no program running, only Start saves.
  void SaveIfRunning(std::chrono::milliseconds delay);
  // A box's text changed: saved while running, and told.
  void SetBox(std::string& box, std::string_view text, Part part);
  // ready of the host, and Busy while the model is already at work (a question open).
  void Ready();
  // Ends the running stretch for a request from outside, as End Then: at the moment named, or now
  // or where the person left, or as the question's answer says. What was recorded (or
  // would be, for a dry run), as the command prints it.
  std::string EndFromOutside(AwayRule away, const RequestMoment& when);
  // InvalidArgument for a moment named that is still to come, or not after the running stretch's
  // start.
  void CheckMoment(const RequestMoment& when) const;
  // The absence the person came back from, or is still in, that ending now would count as work.
  // peek: only looked at, as a dry run looks, the watch left to ask about it.
  std::optional<Absence> UnaskedAbsence(bool peek = false);
  // Records the boxes' stretch, or changes the record of the same stretch made before.
  bool Record(const Stretch& stretch, std::string* noteProblem);
  void PutBack(const RunningStretch& stretch, const std::string& end);
  void ChooseProject(const std::string& project);

  std::string start_, end_, comment_, elapsed_, status_ = Tr("Status", "Status");
  std::vector<std::string> projects_;
  int index_ = -1;
  std::string projectText_;

  std::vector<std::pair<int, Observer>> observers_;
  int nextObserver_ = 0;
  Host host_;
  bool busy_ = false;
  unsigned pending_ = 0;  // parts changed while a change is being announced
  bool announcing_ = false;

  // The start and end of the stretch the last End Then ended, as the boxes show it until Start.
  std::pair<std::string, std::string> endedThen_;
  // The record this model made last: as the store names it, the start it carries and its line now.
  struct Made {
    RecordRef ref;
    std::string start, line;
  };
  std::optional<Made> made_;

  std::unique_ptr<AwayWatch> away_;
  StretchReminder reminder_;
  BudgetLook budgets_;
  bool lookingForAway_ = false;

  std::unique_ptr<FolderOwner> claim_;
  // With no program running (ActOnFolder): claims made for each change, and a stretch the program
  // left running, ended where it was last seen rather than resumed.
  bool ofFolder_ = false;
  std::optional<RunningStretch> leftByProgram_;
};

// The main window's view whose boxes are a tracker's: the window adds its place and size. The
// routines that take the window (its load and unload, the other windows' reloads of the project
// list) reach the tracker through it.
class TrackerView : public MainView {
 public:
  virtual TrackerModel& tracker() const = 0;

  std::string StartText() const override { return tracker().StartText(); }
  void SetStartText(const std::string& text) override { tracker().SetStartText(text); }
  std::string EndText() const override { return tracker().EndText(); }
  void SetEndText(const std::string& text) override { tracker().SetEndText(text); }
  std::string Comments() const override { return tracker().Comments(); }
  void SetComments(const std::string& text) override { tracker().SetComments(text); }
  std::string TimeCalc() const override { return tracker().TimeCalc(); }
  void SetTimeCalc(const std::string& text) override { tracker().SetTimeCalc(text); }
  void ClearProjects() override { tracker().ClearProjects(); }
  void AddProjects(const std::vector<std::string>& names) override { tracker().AddProjects(names); }
  int ProjectCount() const override { return tracker().ProjectCount(); }
  std::string ProjectAt(int index) const override { return tracker().ProjectAt(index); }
  int ProjectIndex() const override { return tracker().ProjectIndex(); }
  void SetProjectIndex(int index) override { tracker().SetProjectIndex(index); }
  std::string ProjectText() const override { return tracker().ProjectText(); }
  void SetProjectText(const std::string& text) override { tracker().SetProjectText(text); }
  void SetStatusText(const std::string& text) override { tracker().SetStatusText(text); }
};

// The record line the command prints after a request ended a stretch (wouldBe: before a dry run).
std::string RecordedText(const Stretch& stretch, const std::string& elapsed, const std::string& leftAt,
                         bool wouldBe = false);

}  // namespace tw
