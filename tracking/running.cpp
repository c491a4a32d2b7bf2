#include "tracking/running.h"

#include <mutex>
#include <utility>
#include <vector>

#include "platform/latest_writer.h"
#include "platform/lines.h"
#include "platform/platform.h"
#include "platform/shared_folder.h"
#include "report/record.h"
#include "report/report_files.h"
#include "report/report_form.h"
#include "tracking/stretch.h"
#include "platform/translate.h"

namespace tw {
namespace {

constexpr std::string_view kHeader = "Tallywright running stretch";
constexpr std::string_view kEnd = "End";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
// The most a project and a comment saved from the main window can take, in bytes.
constexpr size_t kMaxProjectBytes = 3 * size_t{kMaxProjectChars};
constexpr size_t kMaxCommentBytes = 3 * size_t{kMaxCommentChars};
// A saved stretch holds the comment twice at most (its own and its record's) and a few short lines.
constexpr size_t kMaxFileSize = 2 * (kMaxProjectBytes + kMaxCommentBytes) + 4096;
// How far back in the report a stretch's record is looked for: a few records of the longest.
constexpr size_t kRecentBytes = 4 * kMaxFileSize;

struct Key {
  std::string_view name;
  std::string RunningStretch::*field;
};
constexpr Key kKeys[] = {{"Project", &RunningStretch::project},
                         {"Start", &RunningStretch::start},
                         {"Comment", &RunningStretch::comment},
                         {"LastSeen", &RunningStretch::lastSeen},
                         {"Record", &RunningStretch::record},
                         {"Unattended", &RunningStretch::unattended}};

bool savedUnattended = false;

RunningStretch Saved(const Stretch& stretch, std::string record = "") {
  return {stretch.project, stretch.start, stretch.comment, stretch.end, std::move(record),
          savedUnattended ? "1" : ""};
}

// Whether this copy of the program keeps the file: the owner of the data folder does. Another copy
// there neither saves a stretch nor offers the owner's back as if it had ended.
bool OwnsRunningFile() { return platform().ownsDataFolder; }

// How the background writes of the file went: the failure of the last save (shown until a save
// succeeds), and that of the last write of any kind.
struct Outcome {
  std::mutex mutex;
  std::string saveProblem, lastFailure;
};
Outcome& outcome() {
  static Outcome o;
  return o;
}

void Note(bool save, const std::string& failure) {
  Outcome& o = outcome();
  const std::lock_guard hold(o.mutex);
  o.lastFailure = failure;
  // A removal that worked leaves no stretch whose save could have failed.
  if (save || failure.empty()) o.saveProblem = failure;
}

// Puts text in the file, or removes it, on the background thread, under the report's lock like
// every other writer of the report's folder.
void PostRunningFile(std::optional<std::string> text, std::chrono::milliseconds delay = {}) {
  const Files files = *platform().files;
  const std::string folder = platform().system->DataFolder();
  // Named here, where the settings are read: in a shared folder the file is this machine's own.
  const std::string target = MachineFile(folder, kRunningFile), scratch = MachineFile(folder, kRunningScratch);
  BackgroundFiles().Post([files, folder, target, scratch, text = std::move(text)] {
    try {
      const Files::Lock lock = files.LockFor(JoinPath(folder, kReportFile));
      if (text)
        files.Replace(target, scratch, *text);
      else
        FileMissing([&] { files.Remove(target); });
    } catch (const RunError& e) {
      Note(text.has_value(), e.description().empty() ? "error " + std::to_string(e.number()) : e.description());
      throw;
    }
    Note(text.has_value(), "");
  }, delay);
}

bool WriteNow(std::optional<std::string> text) {
  PostRunningFile(std::move(text));
  return WaitForRunningFile();
}

// The saved file's text: nothing when it is missing or unreadable; its size alone (tooLarge) when
// it is too long to be one the program saved.
std::optional<std::string> ReadRunningFile(const Files& files, const std::string& path, size_t* tooLarge) {
  try {
    Files::Reader reader = files.OpenRead(path);
    std::string text;
    char block[1 << 16];
    while (const size_t n = reader.Read(block, sizeof block)) {
      text.append(block, n);
      if (text.size() > kMaxFileSize) {
        // Only its size is told: the rest is counted, not held, however large the file.
        size_t size = text.size();
        while (const size_t more = reader.Read(block, sizeof block)) size += more;
        *tooLarge = size;
        return std::nullopt;
      }
    }
    return text;
  } catch (const RunError&) {
    return std::nullopt;
  }
}

bool Before(const DateTime& a, const DateTime& b) { return a.day != b.day ? a.day < b.day : a.seconds < b.seconds; }

// Whether the report's recent lines already hold the stretch: its noted record anywhere among them
// (a later record may follow it, and the last line may lack its line end), or, where noting it
// failed, a record of its project, start and comment that ends no earlier than it was last seen.
bool AlreadyRecorded(const Files& files, const std::string& report, const DateFormat& form,
                     const RunningStretch& stretch) {
  std::string tail;
  if (FileMissing([&] { tail = files.ReadTail(report, kRecentBytes + 1); })) return false;
  std::vector<std::string> lines = SplitLines(tail);
  if (tail.size() > kRecentBytes && !lines.empty()) lines.erase(lines.begin());  // cut off at its start
  const std::optional<DateTime> seen = form.Parse(stretch.lastSeen);
  for (const std::string& line : lines) {
    if (!stretch.record.empty() && line == stretch.record) return true;
    const std::optional<RecordFields> fields = SplitRecord(line);
    if (!fields || !seen || fields->project != stretch.project || fields->start != stretch.start ||
        fields->comment != stretch.comment)
      continue;
    const std::optional<DateTime> end = form.Parse(fields->end);
    if (end && !Before(*end, *seen)) return true;
  }
  return false;
}

// Why End Then could not record the stretch as it stands; empty when it can.
std::string Flaw(const RunningStretch& stretch) {
  const DateFormat& form = ReportDateFormat();
  const std::optional<DateTime> start = form.Parse(stretch.start), seen = form.Parse(stretch.lastSeen);
  if (!start) return "its start, \"" + stretch.start + "\", is no date and time";
  if (!seen) return "the moment it was last seen, \"" + stretch.lastSeen + "\", is no date and time";
  if (Before(*seen, *start))
    return "it was last seen running at " + stretch.lastSeen + ", before its start " + stretch.start;
  return "";
}

}  // namespace

std::string RunningFileText(const RunningStretch& stretch) {
  std::string text(kHeader);
  text += "\r\n";
  for (const Key& key : kKeys) {
    const std::string& value = stretch.*key.field;
    if ((key.field == &RunningStretch::record || key.field == &RunningStretch::unattended) && value.empty())
      continue;
    text.append(key.name).append("=").append(value).append("\r\n");
  }
  return text.append(kEnd).append("\r\n");
}

std::optional<RunningStretch> ParseRunningFile(std::string_view text) {
  if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
  // A whole file ends with a line end; readers take LF alone as one too.
  if (text.empty() || text.back() != '\n') return std::nullopt;
  const std::vector<std::string> lines = SplitLines(text);
  if (lines.size() < 2 || lines.front() != kHeader || lines.back() != kEnd) return std::nullopt;
  RunningStretch stretch;
  unsigned found = 0;
  for (size_t i = 1; i + 1 < lines.size(); ++i) {
    const size_t equals = lines[i].find('=');
    if (equals == std::string::npos) return std::nullopt;
    for (unsigned k = 0; k < std::size(kKeys); ++k) {
      if (lines[i].substr(0, equals) != kKeys[k].name) continue;
      stretch.*kKeys[k].field = std::string(lines[i].substr(equals + 1));
      found |= 1u << k;
    }
  }
  // Every key but Record, and a start.
  if ((found & 15u) != 15u || stretch.start.empty()) return std::nullopt;
  return stretch;
}

bool IsRunning(const TrackingBoxes& form) {
  return ReportDateFormat().IsDate(form.StartText()) && form.EndText().empty();
}

void SaveRunning(const TrackingBoxes& form, std::optional<std::int64_t> leftAt, std::chrono::milliseconds delay) {
  // Like the background write itself, a failure here never interrupts the user.
  try {
    if (!IsRunning(form) || !OwnsRunningFile()) return;
    const std::string seen = leftAt ? ReportDateFormat().FormatGeneral(LocalOfInstant(*leftAt)) : NowText();
    PostRunningFile(RunningFileText(Saved(StretchOf(form, form.StartText(), seen))), delay);
  } catch (...) {
  }
}

void RunningBoxEdited(const TrackingBoxes& form) {
  if (IsRunning(form))
    SaveRunning(form);
  else
    ForgetRunning();
}

std::string RunningSaveProblem() {
  Outcome& o = outcome();
  const std::lock_guard hold(o.mutex);
  return o.saveProblem.empty() ? "" : Arg(Tr("Tracker", "The running stretch could not be saved: %1"), {o.saveProblem});
}

bool RecordStretch(const Stretch& stretch, std::string* noteProblem,
                   const std::function<bool(const std::string&)>& write) {
  const Platform& p = platform();
  WaitForRunningFile();
  const std::string path = DataFile(kRunningFile);
  const bool saved = OwnsRunningFile() && p.files->Exists(path);
  const std::string line = stretch.Line();
  // Until the record is there, the file holds the stretch as it ends now. Should noting the record
  // fail, the append still goes ahead: the record matters more, and the next start finds it in the
  // report all the same.
  if (saved) WriteNow(RunningFileText(Saved(stretch, line)));
  const bool written = write ? write(line) : Setup::WriteRecord(line);
  if (written && saved && !WriteNow(std::nullopt) && noteProblem) {
    const std::lock_guard hold(outcome().mutex);
    *noteProblem = Arg(Tr("Tracker", "The stretch is recorded in the report, but %1 could not be removed: %2. The next "
                                     "start will not offer it again."),
                       {path, outcome().lastFailure});
  }
  return written;
}

void SaveStretchesUnattended() { savedUnattended = true; }

std::optional<RunningStretch> SavedStretch() {
  WaitForRunningFile();
  size_t tooLarge = 0;
  const std::optional<std::string> text = ReadRunningFile(*platform().files, DataFile(kRunningFile), &tooLarge);
  return text ? ParseRunningFile(*text) : std::nullopt;
}

void ForgetRunning() {
  if (OwnsRunningFile()) PostRunningFile(std::nullopt);
}

bool WaitForRunningFile() { return BackgroundFiles().Wait(); }

FoundStretch FindSavedStretch() {
  const Platform& p = platform();
  WaitForRunningFile();
  if (!OwnsRunningFile()) return {};
  const std::string path = DataFile(kRunningFile);
  size_t tooLarge = 0;
  const std::optional<std::string> text = ReadRunningFile(*p.files, path, &tooLarge);
  std::optional<RunningStretch> stretch = text ? ParseRunningFile(*text) : std::nullopt;
  if (stretch && (stretch->project.size() > kMaxProjectBytes || stretch->comment.size() > kMaxCommentBytes))
    tooLarge = text->size(), stretch.reset();
  if (tooLarge) {
    FoundStretch found;
    found.kind = FoundStretch::kTooLarge;
    found.message = Arg(Tr("Tracker", "%1 (%2 bytes) is larger than any running stretch %3 saves, so it is not offered "
                                      "back. It is left as it is."),
                        {path, std::to_string(tooLarge), kProductName});
    return found;
  }
  if (!stretch) return {};
  if (!stretch->unattended.empty() && stretch->record.empty()) return {FoundStretch::kUnattended, *stretch, {}, {}};
  const std::string report = DataFile(kReportFile);
  try {
    const DateFormat& dates = ReportDateFormat();  // settled under a lock of its own
    const Files::Lock lock = p.files->LockFor(report);
    if (AlreadyRecorded(*p.files, report, dates, *stretch)) {
      // Recorded before the program ended; only the removal was left to do.
      FileMissing([&] { p.files->Remove(path); });
      return {};
    }
  } catch (const RunError&) {
    // Not knowing whether the record got there, the user is asked.
  }
  return {FoundStretch::kToOffer, *stretch, Flaw(*stretch), {}};
}

void DiscardSaved() { WriteNow(std::nullopt); }

}  // namespace tw
