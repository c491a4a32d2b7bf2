#include "tracking/away.h"

#include <algorithm>

#include "platform/platform.h"
#include "report/report_form.h"
#include "tracking/running.h"
#include "tracking/write_record.h"
#include "platform/translate.h"

namespace tw {
std::optional<std::int64_t> RunningSince(const TrackingBoxes& form) {
  if (!IsRunning(form)) return std::nullopt;
  return InstantOfLocal(*ReportDateFormat().Parse(form.StartText()));
}

int IdleMinutes() { return WholeSetting(kIdleMinutesKey, kIdleMinutesDefault, kIdleMinutesMax); }
int RemindHours() { return WholeSetting(kRemindHoursKey, kRemindHoursDefault, kRemindHoursMax); }

AwayWatch::AwayWatch(std::vector<std::unique_ptr<IdleSource>> sources,
                     std::unique_ptr<SleepWatch> sleep)
    : sources_(std::move(sources)), sleep_(std::move(sleep)), notice_([this] {
        if (since_ && mayBeBack_) mayBeBack_();
      }) {
  if (sleep_) sleep_->OnWake(notice_);
}

void AwayWatch::WatchForReturn(const std::vector<char>& lockedBy) {
  const bool locked = std::find(lockedBy.begin(), lockedBy.end(), 1) != lockedBy.end();
  bool input = false, unlocks = true;
  for (size_t i = 0; i < sources_.size(); ++i) {
    const Watching watching = sources_[i]->Watch(!locked, notice_);
    input = input || watching.input;
    if (lockedBy[i]) unlocks = unlocks && watching.unlock;
  }
  told_ = locked ? unlocks : input;
}

void AwayWatch::StopWatching() {
  for (const auto& source : sources_) source->StopWatching();
  told_ = false;
}

void AwayWatch::Begin(std::int64_t from) { awayFrom_ = std::min(awayFrom_.value_or(from), from); }

std::optional<Absence> AwayWatch::Poll(std::int64_t now, std::optional<std::int64_t> runningSince,
                                       std::int64_t threshold) {
  // Asked at every look, so that a sleep from before the stretch is not taken for one in it (and
  // the suspend clock compares with a recent look).
  asking_.reset();
  std::optional<Absence> slept;
  if (sleep_) slept = sleep_->TakeSleep();
  if (!runningSince || threshold <= 0 || runningSince != since_) {
    // No stretch, or another one than before: an absence noted belonged to none or to that one.
    since_ = threshold > 0 ? runningSince : std::nullopt;
    awayFrom_ = woke_ = lastInput_ = std::nullopt;
    StopWatching();
    if (!since_) return std::nullopt;
  }

  std::optional<std::int64_t> idle;
  bool locked = false;
  std::vector<char> lockedBy(sources_.size());
  for (size_t i = 0; i < sources_.size(); ++i) {
    if (!idle && (idle = sources_[i]->IdleSeconds())) inUse_ = i;
    lockedBy[i] = sources_[i]->Locked();
    locked = locked || lockedBy[i];
  }
  if (slept) {
    // Away since the last input before the sleep, as far as the last look knew it.
    const auto [from, to] = *slept;
    Begin(lastInput_ ? std::min(from, *lastInput_) : from);
    woke_ = woke_ ? std::max(*woke_, to) : to;
  }
  if (idle) lastInput_ = now - *idle;
  if ((idle && *idle >= threshold) || locked) Begin(lastInput_.value_or(now));
  if (!awayFrom_) return std::nullopt;
  if (locked) {
    WatchForReturn(lockedBy);
    return std::nullopt;
  }

  // Back: input again since the absence, or, where nothing tells of input, the wake.
  std::optional<std::int64_t> back;
  if (idle && *idle < threshold)
    back = std::max(*lastInput_, woke_.value_or(*lastInput_));
  else if (sources_.empty())
    back = woke_;
  if (!back) {
    WatchForReturn(lockedBy);
    return std::nullopt;
  }
  const Absence absence{std::max(*awayFrom_, *since_), *back};
  awayFrom_ = woke_ = std::nullopt;
  StopWatching();
  if (absence.to - absence.from < threshold) return std::nullopt;
  asking_ = absence.from;
  return absence;
}

std::optional<std::int64_t> AwayWatch::NextLook(std::int64_t now, std::int64_t threshold) const {
  if (!since_ || threshold <= 0) return std::nullopt;
  if (awayFrom_) return told_ ? std::nullopt : std::optional<std::int64_t>(kAwayPollSeconds);
  if (!lastInput_) return std::nullopt;
  return std::max<std::int64_t>(*lastInput_ + threshold - now, 1);
}

std::optional<std::int64_t> AwayWatch::AwaySince() const {
  if (asking_) return asking_;
  if (!awayFrom_ || !since_) return std::nullopt;
  return std::max(*awayFrom_, *since_);
}

std::string AwayWatch::Describe() const {
  const std::string sleep = sleep_ ? " " + Arg(Tr("Away", "Sleep from: %1."), {sleep_->Name()}) : "";
  if (sources_.empty()) return Tr("Away", "Idle detection is off: nothing on this desktop tells the idle time.") + sleep;
  return Arg(Tr("Away", "Idle time from: %1."), {sources_[inUse_]->Name()}) + sleep;
}

std::string StretchReminder::Poll(const TrackingBoxes& form, std::optional<std::int64_t> since,
                                  std::int64_t now, int hours) {
  if (!since) start_.clear();
  if (!since || hours <= 0) return "";
  if (form.StartText() != start_) {
    start_ = form.StartText();
    periods_ = 0;
  }
  const std::int64_t elapsed = now - *since;
  const std::int64_t periods = elapsed / (std::int64_t{hours} * 3600);
  if (elapsed < 0 || periods <= periods_) return "";
  periods_ = periods;
  return Arg(Tr("Away", "Still tracking %1 since %2 (%3 h)."), {ChosenProject(form), start_, std::to_string(elapsed / 3600)});
}

}  // namespace tw
