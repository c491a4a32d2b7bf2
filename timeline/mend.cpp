#include "timeline/mend.h"

#include <algorithm>

#include "platform/platform.h"
#include "report/record.h"
#include "report/report_form.h"
#include "tracking/running.h"
#include "tracking/write_record.h"
#include "platform/translate.h"

namespace tw {
namespace {

MendResult Result(MendOutcome outcome, std::string message = "") { return {outcome, std::move(message)}; }

// A stretch as a question names it: "Website redesign, Monday 9:03 to 10:15".
std::string Named(const std::string& project, std::int64_t from, std::int64_t to) {
  return project + ", " + SpanText(*platform().dateFormat, from, to, true);
}

// The stretches that started from `first` to `last`; none where the folder holds no report yet.
std::vector<StoredStretch> Read(const MendPlace& place, std::int64_t first, std::int64_t last) {
  std::vector<StoredStretch> found;
  FileMissing([&] { found = place.store->Stretches(Period{first, last}); });
  return found;
}

// The question for a change that would overlap other stretches (the stretch itself aside, and the
// running stretch counted where it is not the one changed); empty when nothing overlaps.
std::string OverlapQuestion(const MendPlace& place, const std::vector<StoredStretch>& around, const RecordId* self,
                            std::int64_t from, std::int64_t to, bool countRunning) {
  std::vector<std::string> names;
  for (const StoredStretch* s : Overlapping(around, from, to, self)) {
    const std::int64_t a = MomentOf(s->start), b = s->end ? MomentOf(*s->end) : a;
    names.push_back(Named(std::string(s->fields().project), std::min(a, b), std::max(a, b)));
  }
  if (countRunning && place.tracker)
    if (const auto running = place.tracker->Running()) {
      const std::int64_t a = MomentOf(running->start);
      if (a < to && place.unixNow > from) names.push_back(Arg(Tr("Timeline", "%1 (running)"), {Named(running->project, a, std::max(a, place.unixNow))}));
    }
  if (names.empty()) return "";
  if (names.size() == 1) return Arg(Tr("Timeline", "This would overlap %1. Change it anyway?"), {names.front()});
  if (names.size() == 2)
    return Arg(Tr("Timeline", "This would overlap %1 and %2. Change it anyway?"), {names.front(), names[1]});
  // The count as a plain name: lupdate reads no expression in a call's last argument.
  const auto others = static_cast<long long>(names.size() - 1);
  return Arg(TrN("Timeline", "This would overlap %1 and %n other stretches. Change it anyway?",
                 "This would overlap %1 and %n other stretch. Change it anyway?", others),
             {names.front()});
}

std::int64_t DayOf(std::int64_t moment) { return LocalOf(moment).day; }

// The one write of a change of `was`: read again, compared with what was shown, checked for
// overlaps at [from, to) when it is given a new place, written.
MendResult Write(const MendPlace& place, const StoredStretch& was, const std::optional<std::string>& replacement,
                 std::optional<std::pair<std::int64_t, std::int64_t>> span, bool overlapConfirmed, StoreChange* made) {
  try {
    std::int64_t first = was.start.day, last = was.start.day;
    if (span) {
      first = std::min(first, DayOf(span->first) - 1);
      last = std::max(last, DayOf(span->second));
    }
    const std::vector<StoredStretch> around = Read(place, first, last);
    const auto now = std::find_if(around.begin(), around.end(), [&](const StoredStretch& s) { return s.id == was.id; });
    if (now == around.end() || now->shown != was.shown) return Result(MendOutcome::Stale);
    if (span && !overlapConfirmed) {
      const std::string question = OverlapQuestion(place, around, &was.id, span->first, span->second, true);
      if (!question.empty()) return Result(MendOutcome::Confirm, question);
    }
    const RecordRef ref = RefOf(*now);
    if (!ChangeRecord(*place.files, place.folder, ref, replacement, place.unixNow)) return Result(MendOutcome::Stale);
    if (made) *made = StoreChange{StoreChange::Change, ref, replacement, ""};
    return Result(MendOutcome::Written);
  } catch (const RunError& e) {
    return Result(MendOutcome::Failed, Arg(Tr("Timeline", "The report could not be changed: %1"), {e.description()}));
  }
}

// The form of this machine's own report, which a new record is written in.
DateFormat OwnForm(const MendPlace& place) {
  for (const ReportSource& r : place.store->reports().reports)
    if (r.path == place.folder.Report()) return *r.format;
  return ReportDateFormat(true);
}

}  // namespace

MendResult ChangeTimes(const MendPlace& place, const StoredStretch& was, const DateTime& start, const DateTime& end,
                       bool overlapConfirmed, StoreChange* made) {
  const std::int64_t from = MomentOf(start), to = MomentOf(end);
  if (to <= from) return Result(MendOutcome::Refused, Tr("Timeline", kEndBeforeStart));
  const RecordFields f = was.fields();
  const std::string line =
      RecordLine(f.project, was.format->FormatGeneral(start), was.format->FormatGeneral(end), f.comment);
  return Write(place, was, line, std::pair{from, to}, overlapConfirmed, made);
}

MendResult ChangeEntry(const MendPlace& place, const StoredStretch& was, const EntryTexts& entry,
                       bool overlapConfirmed, StoreChange* made) {
  const DateFormat& form = *was.format;
  if (const auto problem = CheckEntry(entry, form, form.FormatGeneral(LocalOf(place.unixNow))))
    return Result(MendOutcome::Refused, problem->message);
  const std::int64_t from = MomentOf(*form.Parse(entry.start)), to = MomentOf(*form.Parse(entry.end));
  if (to <= from) return Result(MendOutcome::Refused, Tr("Timeline", kEndBeforeStart));
  return Write(place, was, EntryLine(entry), std::pair{from, to}, overlapConfirmed, made);
}

MendResult DeleteStretch(const MendPlace& place, const StoredStretch& was, StoreChange* made) {
  return Write(place, was, std::nullopt, std::nullopt, false, made);
}

MendResult AddStretch(const MendPlace& place, const EntryTexts& entry, bool overlapConfirmed, StoreChange* made) {
  try {
    const DateFormat form = OwnForm(place);
    if (entry.project.empty()) return Result(MendOutcome::Refused, Tr("Timeline", "Choose or type the stretch's project."));
    if (const auto problem = CheckEntry(entry, form, form.FormatGeneral(LocalOf(place.unixNow))))
      return Result(MendOutcome::Refused, problem->message);
    const DateTime start = *form.Parse(entry.start), end = *form.Parse(entry.end);
    const std::int64_t from = MomentOf(start), to = MomentOf(end);
    if (to <= from) return Result(MendOutcome::Refused, Tr("Timeline", kEndBeforeStart));
    if (!overlapConfirmed) {
      const std::string question = OverlapQuestion(place, Read(place, start.day - 1, end.day), nullptr, from, to, true);
      if (!question.empty()) return Result(MendOutcome::Confirm, question);
    }
    // Written in the report's own form, as EndProject writes, whatever form the boxes were typed in.
    const std::string line = RecordLine(entry.project, form.FormatGeneral(start), form.FormatGeneral(end), entry.comment);
    AppendRecordLine(*place.files, place.folder, line);
    if (made) *made = StoreChange{StoreChange::Append, {}, std::nullopt, line};
    return Result(MendOutcome::Written);
  } catch (const RunError& e) {
    return Result(MendOutcome::Failed, Arg(Tr("Timeline", "The stretch could not be added to the report: %1"), {e.description()}));
  }
}

MendResult MoveRunningStart(const MendPlace& place, const RunningStretchView& was, const DateTime& start,
                            bool overlapConfirmed) {
  if (!place.tracker || place.tracker->Running() != was) return Result(MendOutcome::Stale);
  const std::int64_t from = MomentOf(start);
  if (from > place.unixNow) return Result(MendOutcome::Refused, Tr("Timeline", kRunningStartAfterNow));
  if (!overlapConfirmed) {
    try {
      const std::string question =
          OverlapQuestion(place, Read(place, start.day - 1, DayOf(place.unixNow)), nullptr, from, place.unixNow, false);
      if (!question.empty()) return Result(MendOutcome::Confirm, question);
    } catch (const RunError& e) {
      return Result(MendOutcome::Failed, Arg(Tr("Timeline", "The report could not be read: %1"), {e.description()}));
    }
  }
  if (!place.tracker->MoveStart(start)) return Result(MendOutcome::Failed, Tr("Timeline", "The running stretch's start could not be moved."));
  return Result(MendOutcome::Written);
}

MendResult MoveBlock(const MendPlace& place, const Block& block, const DateTime& start, const DateTime& end,
                     bool overlapConfirmed, StoreChange* made) {
  if (block.stored) return ChangeTimes(place, *block.stored, start, end, overlapConfirmed, made);
  if (MomentOf(end) != block.to) return Result(MendOutcome::Refused, Tr("Timeline", kRunningEndsByEndProject));
  return MoveRunningStart(place, RunningStretchView{block.project, block.comment, block.start}, start, overlapConfirmed);
}

MendResult DeleteBlock(const MendPlace& place, const Block& block, StoreChange* made) {
  if (!block.stored) return Result(MendOutcome::Refused, Tr("Timeline", kRunningNotDeleted));
  return DeleteStretch(place, *block.stored, made);
}

std::optional<RunningStretchView> BoxesTracker::Running() const {
  if (!IsRunning(form_)) return std::nullopt;
  const auto start = ReportDateFormat().Parse(form_.StartText());
  if (!start) return std::nullopt;
  return RunningStretchView{ChosenProject(form_), form_.Comments(), *start};
}

bool BoxesTracker::MoveStart(const DateTime& start) {
  form_.SetStartText(ReportDateFormat().FormatGeneral(start));
  RunningBoxEdited(form_);
  return IsRunning(form_);
}

}  // namespace tw
