#include "store/day_index.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>
#include <unordered_map>
#include <vector>

#include "dates/quick_dates.h"
#include "platform/lines.h"
#include "report/amendment.h"
#include "report/record.h"
#include "store/record_lines.h"

namespace tw {
namespace {

// Whole lines of a report, their line ends included.
struct Range {
  std::uint64_t begin = 0, end = 0;
};

// A line that starts where the last range ends joins it: a report written day after day keeps a
// day in one range.
void Put(std::vector<Range>& ranges, std::uint64_t begin, std::uint64_t end) {
  if (!ranges.empty() && ranges.back().end == begin) ranges.back().end = end;
  else ranges.push_back({begin, end});
}

// The bytes before the end of what is indexed that a later look compares: an append leaves them
// as they were, a change in place moves them.
constexpr std::size_t kEdge = 64;

struct DayIndex {
  DateFormat format;             // the report's form, in which its starts are read
  Files::Reader::Identity seen;  // the report when it was last looked at
  std::uint64_t covered = 0;     // every whole line before it is indexed; a last line without a line end is not
  std::string edge;
  bool plain = true;  // written the program's way: CR LF after every line, no empty line, no byte-order mark
  std::unordered_map<std::int64_t, std::vector<Range>> days;  // by the day a record's start names
  std::vector<Range> amendments;

  // Indexes the lines of a region of whole lines that starts at `base` (covered, but for a
  // byte-order mark): records by their start's day, as the scans read it.
  void Add(std::string_view region, std::uint64_t base, QuickDates& dates) {
    ForEachCommaLine(region, [&](const CommaLine& line) {
      const std::size_t at = static_cast<std::size_t>(line.text.data() - region.data());
      const std::size_t next = LineAt(region, at + line.text.size()).next;  // after its line end
      if (next == at + line.text.size()) return;  // still being written: read again next time
      const std::uint64_t begin = base + at, end = base + next;
      plain = plain && begin == covered && !line.text.empty() && next - at - line.text.size() == 2;
      covered = end;
      if (line.text.empty()) return;
      if (line.commas.count < 3) {
        if (IsAmendmentLine(line.text)) Put(amendments, begin, end);
        return;
      }
      const RecordFields fields = FieldsAt(line.text, line.commas.at[0], line.commas.at[1], line.commas.at[2]);
      std::optional<std::int64_t> day = dates.SameDay(fields.start);
      if (!day)
        if (const auto start = dates.Parse(fields.start)) day = start->day;
      if (day) Put(days[*day], begin, end);
    });
  }

  // Follows a rewrite of a report written the program's way, which keeps every other line where it
  // was but for the change; false where it cannot tell the new places.
  bool Rewritten(Files::Reader& reader, const LineChange& change) {
    const std::uint64_t put = change.put ? change.put->size() + 2 : 0;
    const Files::Reader::Identity now = reader.Identify();
    if (!plain || seen.size != covered || (change.put && change.put->empty()) || change.at > covered ||
        now.size + change.removed != covered + put)
      return false;
    const auto moved = [&](std::uint64_t at) { return at + put - change.removed; };
    const std::uint64_t from = change.at, to = change.at + change.removed;
    const auto follow = [&](std::vector<Range>& ranges) {
      for (std::size_t i = 0; i < ranges.size(); ++i) {
        Range& r = ranges[i];
        if (r.end <= from) continue;
        if (r.begin >= to) {
          r = {moved(r.begin), moved(r.end)};
        } else {  // the lines before the change stay, those after it move
          const Range after{moved(to), moved(r.end)};
          r.end = from;
          if (after.end > after.begin) ranges.insert(ranges.begin() + static_cast<std::ptrdiff_t>(++i), after);
        }
      }
      std::erase_if(ranges, [](const Range& r) { return r.end == r.begin; });
    };
    for (auto& [day, ranges] : days) follow(ranges);
    follow(amendments);
    if (change.put) {
      QuickDates dates(format);
      const std::optional<RecordFields> fields = SplitRecord(*change.put);
      const std::optional<DateTime> start = fields ? dates.Parse(fields->start) : std::nullopt;
      std::vector<Range>* into = start ? &days[start->day] : IsAmendmentLine(*change.put) ? &amendments : nullptr;
      if (into) {
        const auto at = std::lower_bound(into->begin(), into->end(), from, [](const Range& r, std::uint64_t x) { return r.begin < x; });
        into->insert(at, Range{from, from + put});
      }
    }
    covered = now.size;
    Seen(reader, now);
    return true;
  }

  void Seen(Files::Reader& reader, const Files::Reader::Identity& now) {
    seen = now;
    const std::uint64_t from = covered - std::min<std::uint64_t>(covered, kEdge);
    edge.resize(static_cast<std::size_t>(covered - from));
    edge.resize(reader.ReadAt(from, edge.data(), edge.size()));
  }

  // Brings the index up to the report as it is now; false where it was replaced or changed in
  // place since (an index of it is then made again).
  bool Follow(Files::Reader& reader) {
    const Files::Reader::Identity now = reader.Identify();
    if (now == seen) return true;
    if (now.device != seen.device || now.inode != seen.inode || now.born != seen.born || now.size <= seen.size ||
        now.size < covered || covered == 0)
      return false;
    std::string bytes(static_cast<std::size_t>(now.size - covered + edge.size()), '\0');
    bytes.resize(reader.ReadAt(covered - edge.size(), bytes.data(), bytes.size()));
    if (bytes.compare(0, edge.size(), edge) != 0) return false;
    QuickDates dates(format);
    Add(std::string_view(bytes).substr(edge.size()), covered, dates);
    Seen(reader, now);
    return true;
  }
};

struct Job {
  std::string path;
  LocaleData form;
};

std::shared_ptr<DayIndex> Make(Files::Reader& reader, const LocaleData& form, const std::atomic<bool>& stop) {
  auto index = std::make_shared<DayIndex>();
  index->format = DateFormat(form);
  const Files::Reader::Identity before = reader.Identify();
  QuickDates dates(index->format);
  bool stopped = false;
  ForEachRegion(reader, [&](std::string_view region, std::uint64_t base) {
    if (!stopped && !(stopped = stop)) index->Add(region, base, dates);
  });
  if (stopped) return nullptr;
  // What was appended while it was read is taken up at the next look.
  index->Seen(reader, before);
  return index;
}

// The indexes of this process, and the thread that makes them.
class Keeper {
 public:
  ~Keeper() {
    {
      const std::lock_guard<std::mutex> hold(mutex_);
      stop_ = true;
    }
    wake_.notify_all();
    if (worker_.joinable()) worker_.join();
  }

  void Keep(IndexMaking making) {
    const std::lock_guard<std::mutex> hold(mutex_);
    making_ = making;
    keeping_ = true;
  }

  void Wait() {
    std::unique_lock<std::mutex> hold(mutex_);
    done_.wait(hold, [&] { return jobs_.empty() && !working_; });
  }

  // Brings the index of the report at `path`, if one is kept, to the report as it is now by
  // step(index, reader); one that cannot tell where the report's lines are is dropped.
  template <class Step>
  void Update(const std::string& path, Step&& step) {
    const std::lock_guard<std::mutex> hold(mutex_);
    const auto found = indexes_.find(path);
    if (found == indexes_.end() || !found->second) return;
    Files files;
    Files::Reader reader = files.OpenRead(path);
    if (!step(*found->second, reader)) found->second.reset();
  }

  bool ForEach(Files::Reader& reader, const Period& days, const DateFormat& format,
               const std::function<void(std::string_view, std::uint64_t)>& on) {
    const std::uint64_t limit = reader.limit();
    std::vector<Range> ranges;
    std::uint64_t covered = 0, size = 0;
    {
      std::unique_lock<std::mutex> hold(mutex_);
      if (!keeping_) return false;
      std::shared_ptr<DayIndex>& index = indexes_[reader.path()];
      if (index && (index->format.data() != format.data() || !index->Follow(reader))) index.reset();
      if (!index && making_ == IndexMaking::kAtOnce) {
        const std::atomic<bool> never = false;
        index = Make(reader, format.data(), never);
      }
      if (!index) {
        Ask({reader.path(), format.data()}, hold);
        return false;
      }
      for (std::int64_t day = days.first; day <= days.last; ++day)
        if (const auto found = index->days.find(day); found != index->days.end())
          ranges.insert(ranges.end(), found->second.begin(), found->second.end());
      ranges.insert(ranges.end(), index->amendments.begin(), index->amendments.end());
      covered = index->covered;
      size = std::max(index->seen.size, covered);
    }
    std::sort(ranges.begin(), ranges.end(), [](const Range& a, const Range& b) { return a.begin < b.begin; });
    // A last line without a line end is read as the scans read it, where the reader takes it.
    if (limit > covered && size > covered) ranges.push_back({covered, size});
    std::string bytes;
    for (std::size_t i = 0; i < ranges.size();) {
      // Ranges side by side are read at once.
      std::size_t j = i + 1;
      while (j < ranges.size() && ranges[j].begin == ranges[j - 1].end) ++j;
      const std::uint64_t begin = ranges[i].begin;
      bytes.resize(static_cast<std::size_t>(std::min(ranges[j - 1].end, limit) - std::min(begin, limit)));
      bytes.resize(reader.ReadAt(begin, bytes.data(), bytes.size()));
      for (std::size_t at = 0; at < bytes.size();) {
        const CutLine cut = LineAt(bytes, at);
        if (!cut.line.empty()) on(cut.line, begin + at);
        at = cut.next;
      }
      i = j;
    }
    return true;
  }

 private:
  void Ask(Job job, std::unique_lock<std::mutex>&) {
    for (const Job& j : jobs_)
      if (j.path == job.path && j.form == job.form) return;
    jobs_.push_back(std::move(job));
    if (!worker_.joinable()) worker_ = std::thread([this] { Work(); });
    wake_.notify_all();
  }

  void Work() {
    std::unique_lock<std::mutex> hold(mutex_);
    for (;;) {
      wake_.wait(hold, [&] { return stop_ || !jobs_.empty(); });
      if (stop_) return;
      const Job job = jobs_.front();
      working_ = true;
      hold.unlock();
      std::shared_ptr<DayIndex> made;
      try {
        Files files;
        Files::Reader reader = files.OpenRead(job.path);
        made = Make(reader, job.form, stop_);
      } catch (...) {
        // Gone, unreadable, or no memory for it: the next read by days asks again, and reads by
        // the patterns meanwhile.
      }
      hold.lock();
      jobs_.pop_front();
      working_ = false;
      if (made) indexes_[job.path] = std::move(made);
      done_.notify_all();
    }
  }

  std::mutex mutex_;
  std::condition_variable wake_, done_;
  bool keeping_ = false, working_ = false;
  std::atomic<bool> stop_ = false;
  IndexMaking making_ = IndexMaking::kInTheBackground;
  std::unordered_map<std::string, std::shared_ptr<DayIndex>> indexes_;
  std::deque<Job> jobs_;
  std::thread worker_;
};

Keeper& TheKeeper() {
  static Keeper keeper;
  return keeper;
}

}  // namespace

void KeepDayIndexes(IndexMaking making) { TheKeeper().Keep(making); }

void WaitForDayIndexes() { TheKeeper().Wait(); }

void BeforeRewrite(const std::string& path) {
  FileMissing([&] { TheKeeper().Update(path, [](DayIndex& index, Files::Reader& reader) { return index.Follow(reader); }); });
}

void NoteRewritten(const std::string& path, const LineChange& change) {
  FileMissing([&] {
    TheKeeper().Update(path, [&](DayIndex& index, Files::Reader& reader) { return index.Rewritten(reader, change); });
  });
}

bool ForEachIndexedLine(Files::Reader& reader, const Period& days, const DateFormat& format,
                        const std::function<void(std::string_view line, std::uint64_t offset)>& on) {
  return TheKeeper().ForEach(reader, days, format, on);
}

}  // namespace tw
