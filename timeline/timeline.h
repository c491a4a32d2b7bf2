#pragma once
// What the timeline shows of a day or a week: the stretches as blocks (every machine's, edits
// applied, as the record store gives them), the running stretch, the gaps between, and each day's
// total as the day report totals it.
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "dates/date_format.h"
#include "dates/period.h"
#include "store/record_store.h"
#include "summaries/summary.h"
#include "timeline/geometry.h"

namespace tw {

// The running stretch as the timeline sees it.
struct RunningStretchView {
  std::string project, comment;
  DateTime start;
  friend bool operator==(const RunningStretchView&, const RunningStretchView&) = default;
};

// What holds the running stretch, as far as the timeline needs it: what runs, and a new start for
// it. The timeline never records or ends it.
class RunningTracker {
 public:
  virtual ~RunningTracker() = default;
  virtual std::optional<RunningStretchView> Running() const = 0;
  // Puts the running stretch's start at `start` (the caller has checked it is not after now);
  // false where the tracker cannot.
  virtual bool MoveStart(const DateTime& start) = 0;
};

struct Block {
  std::optional<StoredStretch> stored;  // none for the running stretch
  std::string project, comment;
  DateTime start;
  std::optional<DateTime> end;
  std::int64_t from = 0, to = 0;  // real moments, from <= to; the running stretch's to is now
  DateTime fromLocal, toLocal;    // the same on the local clock
  std::optional<std::int64_t> seconds;  // what the day report counts; none without an end
  bool running = false;
  std::string device;       // the machine that recorded it, in a shared folder
  bool otherMachine = false;
  std::string amendedOn;    // the machine whose edit is shown
  Lane lane;
};

struct Timeline {
  Period period;
  std::vector<Block> blocks;            // in order of start
  std::vector<std::int64_t> dayTotals;  // each day of the period, in seconds, the running stretch aside
  std::int64_t totalSeconds = 0;
  bool shared = false;
  std::map<std::string, Rgb> colours;   // each project's chart colour
  std::string problem;                  // why the report could not be read, else empty

  std::int64_t TotalOf(std::int64_t day) const {
    return period.Holds(day) ? dayTotals[static_cast<std::size_t>(day - period.first)] : 0;
  }
};

// Reads the period (and the day before it, for stretches that reach into it) from the store. A
// stretch belongs to the day it started on, as in the day report; one that started before the
// period is drawn where it reaches in, and counted on its own day.
Timeline ReadTimeline(const RecordStore& store, const std::string& thisMachine, const Period& period,
                      const std::optional<RunningStretchView>& running, std::int64_t unixNow);
// The days the store is asked for, for a period: the day before it too.
inline Period StoredPeriodOf(const Period& period) { return Period{period.first - 1, period.last}; }
// The timeline of stretches already read (StoredPeriodOf's), with the running stretch as it is now:
// what a window redraws once a minute without reading the report again.
Timeline TimelineOf(const std::vector<StoredStretch>& stretches, bool shared, const std::string& thisMachine,
                    const Period& period, const std::optional<RunningStretchView>& running, std::int64_t unixNow);

// What the keyboard and screen readers move through, in order of time: the blocks, and the free
// time of each day between them.
struct TimelineItem {
  enum Kind { Stretch, Gap } kind = Stretch;
  std::size_t block = 0;  // for a stretch
  std::int64_t from = 0, to = 0;
  std::int64_t day = 0;   // the column it stands in (a stretch's first in the period)
  friend bool operator==(const TimelineItem&, const TimelineItem&) = default;
};
std::vector<TimelineItem> ItemsOf(const Timeline& timeline);

// Two moments as the person reads them: "9:03 to 10:15", "11:00 to midnight", with the weekdays
// where they fall on two days (or where `weekday` asks for them).
std::string SpanText(const DateFormat& user, std::int64_t from, std::int64_t to, bool weekday);
std::string SpanText(const DateFormat& user, const DateTime& from, const DateTime& to, bool weekday);
// The moments of a block: SpanText, "9:03 to now" for the running stretch, "9:03, no end" for a
// record whose end is no date-time.
std::string TimesText(const Block& block, const DateFormat& user);
// "Website redesign, 9:03 to 10:15, layout", and what else sets it apart (running, another
// machine's, overlapping, no end); a gap as "Free, 10:15 to 11:00".
std::string ItemName(const Timeline& timeline, const TimelineItem& item, const DateFormat& user);
// The block's tooltip: every line of it, whatever fits inside the block.
std::string BlockTip(const Block& block, const DateFormat& user);

// The step a drag or a key snaps to: 1, 5 or 15 minutes, as the setting TimelineSnapMinutes says
// (1 for anything else).
inline constexpr const char* kSnapSetting = "TimelineSnapMinutes";
inline constexpr int kSnapSteps[] = {1, 5, 15};
int SnapMinutes();

// The contrast of two colours as reading measures it: 1 (the same) to 21 (black and white).
double Contrast(const Rgb& a, const Rgb& b);
// Black or white, whichever stands out more on the colour.
Rgb TextColourOn(const Rgb& background);

}  // namespace tw
