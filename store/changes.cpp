#include "store/changes.h"

#include <sys/stat.h>

#include <algorithm>
#include <utility>

#include "platform/lines.h"
#include "platform/platform.h"
#include "platform/product.h"
#include "platform/settings.h"
#include "platform/shared_folder.h"
#include "platform/translate.h"
#include "report/amendment.h"
#include "report/record.h"
#include "report/report_files.h"
#include "report/report_form.h"
#include "report/rewrite.h"
#include "store/day_index.h"
#include "store/machine_claim.h"

namespace tw {
namespace {

constexpr size_t kChunk = 1 << 20;

// Calls take with the bytes [at, at + size) of the file at path, a block at a time.
template <class Take>
void ForEachChunk(const Files& files, const std::string& path, std::uint64_t at, std::uint64_t size, Take&& take) {
  while (size > 0) {
    const std::string chunk = files.ReadAt(path, at, static_cast<size_t>(std::min<std::uint64_t>(size, kChunk)));
    if (chunk.empty()) throw RunError(kErrFileNotFound, path + " is shorter than it was");
    take(std::string_view(chunk));
    at += chunk.size();
    size -= chunk.size();
  }
}

struct Hasher {
  std::uint64_t hash = 14695981039346656037ull;  // FNV-1a
  void Take(std::string_view bytes) {
    for (unsigned char c : bytes) hash = (hash ^ c) * 1099511628211ull;
  }
  std::string Text() const {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string out(16, '0');
    for (int i = 15, shift = 0; i >= 0; --i, shift += 4) out[static_cast<size_t>(i)] = kDigits[(hash >> shift) & 15];
    return out;
  }
};

std::string HashOfRange(const Files& files, const std::string& path, std::uint64_t at, std::uint64_t size) {
  Hasher h;
  ForEachChunk(files, path, at, size, [&](std::string_view bytes) { h.Take(bytes); });
  return h.Text();
}

// Writes the file at path anew as its bytes before `at`, then the file `insert` (if any), then its
// bytes after `at + cut`: through its scratch file, in one rename.
void Splice(const Files& files, const std::string& path, const std::string& scratch, std::uint64_t at,
            std::uint64_t cut, const std::string& insert) {
  const std::uint64_t size = files.SizeOf(path);
  const std::uint64_t inserted = insert.empty() ? 0 : files.SizeOf(insert);
  if (at + cut > size) throw RunError(kErrPathAccess, path + " changed while it was being rewritten");
  Files::Replacement out = files.BeginReplace(path, scratch);
  const auto write = [&](std::string_view bytes) { out.Write(bytes); };
  if (files.Exists(path)) ForEachChunk(files, path, 0, at, write);
  if (!insert.empty()) ForEachChunk(files, insert, 0, inserted, write);
  if (files.Exists(path)) ForEachChunk(files, path, at + cut, size - at - cut, write);
  out.Commit();
}

// Copies [at, at + size) of the file at from into a file of its own at to.
void CopyRange(const Files& files, const std::string& from, std::uint64_t at, std::uint64_t size, const std::string& to) {
  Files::Replacement out = files.BeginReplace(to, to + ".tmp");
  ForEachChunk(files, from, at, size, [&](std::string_view bytes) { out.Write(bytes); });
  out.Commit();
}

// Where a block of bytes whose hash is known stands in the file: at `at` when it is there, else
// at the start of a line holding `firstLine` where it is; nothing when it is nowhere.
std::optional<std::uint64_t> FindBlock(const Files& files, const std::string& path, std::uint64_t at,
                                       std::uint64_t size, const std::string& hash, const std::string& firstLine) {
  const std::uint64_t total = files.SizeOf(path);
  if (at + size <= total && HashOfRange(files, path, at, size) == hash) return at;
  if (firstLine.empty()) return std::nullopt;
  std::vector<std::uint64_t> candidates;
  FileMissing([&] {
    Files::Reader reader = files.OpenRead(path);
    LineReader lines(reader);
    for (std::string_view line; lines.Next(line);)
      if (line == firstLine) candidates.push_back(lines.offset());
  });
  for (std::uint64_t c : candidates)
    if (c + size <= total && HashOfRange(files, path, c, size) == hash) return c;
  return std::nullopt;
}

// Inserts a line (and its CR LF) into the report at the line that starts at `offset`, or after its
// last line: a deleted entry put back where it stood.
void InsertLine(const Files& files, const std::string& path, const std::string& scratch, std::uint64_t offset,
                const std::string& line) {
  BeforeRewrite(path);
  Files::Replacement out = files.BeginReplace(path, scratch);
  std::optional<std::uint64_t> at;  // where it is put in the new report
  std::uint64_t written = 0;
  const auto write = [&](std::string_view text) {
    out.Write(text);
    out.Write("\r\n");
    written += text.size() + 2;
  };
  FileMissing([&] {
    Files::Reader reader = files.OpenRead(path);
    LineReader lines(reader);
    for (std::string_view text; lines.Next(text);) {
      if (!at && lines.offset() >= offset) at = written, write(line);
      if (!text.empty()) write(text);
    }
  });
  if (!at) at = written, write(line);
  out.Commit();
  NoteRewritten(path, {*at, 0, line});
}

std::string FirstLineOf(const Files& files, const std::string& path, std::uint64_t at) {
  const std::string head = files.ReadAt(path, at, 4096);
  const size_t end = head.find_first_of("\r\n");
  return end == std::string::npos ? std::string() : head.substr(0, end);
}

std::string KindWords(StepKind kind) {
  switch (kind) {
    case StepKind::Edit: return "the edit of ";
    case StepKind::Delete: return "the deletion of ";
    case StepKind::Add: return "the stretch added, ";
    case StepKind::Import: return "the import ";
    case StepKind::Clear: return "Clear Report";
    case StepKind::Restore: return "Restore Report";
    case StepKind::Merge: return "the merge of ";
  }
  return "";
}

}  // namespace

void PruneHistory() {
  try {
    const Platform& p = platform();
    const std::string text = p.settings->GetSetting(kProductName, kSettingsSection, kHistoryDaysKey, "");
    int days = kHistoryDaysDefault;
    if (!text.empty() && text.size() <= 6 && text.find_first_not_of("0123456789") == std::string::npos)
      days = std::stoi(text);
    History(*p.files, ProgramDataFolder()).Prune(p.clock->UnixNow(), days);
  } catch (const std::exception&) {
  }
}

std::string RecordWords(std::string_view record) {
  const auto fields = SplitRecord(record);
  if (!fields) return std::string(record);
  return std::string(fields->project) + " " + std::string(fields->start);
}

std::string OriginWords(std::string_view origin) {
  if (origin == kFromWindow) return Tr("History", "window");
  if (origin == kFromCommandLine) return Tr("History", "command line");
  return std::string(origin);  // D-Bus, as in every language, and what other versions write
}

std::string StepWords(std::string_view what) {
  // The forms the program writes (KindWords, a split's and an import's own words), each with what
  // follows it; any other text is shown as it was written.
  static constexpr std::pair<std::string_view, const char*> kForms[] = {
      {"the edit of ", TW_TEXT("History", "the edit of %1")},
      {"the deletion of ", TW_TEXT("History", "the deletion of %1")},
      {"the stretch added, ", TW_TEXT("History", "the stretch added, %1")},
      {"the split of ", TW_TEXT("History", "the split of %1")},
      {"the merge of ", TW_TEXT("History", "the merge of %1")},
  };
  for (const auto& [english, form] : kForms)
    if (what.starts_with(english)) return Arg(Tr("History", form), {what.substr(english.size())});
  if (what == "Clear Report") return Tr("History", "Clear Report");
  if (what == "Restore Report") return Tr("History", "Restore Report");
  constexpr std::string_view import = "the import of ";
  if (what.starts_with(import)) {
    const std::string_view rest = what.substr(import.size());
    const size_t digits = rest.find_first_not_of("0123456789");
    const std::string_view unit = digits == std::string_view::npos ? "" : rest.substr(digits);
    if (digits > 0 && digits <= 12 && (unit == " stretch" || unit == " stretches")) {
      // The count as a plain name: lupdate reads no expression in a call's last argument.
      const long long count = std::stoll(std::string(rest.substr(0, digits)));
      return TrN("History", "the import of %n stretches", "the import of %n stretch", count);
    }
  }
  return std::string(what);
}

std::string BytesHash(std::string_view bytes) {
  Hasher h;
  h.Take(bytes);
  return h.Text();
}

Changes::Changes(const Files& files, DataFolder folder, std::string origin, std::int64_t unixNow)
    : files_(&files),
      // This machine's name in a shared folder settled before anything is written under it.
      folder_(ReadyToWrite(files, folder)),
      origin_(std::move(origin)),
      now_(unixNow),
      history_(files, folder_) {}

HistoryStep Changes::Record(HistoryStep step) {
  step.stamp = UtcStamp(now_);
  step.origin = origin_;
  step.group = group_;
  if (!what_.empty()) step.what = std::exchange(what_, {});
  HistoryStep added = history_.Add(std::move(step));
  if (together_ && group_ == 0) group_ = added.number;
  return added;
}

bool Changes::Change(const RecordRef& record, const std::optional<std::string>& replacement) {
  const Files::Lock lock = files_->LockFor(folder_.File(kReportFile));
  if (!ChangeRecord(*files_, folder_, record, replacement, now_)) return false;
  HistoryStep step;
  step.kind = replacement ? StepKind::Edit : StepKind::Delete;
  step.file = record.file;
  step.record = record.text;
  step.offset = record.offset;
  step.before = record.Shown();
  step.after = replacement.value_or("");
  step.what = KindWords(step.kind) + RecordWords(step.before);
  Record(std::move(step));
  return true;
}

void Changes::Add(std::string_view line) {
  const Files::Lock lock = files_->LockFor(folder_.File(kReportFile));
  const std::string report = folder_.Report();
  std::uint64_t at = files_->SizeOf(report);
  // An append after a last line without its line end gives it one first.
  if (at > 0) {
    const std::string last = files_->ReadAt(report, at - 1, 1);
    if (last != "\n" && last != "\r") at += 2;
  }
  HistoryStep step;
  step.made = files_->Exists(report) ? 0 : 1;
  AppendRecordLine(*files_, folder_, line);
  step.kind = StepKind::Add;
  step.file = folder_.OwnName(kReportFile);
  step.record = std::string(line);
  step.offset = at;
  step.after = std::string(line);
  step.what = KindWords(StepKind::Add) + RecordWords(line);
  Record(std::move(step));
}

bool Changes::Clear() {
  const Files::Lock lock = files_->LockFor(folder_.File(kReportFile));
  const std::string report = folder_.Report();
  if (!files_->Exists(report)) return false;
  HistoryStep step;
  step.kind = StepKind::Clear;
  step.number = history_.Read().next;
  step.aside = history_.NewAsideName(step.number, "");
  step.size = files_->SizeOf(report);
  step.what = KindWords(StepKind::Clear);
  // The report's file itself is put aside: nothing is copied, and a crash leaves it either there
  // or aside, where the history's step names it.
  files_->Rename(report, history_.AsidePath(step.aside));
  Record(std::move(step));
  return true;
}

bool Changes::Restore() {
  const Files::Lock lock = files_->LockFor(folder_.File(kReportFile));
  const std::string report = folder_.Report(), backup = folder_.Own(kBackupFile);
  if (!files_->Exists(backup)) return false;
  HistoryStep step;
  step.kind = StepKind::Restore;
  step.number = history_.Read().next;
  step.put = history_.NewAsideName(step.number, "b");
  files_->Copy(backup, history_.AsidePath(step.put), history_.AsidePath(step.put) + ".tmp");
  if (files_->Exists(report)) {
    step.aside = history_.NewAsideName(step.number, "");
    files_->Copy(report, history_.AsidePath(step.aside), history_.AsidePath(step.aside) + ".tmp");
  }
  step.size = files_->SizeOf(history_.AsidePath(step.put));
  step.what = KindWords(StepKind::Restore);
  // The backup replaces the report in one rename; there is no moment without a report.
  files_->Copy(backup, report, folder_.Own(kReportScratch));
  Record(std::move(step));
  return true;
}

void Changes::Appended(StepKind kind, std::uint64_t at, std::uint64_t size, std::string what, bool made) {
  if (size == 0) return;
  const std::string report = folder_.Report();
  HistoryStep step;
  step.kind = kind;
  step.at = at;
  step.size = size;
  step.hash = HashOfRange(*files_, report, at, size);
  step.made = made ? 1 : 0;
  // The first line of the block, to find it again should lines before it move.
  step.record = FirstLineOf(*files_, report, at);
  step.what = KindWords(kind) + what;
  Record(std::move(step));
}

std::string Changes::Apply(const HistoryStep& step, bool undo, std::string& aside) {
  const std::string report = folder_.Report(), scratch = folder_.Own(kReportScratch);
  switch (step.kind) {
    case StepKind::Edit:
    case StepKind::Delete:
    case StepKind::Add: {
      // What the record shows before the change and after it, in the direction asked.
      const bool added = step.kind == StepKind::Add;
      const std::optional<std::string> from = undo ? (step.kind == StepKind::Delete ? std::nullopt : std::optional(step.after))
                                                   : (added ? std::nullopt : std::optional(step.before));
      const std::optional<std::string> to = undo ? (added ? std::nullopt : std::optional(step.before))
                                                 : (step.kind == StepKind::Delete ? std::nullopt : std::optional(step.after));
      if (folder_.shared) {
        const RecordStore store(*files_, ReadFolderReports(*files_, folder_.path, platform().dateFormat->data(), ReportDateFormat()));
        const RecordRef ref{step.file, step.offset, step.record, ""};
        const auto now = store.Current(ref);
        if (!now) return Arg(Tr("History", "the stretch %1 is no longer in the record"), {RecordWords(step.record)});
        // An added stretch not yet amended shows as recorded; the step wants it there or deleted.
        const std::optional<std::string> wanted = added && !undo ? std::optional(step.record) : to;
        if (now->shown == wanted) return "";  // made already (a crash came before the history heard of it)
        if (now->shown != (added && undo ? std::optional(step.record) : from))
          return Arg(Tr("History", "the stretch %1 was changed since, on this machine or another"), {RecordWords(step.record)});
        AppendAmendment(*files_, report, Amendment{UtcStamp(now_), step.file, now->offset, step.record, wanted});
        return "";
      }
      // A folder of one machine: the line itself is rewritten. Where the report shows the change
      // made already (a crash came between the report and the history), only the history is told.
      const auto holds = [&](const std::string& text) {
        bool found = false;
        FileMissing([&] {
          Files::Reader reader = files_->OpenRead(report);
          LineReader lines(reader);
          for (std::string_view line; !found && lines.Next(line);) found = line == text;
        });
        return found;
      };
      if (!from) {
        // Putting a deleted entry back, or an added one again, where it stood.
        if (!holds(*to)) InsertLine(*files_, report, scratch, step.offset, *to);
        return "";
      }
      bool done = false;
      FileMissing([&] { done = RewriteRecordLine(*files_, folder_, SourceLine{step.offset, *from}, to); });
      if (!done && !(to ? holds(*to) : !holds(*from)))
        return Arg(Tr("History", "the stretch %1 was changed since"), {RecordWords(*from)});
      // An added stretch that made the report takes it along.
      if (added && step.made && files_->Exists(report) && files_->SizeOf(report) == 0) files_->Remove(report);
      return "";
    }
    case StepKind::Import:
    case StepKind::Merge: {
      const std::string taken = history_.AsidePath(history_.NewAsideName(step.number, "u"));
      if (undo) {
        aside = history_.NewAsideName(step.number, "u");
        const auto at = FindBlock(*files_, report, step.at, step.size, step.hash, step.record);
        if (!at) {
          // Taken out already, where its bytes are put aside whole.
          if (files_->SizeOf(taken) == step.size && HashOfRange(*files_, taken, 0, step.size) == step.hash) return "";
          return Tr("History", "its records were changed since");
        }
        CopyRange(*files_, report, *at, step.size, taken);
        if (step.made && files_->SizeOf(report) == step.size)
          files_->Remove(report);  // the report the import made goes with it
        else
          Splice(*files_, report, scratch, *at, step.size, "");
        return "";
      }
      const std::string put = history_.AsidePath(history_.Read().AsideOfUndo(step.number));
      if (FindBlock(*files_, report, step.at, step.size, step.hash, step.record)) return "";  // put back already
      if (!files_->Exists(put)) return Tr("History", "the records it took out are gone");
      Splice(*files_, report, scratch, std::min(step.at, files_->SizeOf(report)), 0, put);
      return "";
    }
    case StepKind::Clear:
    case StepKind::Restore: {
      // The report then: put aside; now: what was put in its place, and what came after.
      const std::string then = step.aside.empty() ? "" : history_.AsidePath(step.aside);
      const std::string in = step.put.empty() ? "" : history_.AsidePath(step.put);
      const std::string& expected = undo ? in : then;
      const std::string& wanted = undo ? then : in;
      const std::uint64_t expectedSize = expected.empty() ? 0 : files_->SizeOf(expected);
      if ((!wanted.empty() && !files_->Exists(wanted)) || (!expected.empty() && !files_->Exists(expected)))
        return Tr("History", "the report it put aside is gone");
      const auto startsWith = [&](const std::string& file) {
        const std::uint64_t size = file.empty() ? 0 : files_->SizeOf(file);
        return files_->SizeOf(report) >= size &&
               (size == 0 || HashOfRange(*files_, report, 0, size) == HashOfRange(*files_, file, 0, size));
      };
      // Made already (a crash came between the report and the history)? The longer of the two is
      // asked first, since one may begin with the other (a backup is how the report began).
      const std::uint64_t wantedSize = wanted.empty() ? 0 : files_->SizeOf(wanted);
      if (wantedSize > expectedSize && startsWith(wanted)) return "";
      if (!startsWith(expected)) {
        if (wantedSize > 0 && startsWith(wanted)) return "";
        return Tr("History", "the report was changed since");
      }
      if (wanted.empty() && files_->SizeOf(report) == expectedSize) {
        // No report then (Clear Report made again, or undoing a restore into a folder without
        // one), and nothing recorded since.
        FileMissing([&] { files_->Remove(report); });
        return "";
      }
      Splice(*files_, report, scratch, 0, expectedSize, wanted);
      return "";
    }
  }
  return "";
}

namespace {

// The steps Undo (or Redo) takes together from the end of `stack`: the last, and the steps of its
// change before it.
std::vector<const HistoryStep*> LastChange(const HistoryState& state, const std::vector<std::uint64_t>& stack) {
  std::vector<const HistoryStep*> steps;
  for (auto at = stack.rbegin(); at != stack.rend(); ++at) {
    const HistoryStep* step = state.Step(*at);
    if (!step) break;
    if (!steps.empty()) {
      const std::uint64_t group = steps.front()->group ? steps.front()->group : steps.front()->number;
      if ((step->group ? step->group : step->number) != group) break;
    }
    steps.push_back(step);
  }
  return steps;
}

}  // namespace

Changes::Outcome Changes::Take(bool undo, bool dryRun) {
  const Files::Lock lock = files_->LockFor(folder_.File(kReportFile));
  const HistoryState state = history_.Read();
  Outcome outcome;
  const std::vector<const HistoryStep*> steps = LastChange(state, undo ? state.done : state.undone);
  if (steps.empty()) {
    outcome.refusal = undo ? Tr("History", "there is nothing to undo") : Tr("History", "there is nothing to redo");
    return outcome;
  }
  // A change of several steps is described by its first.
  outcome.what = StepWords((undo ? steps.back() : steps.front())->what);
  if (dryRun) return outcome;
  for (const HistoryStep* step : steps) {
    std::string aside;
    outcome.refusal = Apply(*step, undo, aside);
    if (!outcome.refusal.empty()) return outcome;
    history_.Mark(undo, step->number, UtcStamp(now_), origin_, aside);
  }
  outcome.done = true;
  return outcome;
}

Changes::Outcome Changes::Undo(bool dryRun) { return Take(true, dryRun); }
Changes::Outcome Changes::Redo(bool dryRun) { return Take(false, dryRun); }

std::string Changes::NextUndo() const {
  const HistoryState state = history_.Read();
  const std::vector<const HistoryStep*> steps = LastChange(state, state.done);
  return steps.empty() ? "" : StepWords(steps.back()->what);
}

std::string Changes::NextRedo() const {
  const HistoryState state = history_.Read();
  const std::vector<const HistoryStep*> steps = LastChange(state, state.undone);
  return steps.empty() ? "" : StepWords(steps.front()->what);
}

}  // namespace tw
