#include "tracking/tracker.h"

#include <algorithm>

#include "dates/iso_date.h"
#include "errors/guard.h"
#include "platform/platform.h"
#include "report/record.h"
#include "report/report_form.h"
#include "tracking/calculate_time.h"
#include "tracking/stretch.h"
#include "platform/translate.h"

namespace tw {
namespace {

// The code points of text, or nothing when it is not UTF-8 (overlong forms, surrogates and values
// past U+10FFFF included).
std::optional<std::u32string> CodePoints(std::string_view text) {
  static constexpr char32_t kLeast[] = {0, 0x80, 0x800, 0x10000};
  std::u32string points;
  for (size_t i = 0; i < text.size();) {
    const unsigned char lead = static_cast<unsigned char>(text[i]);
    const int more = lead < 0x80 ? 0 : (lead >> 5) == 6 ? 1 : (lead >> 4) == 14 ? 2 : (lead >> 3) == 30 ? 3 : -1;
    if (more < 0 || i + static_cast<size_t>(more) >= text.size() + (more == 0)) return std::nullopt;
    char32_t cp = more == 0 ? lead : lead & (0x3Fu >> more);
    for (int k = 1; k <= more; ++k) {
      const unsigned char next = static_cast<unsigned char>(text[i + static_cast<size_t>(k)]);
      if ((next & 0xC0) != 0x80) return std::nullopt;
      cp = (cp << 6) | (next & 0x3Fu);
    }
    if (cp < kLeast[more] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return std::nullopt;
    points += cp;
    i += static_cast<size_t>(more) + 1;
  }
  return points;
}

// C0 and C1 control characters and DEL; line breaks only where lineBreaks says they may stand.
bool HoldsControl(const std::u32string& points, bool lineBreaks) {
  return std::any_of(points.begin(), points.end(), [&](char32_t c) {
    if (lineBreaks && (c == U'\n' || c == U'\r')) return false;
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
  });
}

// A moment as the report writes it.
std::string Written(std::int64_t at) { return ReportDateFormat().FormatGeneral(LocalOfInstant(at)); }

// text as one word of a shell's command line.
std::string ShellWord(const std::string& text) {
  std::string word = "'";
  for (const char c : text) word += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return word + "'";
}

// Whether a report of one machine's folder still holds the record where it was written.
bool Holds(const Files& files, const DataFolder& folder, const RecordRef& ref) {
  try {
    return files.ReadAt(folder.File(ref.file), ref.offset, ref.text.size() + 1) == ref.text + "\r";
  } catch (const RunError&) {
    return false;
  }
}

// A start at a moment named, refused where the stretch it begins (from then to now) would overlap
// one recorded, as an added stretch is; the running one is not in the record, and a switch ends it
// there.
void CheckStartOverlap(std::int64_t at) {
  const std::int64_t now = platform().clock->UnixNow();
  std::vector<StoredStretch> around;  // none while the folder holds no report
  FileMissing([&] { around = RecordStore::OfProgram().Stretches({LocalOfInstant(at).day - 1, LocalOfInstant(now).day}); });
  std::string names;
  for (const StoredStretch* s : Overlapping(around, at, now)) {
    const RecordFields f = s->fields();
    names += (names.empty() ? "" : "; ") +
             Arg(Tr("Tracker", "%1 from %2 to %3"), {f.project, f.start, f.end.empty() ? "?" : f.end});
  }
  if (!names.empty())
    throw ControlError(kInvalidArgument,
                       Arg(Tr("Tracker", "A start at %1 would overlap what is recorded: %2"), {Written(at), names}));
}

}  // namespace

void CheckStartArguments(std::string_view project, std::string_view comment) {
  // The report separates a record's fields by commas and its records by line ends.
  const std::optional<std::u32string> name = CodePoints(project);
  if (!name) throw ControlError(kInvalidArgument, Tr("Tracker", "A project name must be UTF-8 text"));
  if (project.find(',') != std::string_view::npos)
    throw ControlError(kInvalidArgument, Arg(Tr("Tracker", "A project name cannot hold a comma: \"%1\""), {project}));
  if (HoldsControl(*name, false))
    throw ControlError(kInvalidArgument, Tr("Tracker", "A project name cannot hold a line break or another control character"));
  if (project.size() > kMaxProjectName)
    throw ControlError(kInvalidArgument, Arg(Tr("Tracker", "A project name is at most %1 bytes long; this one has %2"),
                                             {std::to_string(kMaxProjectName), std::to_string(project.size())}));
  const std::optional<std::u32string> text = CodePoints(comment);
  if (!text) throw ControlError(kInvalidArgument, Tr("Tracker", "A comment must be UTF-8 text"));
  if (HoldsControl(*text, true))
    throw ControlError(kInvalidArgument, Tr("Tracker", "A comment cannot hold a control character other than a line break"));
  if (comment.size() > kMaxComment)
    throw ControlError(kInvalidArgument, Arg(Tr("Tracker", "A comment is at most %1 bytes long; this one has %2"),
                                             {std::to_string(kMaxComment), std::to_string(comment.size())}));
}

std::string RecordedText(const Stretch& stretch, const std::string& elapsed, const std::string& leftAt,
                         bool wouldBe) {
  std::string text = Arg(wouldBe ? Tr("Tracker", "Would record %1 from %2 to %3") : Tr("Tracker", "Recorded %1 from %2 to %3"),
                         {stretch.project, stretch.start, stretch.end});
  if (!elapsed.empty()) text += " (" + elapsed + ")";
  if (!leftAt.empty()) text += Tr("Tracker", ", ended when you left; the time away since is not counted");
  return text;
}

// While the model is at work on a request or a question: another request is refused as Busy.
class TrackerModel::Busy {
 public:
  explicit Busy(TrackerModel& model) : model_(model), was_(std::exchange(model.busy_, true)) {}
  ~Busy() { model_.busy_ = was_; }
  Busy(const Busy&) = delete;
  Busy& operator=(const Busy&) = delete;

 private:
  TrackerModel& model_;
  bool was_;
};

TrackerModel::TrackerModel()
    : away_(std::make_unique<AwayWatch>(std::vector<std::unique_ptr<IdleSource>>{}, nullptr)) {}

TrackerModel::~TrackerModel() = default;

int TrackerModel::Subscribe(Observer observer) {
  observers_.emplace_back(nextObserver_, std::move(observer));
  return nextObserver_++;
}

void TrackerModel::Unsubscribe(int id) {
  std::erase_if(observers_, [id](const auto& o) { return o.first == id; });
}

void TrackerModel::Changed(unsigned parts) {
  // A change made while the last is being announced goes out after it, once.
  pending_ |= parts;
  if (announcing_) return;
  announcing_ = true;
  while (const unsigned now = std::exchange(pending_, 0u)) {
    const auto observers = observers_;
    for (const auto& [id, observer] : observers) observer(now);
  }
  announcing_ = false;
}

// --- the boxes ---------------------------------------------------------------------------------

void TrackerModel::SaveIfRunning(std::chrono::milliseconds delay) {
  if (!ofFolder_ && !start_.empty() && end_.empty()) SaveRunning(*this, LeftAt(), delay);
}

void TrackerModel::SetBox(std::string& box, std::string_view text, Part part) {
  if (box == text) return;
  box = text;
  SaveIfRunning(kTypingPause);
  Changed(part);
}

void TrackerModel::SetStartText(const std::string& text) { SetBox(start_, text, kStart); }
void TrackerModel::SetEndText(const std::string& text) { SetBox(end_, text, kEnd); }

void TrackerModel::SetComments(const std::string& text) {
  // The box takes kMaxCommentChars characters as it counts them: UTF-16 units.
  size_t cut = 0;
  for (int units = 0; cut < text.size(); ++cut) {
    const unsigned char c = static_cast<unsigned char>(text[cut]);
    if ((c & 0xC0) == 0x80) continue;
    units += c >= 0xF0 ? 2 : 1;
    if (units > kMaxCommentChars) break;
  }
  SetBox(comment_, std::string_view(text).substr(0, cut), kComment);
}

void TrackerModel::SetTimeCalc(const std::string& text) {
  if (elapsed_ == text) return;
  elapsed_ = text;
  Changed(kElapsed);
}

void TrackerModel::ClearProjects() {
  projects_.clear();
  index_ = -1;
  Changed(kProjectList | kProject);
}

void TrackerModel::AddProjects(const std::vector<std::string>& names) {
  projects_.insert(projects_.end(), names.begin(), names.end());
  Changed(kProjectList);
}

void TrackerModel::SetProjectIndex(int index) {
  if (index < -1 || index >= ProjectCount()) throw RunError(kErrInvalidPropertyValue, "Invalid property value");
  index_ = index;
  projectText_ = index >= 0 ? ProjectAt(index) : "";
  SaveIfRunning(std::chrono::milliseconds{});
  Changed(kProject);
}

void TrackerModel::SetProjectText(const std::string& text) {
  index_ = -1;
  projectText_ = text;
  SaveIfRunning(kTypingPause);
  Changed(kProject);
}

void TrackerModel::SetStatusText(const std::string& text) {
  status_ = text;
  Changed(kStatus);
}

void TrackerModel::ChooseProject(const std::string& project) {
  for (int i = 0; i < ProjectCount(); ++i)
    if (ProjectAt(i) == project) return SetProjectIndex(i);
  SetProjectText(project);
}

// --- the person's edits --------------------------------------------------------------------------

void TrackerModel::EditStart(const std::string& text) {
  SetStartText(text);
  // Typing that leaves "running" forgets the saved stretch, as End Project and Clear Screen do.
  RunningBoxEdited(*this);
}

void TrackerModel::EditEnd(const std::string& text) {
  SetEndText(text);
  RunningBoxEdited(*this);
}

void TrackerModel::EditComment(const std::string& text) { SetComments(text); }
void TrackerModel::ChooseEntry(int index) { SetProjectIndex(index); }
void TrackerModel::TypeProject(const std::string& text) { SetProjectText(text); }

void TrackerModel::ClearScreen() {
  SetComments("");
  SetStartText("");
  SetEndText("");
  ForgetRunning();
}

// --- the rules ---------------------------------------------------------------------------------

bool TrackerModel::IsRunning() const { return tw::IsRunning(*this); }

void TrackerModel::StartProject() {
  Guard step("Main/StartProject");
  const bool anew = std::exchange(endedThen_, {}) == std::pair(start_, end_);
  // A stretch begun anew is another stretch, even one starting in the second the last record did.
  if (anew) made_.reset();
  if (!step([&] { SetEndText(""); })) return;
  step([&] {
    if (!ReportDateFormat().IsDate(start_) || anew) SetStartText(NowText());
  });
  SaveRunning(*this);
}

bool TrackerModel::EndProject() {
  Guard step("Main/EndProject");
  endedThen_ = {};
  if (!step([&] {
        if (!ReportDateFormat().IsDate(end_)) SetEndText(NowText());
      }))
    return false;
  if (!step([&] { SetTimeCalc(Setup::CalculateTime(start_, end_)); })) return false;
  bool recorded = false;
  step([&] {
    std::string noteProblem;
    recorded = Record(StretchOf(*this, start_, end_), &noteProblem);
    const Platform& p = platform();
    if (!recorded)
      p.dialogs->MsgBox(Tr("Tracker", "There was an error writing to the report"), MsgStyle::OkOnly, kProductName);
    else if (!noteProblem.empty())
      p.dialogs->MsgBox(noteProblem, MsgStyle::OkOnly + MsgStyle::Exclamation, kProductName);
    if (recorded && ReportHoldsOtherForms()) SetStatusText(Tr("Status", kOtherFormsStatus));
  });
  if (recorded) RememberLastProject(ChosenProject(*this));
  return recorded;
}

bool TrackerModel::EndThen(const std::string& end) {
  SetEndText(end);
  if (!EndProject()) return false;
  endedThen_ = {start_, end_};
  return true;
}

bool TrackerModel::Record(const Stretch& stretch, std::string* noteProblem) {
  // The same start as the record made last: the same stretch, ended again or taken up again by
  // Start Project. Its one record changes.
  if (made_ && made_->start == stretch.start) {
    return RecordStretch(stretch, noteProblem, [&](const std::string& line) {
      Guard step("Setup/WriteRecord");
      step([&] {
        const Platform& p = platform();
        const DataFolder folder = ProgramDataFolder();
        if (line == made_->line && (folder.shared || Holds(*p.files, folder, made_->ref))) return;
        // Found by its text wherever its line has moved; one changed since (edited or deleted
        // there, here or on another machine), or a report gone, is left as it is and the stretch
        // recorded anew, once.
        bool changed = false;
        FileMissing([&] { changed = ChangeRecord(*p.files, folder, made_->ref, line, p.clock->UnixNow()); });
        if (!changed)
          made_->ref = AppendRecordLine(*p.files, folder, line);
        else if (!folder.shared)
          made_->ref.text = line;  // rewritten where it stands
        else
          made_->ref.shown = line == made_->ref.text ? "" : line;  // amended: the record's first text shows this
        made_->line = line;
      });
      return !step.failed();
    });
  }
  RecordRef appended;
  const bool written = RecordStretch(stretch, noteProblem, [&](const std::string& line) {
    return Setup::WriteRecord(line, &appended);
  });
  if (written) made_ = Made{appended, stretch.start, appended.text};
  return written;
}

void TrackerModel::PutBack(const RunningStretch& stretch, const std::string& end) {
  // The start goes in last, so that the window runs only with the whole stretch in place.
  SetEndText(end);
  int index = -1;
  for (int i = 0; i < ProjectCount() && index < 0; ++i)
    if (RecordField(ProjectAt(i)) == stretch.project) index = i;
  if (index >= 0)
    SetProjectIndex(index);
  else
    SetProjectText(stretch.project);
  SetComments(stretch.comment);
  SetStartText(stretch.start);
}

void TrackerModel::OfferSaved() {
  const Platform& p = platform();
  const FoundStretch found = FindSavedStretch();
  if (found.kind == FoundStretch::kNothing) return;
  if (found.kind == FoundStretch::kTooLarge) {
    p.dialogs->MsgBox(found.message, MsgStyle::OkOnly + MsgStyle::Exclamation, kProductName);
    return;
  }
  const RunningStretch& stretch = found.stretch;
  int answer = 0;
  if (found.kind == FoundStretch::kToOffer) {
    const Busy hold(*this);
    if (found.flaw.empty()) {
      const std::string prompt =
          Arg(Tr("Tracker", "The stretch of %1 started %2 was still running when %3 last ended, at about %4."),
              {stretch.project, stretch.start, kProductName, stretch.lastSeen});
      answer = p.dialogs->Choose(
          prompt, kProductName, {Tr("Tracker", "&Keep Running"), Tr("Tracker", "&End Then"), Tr("Tracker", "&Discard")}, 0, 0);
    } else {
      const std::string prompt = Arg(Tr("Tracker", "A stretch of %1 was kept as running when %2 last ended, but %3. "
                                                   "Keep Running puts it into the window as found, to put right there; "
                                                   "Discard removes it."),
                                     {stretch.project, kProductName, found.flaw});
      answer = p.dialogs->Choose(prompt, kProductName, {Tr("Tracker", "&Keep Running"), Tr("Tracker", "&Discard")}, 0, 0) == 0
                   ? 0
                   : 2;
    }
  }
  if (answer == 0) {
    PutBack(stretch, "");
    SaveRunning(*this);
  } else if (answer == 1) {
    PutBack(stretch, stretch.lastSeen);
    EndThen(stretch.lastSeen);
  } else {
    DiscardSaved();
  }
}

// --- who owns the folder ---------------------------------------------------------------------------

bool TrackerModel::OwnsFolder() const { return platform().ownsDataFolder; }

void TrackerModel::TakeClaim(std::unique_ptr<FolderOwner> claim) {
  // The claim let go lives until the subscribers have heard (the socket's server stops serving it).
  const std::unique_ptr<FolderOwner> old = std::exchange(claim_, std::move(claim));
  platform().ownsDataFolder = claim_ != nullptr;
  if (!claim_)
    SetStatusText(Tr("Status", kAnotherCopyTracking));
  else if (status_ == Tr("Status", kAnotherCopyTracking))
    SetStatusText(Tr("Status", "Status"));
  Changed(kOwner);
}

void TrackerModel::FollowDataFolder() {
  const std::string now = FolderIdentity(platform().system->DataFolder());
  // Without a claim the window tries to claim the folder named now anyway.
  if (!claim_ || now.empty() || claim_->identity() == now) return;
  TakeClaim(nullptr);
  TryClaim(2000);
}

bool TrackerModel::TryClaim(int waitMs) {
  if (claim_) return false;
  std::unique_ptr<FolderOwner> claim;
  try {
    claim = ClaimFolder(platform().system->DataFolder(), waitMs);
  } catch (const RunError&) {
    return false;
  }
  if (!claim) return false;
  TakeClaim(std::move(claim));
  if (!IsRunning()) {
    OfferSaved();
  } else {
    // Both kept a stretch: the one saved meanwhile is recorded as it was last seen, then this one
    // is kept on disk.
    const FoundStretch found = FindSavedStretch();
    if ((found.kind == FoundStretch::kUnattended || found.kind == FoundStretch::kToOffer) && found.flaw.empty()) {
      const RunningStretch& s = found.stretch;
      RecordStretch(Stretch{s.project, s.start, s.lastSeen, s.comment});
    }
    SaveRunning(*this);
  }
  return true;
}

void TrackerModel::ActOnFolder(std::function<void()> show) {
  ofFolder_ = true;
  SaveStretchesUnattended();
  host_.show = [this, show = std::move(show)] {
    claim_.reset();  // the program about to start takes the folder
    show();
  };
  if (const std::optional<RunningStretch> saved = SavedStretch()) {
    ChooseProject(saved->project);
    SetComments(saved->comment);
    SetStartText(saved->start);
    if (saved->unattended.empty() || !saved->record.empty()) leftByProgram_ = saved;
  }
}

// --- time away ---------------------------------------------------------------------------------

void TrackerModel::WatchAbsences(std::unique_ptr<AwayWatch> watch) { away_ = std::move(watch); }

void TrackerModel::LookForAway() {
  if (lookingForAway_ || busy_) return;
  lookingForAway_ = true;
  const Platform& p = platform();
  const std::int64_t now = p.clock->UnixNow();
  std::optional<std::int64_t> since = RunningSince(*this);
  if (const std::optional<Absence> absence = away_->Poll(now, since, IdleMinutes() * 60)) {
    AskAboutAbsence(*absence);
    since = RunningSince(*this);  // the answer may have ended the stretch or begun another
  }
  const std::string text = reminder_.Poll(*this, since, now, RemindHours());
  if (!text.empty() && p.shell) p.shell->ShowBalloon(kProductName, text);
  if (budgets_ && since) {
    const std::string told = budgets_(ChosenProject(*this), Comments(), LocalOfInstant(*since), now - *since);
    if (!told.empty() && p.shell) p.shell->ShowBalloon(kProductName, told);
  }
  lookingForAway_ = false;
}

std::optional<Absence> TrackerModel::UnaskedAbsence(bool peek) {
  const std::int64_t now = platform().clock->UnixNow();
  const std::int64_t threshold = IdleMinutes() * 60;
  if (!peek)
    if (std::optional<Absence> back = away_->Poll(now, RunningSince(*this), threshold)) return back;
  const std::optional<std::int64_t> since = away_->AwaySince();
  if (threshold > 0 && since && now - *since >= threshold) return Absence{*since, now};
  return std::nullopt;
}

bool TrackerModel::AskAboutAbsence(const Absence& absence) {
  const Platform& p = platform();
  if (!IsRunning()) {
    away_->Answered();
    return false;
  }
  if (host_.show) host_.show();
  const std::string start = start_;
  const auto moment = [&](std::int64_t at) { return p.dateFormat->FormatGeneral(LocalOfInstant(at)); };
  const std::string prompt = Arg(Tr("Tracker", "You were away from %1 to %2 (%3) while tracking %4."),
                                 {moment(absence.from), moment(absence.to),
                                  p.dateFormat->FormatDuration(absence.to - absence.from), ChosenProject(*this)});
  int answer = 0;
  {
    const Busy hold(*this);
    answer = p.dialogs->Choose(prompt, kProductName,
                               {Tr("Tracker", "&Keep Time"), Tr("Tracker", "&End Then"), Tr("Tracker", "End Then and &Restart")},
                               0, 0);
  }
  away_->Answered();
  // The answer is about the stretch asked about; one ended or started meanwhile is left alone.
  if (answer != 0 && IsRunning() && start_ == start) {
    // Typed into the end box as End Project writes it: in the report's form. A stretch whose record
    // failed stays in the boxes (and on disk) rather than be replaced.
    if (EndThen(Written(absence.from)) && answer == 2) {
      // The new stretch starts when the person came back, however long the answer took.
      SetStartText(Written(absence.to));
      StartProject();
    }
  }
  return IsRunning() && start_ == start;
}

// --- requests from outside -----------------------------------------------------------------------

bool TrackerModel::PressEnd() {
  // Pressed as the first input after time away: the absence is asked about before it is counted,
  // and the press goes on only where the answer kept the stretch as it was.
  if (IsRunning()) {
    if (const std::optional<Absence> absence = UnaskedAbsence())
      if (!AskAboutAbsence(*absence)) return false;
  }
  return EndProject();
}

void TrackerModel::Ready() {
  if (busy_) throw ControlError(kBusy, Tr("Tracker", "Tallywright is waiting for an answer in one of its windows"));
  if (host_.ready) host_.ready();
  if (!ofFolder_ || claim_) return;
  try {
    claim_ = ClaimFolder(platform().system->DataFolder(), 2000, false);
  } catch (const RunError& e) {
    throw ControlError(kFailed, Arg(Tr("Tracker", "The data folder cannot be used: %1"), {e.description()}));
  }
  if (!claim_) throw ControlError(kBusy, Tr("Tracker", "Tallywright has just started on this data folder; try again"));
}

void TrackerModel::CheckMoment(const RequestMoment& when) const {
  if (!when.at) return;
  if (*when.at > platform().clock->UnixNow())
    throw ControlError(kInvalidArgument, Arg(Tr("Tracker", "%1 is still to come"), {Written(*when.at)}));
  if (const std::optional<std::int64_t> since = RunningSince(*this); since && IsRunning() && *when.at <= *since)
    throw ControlError(kInvalidArgument,
                       Arg(Tr("Tracker", "%1 is not after the start of the running stretch, %2"), {Written(*when.at), start_}));
}

std::string TrackerModel::EndFromOutside(AwayRule away, const RequestMoment& when) {
  std::string leftAt;
  // A moment named is the end the person gives, as a time typed into the end box is: the time away
  // is not asked about (nor counted against it).
  if (away != AwayRule::kKeepAway && !when.at) {
    if (leftByProgram_ && leftByProgram_->start == start_) {
      // Left running by the program (a crash, or a logout while the person was away): ended where
      // it was last seen, as the start-up question's End Then would.
      leftAt = leftByProgram_->lastSeen;
    } else if (const std::optional<Absence> absence = UnaskedAbsence(when.dryRun)) {
      if (away == AwayRule::kAsk && !when.dryRun) {
        const std::string start = start_;
        if (!AskAboutAbsence(*absence)) {
          // The answer ended the stretch (End Then) or began it again from the return: that was
          // the request's end.
          return start_ == start && !end_.empty() ? RecordedText(StretchOf(*this, start_, end_), elapsed_, end_) : "";
        }
      } else {
        if (!when.dryRun) away_->Answered();
        leftAt = Written(absence->from);
      }
    }
  }
  const std::string end = !leftAt.empty() ? leftAt : when.at ? Written(*when.at) : NowText();
  if (when.dryRun)
    return RecordedText(StretchOf(*this, start_, end), Setup::CalculateTime(start_, end), leftAt, true);
  // Ended from outside as End Then ends: the next Start Project, the button's or another request's,
  // starts anew rather than take this start up again.
  const bool recorded = EndThen(end);
  leftByProgram_.reset();
  if (!recorded) throw ControlError(kFailed, Tr("Tracker", "The stretch could not be recorded in the report"));
  return RecordedText(StretchOf(*this, start_, end_), elapsed_, leftAt);
}

std::string TrackerModel::Start(const std::string& project, const std::optional<std::string>& comment,
                                AwayRule away, RequestMoment when) {
  CheckStartArguments(project, comment.value_or(""));
  Ready();
  const Busy hold(*this);
  const std::string chosen = project.empty() ? ChosenProject(*this) : project;
  if (chosen.empty()) throw ControlError(kInvalidArgument, Tr("Tracker", "No project is chosen: name the project to start"));
  CheckMoment(when);
  if (when.at && !when.allowOverlap) CheckStartOverlap(*when.at);
  std::string done;
  if (IsRunning()) {
    if (ChosenProject(*this) == chosen)
      return when.dryRun ? Arg(Tr("Tracker", "Would change nothing: %1 is running"), {chosen}) : "";
    done = EndFromOutside(away, when);
    // Begun again by the question's answer: ended now, for the switch.
    if (!when.dryRun && IsRunning() && !EndThen(NowText()))
      throw ControlError(kFailed, Tr("Tracker", "The running stretch could not be recorded"));
  }
  if (when.dryRun)
    return (done.empty() ? "" : done + "\n") +
           Arg(Tr("Tracker", "Would start %1 at %2"), {chosen, when.at ? Written(*when.at) : NowText()});
  if (!project.empty()) {
    const int index = index_;
    const std::string text = projectText_;
    ChooseProject(project);
    try {
      Setup::RememberProject(*this);
    } catch (...) {
      // Refused as a whole: the box is as it was.
      index >= 0 ? SetProjectIndex(index) : SetProjectText(text);
      throw;
    }
  }
  if (comment) SetComments(*comment);
  if (when.at) {
    // Started at the moment named, whatever the boxes held.
    endedThen_ = {};
    SetStartText(Written(*when.at));
  }
  StartProject();
  if (!IsRunning()) throw ControlError(kFailed, Tr("Tracker", "The stretch could not be started"));
  // The answer goes once the stretch is on disk, so that nothing said "started" can be lost.
  WaitForRunningFile();
  return done;
}

std::string TrackerModel::End(AwayRule away, RequestMoment when) {
  Ready();
  if (!IsRunning()) throw ControlError(kNotRunning, Tr("Tracker", "No stretch is running"));
  const Busy hold(*this);
  CheckMoment(when);
  const std::string done = EndFromOutside(away, when);
  WaitForRunningFile();
  return done;
}

std::string TrackerModel::Continue(RequestMoment when) {
  if (IsRunning())
    throw ControlError(kInvalidArgument, Arg(Tr("Tracker", "%1 is running since %2; stop it first"), {ChosenProject(*this), start_}));
  // The stretch that ended last, looked for over the last week, then the last year.
  const std::int64_t today = platform().clock->Now().day;
  std::optional<StoredStretch> last;
  for (const std::int64_t days : {7, 366}) {
    try {
      for (const StoredStretch& s : RecordStore::OfProgram().Stretches(Period{today - days, today}))
        if (s.end && (!last || InstantOfLocal(*s.end) >= InstantOfLocal(*last->end))) last = s;
    } catch (const RunError&) {
      // No report yet: nothing to continue.
    }
    if (last) break;
  }
  if (!last) throw ControlError(kInvalidArgument, Tr("Tracker", "No stretch ended in the last year to continue"));
  if (when.at && *when.at < InstantOfLocal(*last->end))
    throw ControlError(kInvalidArgument, Arg(Tr("Tracker", "%1 is before the end of the last stretch, %2"),
                                             {Written(*when.at), last->fields().end}));
  const RecordFields f = last->fields();
  return Start(std::string(f.project), std::string(f.comment), AwayRule::kKeepAway, when);
}

std::string TrackerModel::Cancel(bool dryRun) {
  Ready();
  if (!IsRunning()) throw ControlError(kNotRunning, Tr("Tracker", "No stretch is running"));
  const Busy hold(*this);
  const TrackerStatus status = Status();
  std::string text = Arg(dryRun ? Tr("Tracker", "Would discard %1 started %2") : Tr("Tracker", "Discarded %1 started %2"),
                         {status.project, status.start});
  // In the form the command reads back, so that the stretch can be begun again as it was.
  if (!status.startIso.empty()) {
    std::string again = "tallywright-ctl start " + ShellWord(status.project) + " --at " + status.startIso;
    if (!status.comment.empty()) again += " --comment " + ShellWord(status.comment);
    text = Arg(Tr("Tracker", "%1; to start it again: %2"), {text, again});
  }
  if (dryRun) return text;
  // Nothing of it is left to record or to ask about: the boxes as Clear Screen leaves them.
  away_->Answered();
  leftByProgram_.reset();
  ClearScreen();
  WaitForRunningFile();
  return text;
}

std::string TrackerModel::SetComment(const std::string& text, bool dryRun) {
  CheckStartArguments("", text);
  Ready();
  if (!IsRunning()) throw ControlError(kNotRunning, Tr("Tracker", "No stretch is running"));
  const Busy hold(*this);
  if (dryRun) return Arg(Tr("Tracker", "Would set the comment of %1 started %2 to: %3"), {ChosenProject(*this), start_, text});
  SetComments(text);
  // Saved at once, not after a pause in typing. A stretch the program left running keeps the
  // moment it was last seen, so that ending it still ends it there.
  std::optional<std::int64_t> seen = LeftAt();
  if (leftByProgram_)
    if (const std::optional<DateTime> last = ReportDateFormat().Parse(leftByProgram_->lastSeen))
      seen = InstantOfLocal(*last);
  SaveRunning(*this, seen);
  WaitForRunningFile();
  return "";
}

TrackerStatus TrackerModel::Status() {
  TrackerStatus status;
  status.running = IsRunning();
  status.project = ChosenProject(*this);
  status.comment = comment_;
  if (status.running) {
    status.start = start_;
    if (const std::optional<DateTime> start = ReportDateFormat().Parse(status.start)) {
      status.startIso = IsoDateTime(*start);
      status.elapsed = ElapsedSeconds(*start, platform().clock->Now());
    }
  }
  return status;
}

std::vector<std::string> TrackerModel::Projects() {
  std::vector<std::string> names = projects_;
  std::erase(names, std::string());
  return names;
}

void TrackerModel::Show() {
  if (host_.show) host_.show();
}

}  // namespace tw
