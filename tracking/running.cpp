#include "tracking/running.h"

#include <utility>
#include <vector>

#include "platform/latest_writer.h"
#include "platform/lines.h"
#include "platform/platform.h"
#include "platform/shared_folder.h"
#include "report/append.h"
#include "report/record.h"
#include "report/report_files.h"
#include "report/report_form.h"
#include "tracking/stretch.h"
#include "tracking/write_record.h"

namespace tw {
namespace {

constexpr std::string_view kHeader = "Tallywright running stretch";
constexpr std::string_view kEnd = "End";
// A saved stretch is a few lines (its comment may be long); anything longer is not one.
constexpr size_t kMaxFileSize = 16 << 20;

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

// The stretch as the main window holds it; project, start and comment as WriteRecord takes them.
RunningStretch StretchOf(const MainView& form, const std::string& start, const std::string& lastSeen) {
  return {RecordField(ChosenProject(form)), RecordField(start), RecordComment(form.Comments()),
          RecordComment(lastSeen), "", savedUnattended ? "1" : ""};
}

// Whether this copy of the program keeps the file: the owner of the data folder does. Another copy
// there neither saves a stretch nor offers the owner's back as if it had ended.
bool OwnsRunningFile() { return platform().ownsDataFolder; }

// Puts text in the file, or removes it, on the background thread, under the report's lock like
// every other writer of the report's folder.
void PostRunningFile(std::optional<std::string> text) {
  const Files files = *platform().files;
  const std::string folder = platform().system->DataFolder();
  // Named here, where the settings are read: in a shared folder the file is this machine's own.
  const std::string target = MachineFile(folder, kRunningFile), scratch = MachineFile(folder, kRunningScratch);
  BackgroundFiles().Post([files, folder, target, scratch, text = std::move(text)] {
    const Files::Lock lock = files.LockFor(JoinPath(folder, kReportFile));
    if (text)
      files.Replace(target, scratch, *text);
    else
      FileMissing([&] { files.Remove(target); });
  });
}

bool WriteNow(std::optional<std::string> text) {
  PostRunningFile(std::move(text));
  return WaitForRunningFile();
}

// The saved file's text; empty when it is missing, unreadable or too long to be one.
std::string ReadRunningFile(const Files& files, const std::string& path) {
  try {
    Files::Reader reader = files.OpenRead(path);
    std::string text;
    char block[1 << 16];
    while (const size_t n = reader.Read(block, sizeof block)) {
      text.append(block, n);
      if (text.size() > kMaxFileSize) return "";
    }
    return text;
  } catch (const RunError&) {
    return "";
  }
}

// Whether the report's last line is line: the append of an ended stretch got there.
bool ReportEndsWith(const Files& files, const std::string& report, const std::string& line) {
  std::string tail;
  if (FileMissing([&] { tail = files.ReadTail(report, line.size() + 3); })) return false;
  const std::string ending = line + "\r\n";
  if (tail.size() < ending.size() || tail.compare(tail.size() - ending.size(), ending.size(), ending) != 0)
    return false;
  const char before = tail.size() == ending.size() ? '\n' : tail[tail.size() - ending.size() - 1];
  return before == '\n' || before == '\r';
}

void PutBack(MainView& form, const RunningStretch& stretch, const std::string& end) {
  // The start goes in last, so that the window runs only with the whole stretch in place.
  form.SetEndText(end);
  int index = -1;
  for (int i = 0; i < form.ProjectCount() && index < 0; ++i)
    if (RecordField(form.ProjectAt(i)) == stretch.project) index = i;
  if (index >= 0)
    form.SetProjectIndex(index);
  else
    form.SetProjectText(stretch.project);
  form.SetComments(stretch.comment);
  form.SetStartText(stretch.start);
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

bool IsRunning(const MainView& form) {
  return ReportDateFormat().IsDate(form.StartText()) && form.EndText().empty();
}

void SaveRunning(const MainView& form) {
  // Like the background write itself, a failure here never interrupts the user.
  try {
    if (IsRunning(form) && OwnsRunningFile())
      PostRunningFile(RunningFileText(StretchOf(form, form.StartText(), NowText())));
  } catch (...) {
  }
}

bool RecordStretch(const MainView& form, const std::string& start, const std::string& end) {
  const Platform& p = platform();
  WaitForRunningFile();
  const bool saved = OwnsRunningFile() && p.files->Exists(DataFile(kRunningFile));
  if (saved) {
    // Until the record is there, the file holds the stretch as it ends now. Should noting the record
    // fail, the append still goes ahead: the record matters more.
    RunningStretch ending = StretchOf(form, start, end);
    ending.record = RecordLine(ChosenProject(form), start, end, form.Comments());
    ending.record.resize(ending.record.size() - 2);
    WriteNow(RunningFileText(ending));
  }
  const bool written = Setup::WriteRecord(form, start, end);
  if (written && saved) WriteNow(std::nullopt);
  return written;
}

void SaveStretchesUnattended() { savedUnattended = true; }

std::optional<RunningStretch> SavedStretch() {
  WaitForRunningFile();
  return ParseRunningFile(ReadRunningFile(*platform().files, DataFile(kRunningFile)));
}

void ForgetRunning() {
  if (OwnsRunningFile()) PostRunningFile(std::nullopt);
}

bool WaitForRunningFile() { return BackgroundFiles().Wait(); }

void OfferRunningStretch(MainView& form) {
  const Platform& p = platform();
  WaitForRunningFile();
  if (!OwnsRunningFile()) return;
  const std::string path = DataFile(kRunningFile);
  const std::optional<RunningStretch> stretch = ParseRunningFile(ReadRunningFile(*p.files, path));
  if (!stretch) return;
  if (!stretch->unattended.empty() && stretch->record.empty()) {
    PutBack(form, *stretch, "");
    SaveRunning(form);
    return;
  }
  if (!stretch->record.empty()) {
    const std::string report = DataFile(kReportFile);
    try {
      const Files::Lock lock = p.files->LockFor(report);
      if (ReportEndsWith(*p.files, report, stretch->record)) {
        // Recorded before the program ended; only the removal was left to do.
        FileMissing([&] { p.files->Remove(path); });
        return;
      }
    } catch (const RunError&) {
      // Not knowing whether the record got there, the user is asked.
    }
  }
  const std::string prompt = "The stretch of " + stretch->project + " started " + stretch->start +
                             " was still running when " + kProductName + " last ended, at about " +
                             stretch->lastSeen + ".";
  const int answer = p.dialogs->Choose(prompt, kProductName, {"&Keep Running", "&End Then", "&Discard"}, 0, 0);
  if (answer == 0) {
    PutBack(form, *stretch, "");
    SaveRunning(form);
  } else if (answer == 1) {
    PutBack(form, *stretch, stretch->lastSeen);
    EndProject(form);
  } else {
    WriteNow(std::nullopt);
  }
}

}  // namespace tw
