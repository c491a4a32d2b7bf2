#include "store/day_report.h"

#include <algorithm>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "dates/quick_dates.h"
#include "report/amendment.h"
#include "dates/local_time.h"
#include "store/day_filter.h"
#include "store/period_scan.h"
#include "store/record_lines.h"

namespace tw {

std::optional<DayRow> DayRowOf(std::string_view line, std::int64_t day, const DateFormat& format) {
  const auto fields = SplitRecord(line);
  if (!fields) return std::nullopt;
  const auto start = format.Parse(fields->start);
  if (!start || start->day != day) return std::nullopt;
  DayRow row;
  row.line.text = line;
  if (const auto end = format.Parse(fields->end)) {
    row.seconds = ElapsedSeconds(*start, *end);
    row.duration = format.FormatDuration(*row.seconds);
  }
  return row;
}

DayRows::DayRows(std::int64_t day, const DateFormat& format)
    : day_(day), date_(CivilFromDay(day)), format_(format) {}

std::optional<DayRow> DayRows::Of(std::string_view line) const {
  const auto start = StartField(line);
  if (!start || !MayBeOnDay(format_, *start, date_)) return std::nullopt;
  return DayRowOf(line, day_, format_);
}

namespace {

void Add(DayReport& report, DayRow row, std::uint64_t offset) {
  row.line.offset = offset;
  if (row.seconds) report.totalSeconds += *row.seconds;
  report.rows.push_back(std::move(row));
}

#if defined(__SSE2__)
// An anchor as the loop below makes it, set up once: the text read may be any memory, so the
// compiler would read it again on every step. Its characters compare once each; its run of digits
// [low, low + span], if any, as (byte - low) at most span, unsigned; and it reads the place after
// the patterns (no digit) and the one before them (no digit but 0).
struct SimdAnchor {
  __m128i exact[3];
  size_t exactAt[3];
  __m128i low, span;
  size_t runAt;
  size_t ends;
};

// Whether a byte is in [low, low + span].
inline __m128i InRun(__m128i bytes, __m128i low, __m128i span) {
  return _mm_cmpeq_epi8(_mm_max_epu8(_mm_sub_epi8(bytes, low), span), span);
}

template <int kExact, bool kRun>
inline __m128i Holds(const SimdAnchor& a, const char* text) {
  const auto load = [&](size_t at) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(text + at)); };
  __m128i holds = _mm_cmpeq_epi8(load(a.exactAt[0]), a.exact[0]);
  if (kExact > 1) holds = _mm_and_si128(holds, _mm_cmpeq_epi8(load(a.exactAt[1]), a.exact[1]));
  if (kExact > 2) holds = _mm_and_si128(holds, _mm_cmpeq_epi8(load(a.exactAt[2]), a.exact[2]));
  if (kRun) holds = _mm_and_si128(holds, InRun(load(a.runAt), a.low, a.span));
  const __m128i before = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text - 1));
  holds = _mm_andnot_si128(InRun(before, _mm_set1_epi8('1'), _mm_set1_epi8(8)), holds);
  return _mm_andnot_si128(InRun(load(a.ends), _mm_set1_epi8('0'), _mm_set1_epi8(9)), holds);
}

// The bits of the places where one of the kCount anchors may hold among the sixteen of the first
// step from `i` on that has any, `i` left at that step; 0 when none has, up to size - reach. The
// anchors are copied in, so that they stay in registers.
template <size_t kCount, int kExact, bool kRun>
unsigned NextAnchors(const char* text, size_t size, size_t reach, const SimdAnchor* given, size_t& i) {
  SimdAnchor anchors[kCount];
  for (size_t k = 0; k < kCount; ++k) anchors[k] = given[k];
  for (; i + reach + 16 <= size; i += 16) {
    __m128i found = Holds<kExact, kRun>(anchors[0], text + i);
    for (size_t k = 1; k < kCount; ++k) found = _mm_or_si128(found, Holds<kExact, kRun>(anchors[k], text + i));
    if (const unsigned mask = static_cast<unsigned>(_mm_movemask_epi8(found)); mask != 0) return mask;
  }
  return 0;
}

template <size_t kCount>
unsigned NextAnchorsOf(int exact, bool run, const char* text, size_t size, size_t reach, const SimdAnchor* anchors,
                       size_t& i) {
  if (run) return exact == 1   ? NextAnchors<kCount, 1, true>(text, size, reach, anchors, i)
                  : exact == 2 ? NextAnchors<kCount, 2, true>(text, size, reach, anchors, i)
                               : NextAnchors<kCount, 3, true>(text, size, reach, anchors, i);
  return exact == 1   ? NextAnchors<kCount, 1, false>(text, size, reach, anchors, i)
         : exact == 2 ? NextAnchors<kCount, 2, false>(text, size, reach, anchors, i)
                      : NextAnchors<kCount, 3, false>(text, size, reach, anchors, i);
}

static_assert(kMostAnchors == 8, "NextAnchorsOf has a case for every count of anchors");
unsigned NextAnchorsOf(size_t count, int exact, bool run, const char* text, size_t size, size_t reach,
                       const SimdAnchor* anchors, size_t& i) {
  switch (count) {
    case 1: return NextAnchorsOf<1>(exact, run, text, size, reach, anchors, i);
    case 2: return NextAnchorsOf<2>(exact, run, text, size, reach, anchors, i);
    case 3: return NextAnchorsOf<3>(exact, run, text, size, reach, anchors, i);
    case 4: return NextAnchorsOf<4>(exact, run, text, size, reach, anchors, i);
    case 5: return NextAnchorsOf<5>(exact, run, text, size, reach, anchors, i);
    case 6: return NextAnchorsOf<6>(exact, run, text, size, reach, anchors, i);
    case 7: return NextAnchorsOf<7>(exact, run, text, size, reach, anchors, i);
    default: return NextAnchorsOf<8>(exact, run, text, size, reach, anchors, i);
  }
}
#endif

// Finds the patterns in a region the way grep finds a word: the anchors' bytes are looked for
// sixteen places at a time, and only where an anchor holds are its patterns compared.
class PatternFinder {
 public:
  PatternFinder(const std::vector<DayPattern>& patterns, const std::vector<PatternAnchor>& anchors)
      : patterns_(patterns), anchors_(anchors) {
    for (const DayPattern& p : patterns) longest_ = std::max(longest_, p.text.size());
#if defined(__SSE2__)
    // Every anchor in one shape: as many characters as the one with most (the others repeat their
    // first), and a run where any has one (the others give one character as a run of one).
    count_ = anchors.size();
    for (const PatternAnchor& a : anchors) {
      int characters = 0;
      for (const PatternCheck& c : a.checks) characters += c.low == c.high;
      exact_ = std::max(exact_, std::min(characters, 3));
      run_ = run_ || characters < static_cast<int>(a.checks.size());
      usable_ = usable_ && a.ends > 0 && characters > 0;
    }
    if (count_ > kMostAnchors) usable_ = false;
    for (size_t k = 0; k < count_ && usable_; ++k) {
      std::vector<PatternCheck> characters, runs;
      for (const PatternCheck& c : anchors[k].checks) (c.low == c.high ? characters : runs).push_back(c);
      if (runs.size() > 1) usable_ = false;
      const PatternCheck run = runs.empty() ? characters[0] : runs[0];
      SimdAnchor& a = simd_[k];
      for (int e = 0; e < 3; ++e) {
        const PatternCheck& c = characters[static_cast<size_t>(e) < characters.size() ? static_cast<size_t>(e) : 0];
        a.exact[e] = _mm_set1_epi8(c.low);
        a.exactAt[e] = c.at;
      }
      a.low = _mm_set1_epi8(run.low);
      a.span = _mm_set1_epi8(static_cast<char>(run.high - run.low));
      a.runAt = run.at;
      a.ends = anchors[k].ends;
    }
#endif
  }

  // The first place in [text, text + size) where one of the patterns stands, or nullptr; the text
  // is part of the region from `begin`, which tells what precedes it.
  const char* Find(const char* begin, const char* text, size_t size) const {
    size_t i = 0;
#if defined(__SSE2__)
    if (usable_ && count_ > 0 && size > 0) {
      // The steps read the place before the patterns and the one after them too.
      if (text == begin) {
        if (const char* at = Compare(begin, text, size, 0)) return at;
        i = 1;
      }
      while (const unsigned mask = NextAnchorsOf(count_, exact_, run_, text, size, longest_, simd_, i)) {
        for (unsigned bits = mask; bits != 0; bits &= bits - 1) {
          const char* at = text + i + static_cast<size_t>(__builtin_ctz(bits));
          for (const PatternAnchor& a : anchors_)
            if (a.Finds(patterns_, begin, at, text + size)) return at;
        }
        i += 16;
      }
    }
#endif
    for (; i < size; ++i)
      if (const char* at = Compare(begin, text, size, i)) return at;
    return nullptr;
  }

 private:
  const char* Compare(const char* begin, const char* text, size_t size, size_t i) const {
    for (const DayPattern& p : patterns_)
      if (p.At(begin, text + i, text + size)) return text + i;
    return nullptr;
  }

  const std::vector<DayPattern>& patterns_;
  const std::vector<PatternAnchor>& anchors_;
  size_t longest_ = 0;
#if defined(__SSE2__)
  SimdAnchor simd_[kMostAnchors];
  size_t count_ = 0;
  int exact_ = 1;
  bool run_ = false, usable_ = true;
#endif
};

// Each line of a region of whole lines that holds one of the patterns, with where it starts in the
// region and where in it the first of the patterns stands.
template <class OnLine>
void ForEachPatternLine(std::string_view region, const PatternFinder& finder, OnLine&& on) {
  size_t pos = 0;
  while (pos < region.size()) {
    const char* found = finder.Find(region.data(), region.data() + pos, region.size() - pos);
    if (found == nullptr) return;
    const size_t hit = static_cast<size_t>(found - region.data());
    size_t start = hit;
    while (start > pos && region[start - 1] != '\n' && region[start - 1] != '\r') --start;
    const CutLine cut = LineAt(region, start);
    on(cut.line, start, hit - start);
    pos = cut.next;
  }
}

// Every line, each start in the form the program writes read at once (most are on other days),
// any other line read as DayRows reads it.
DayReport ReadEveryLine(Files::Reader& reader, const DateTime& day, const DateFormat& format,
                        const AmendmentSink& amendments) {
  LineReader lines(reader);
  const DayRows rows(day.day, format);
  QuickDates dates(format);
  DayReport report;
  std::string_view text;
  while (lines.Next(text)) {
    const auto start = StartField(text);
    if (!start) {
      if (amendments && IsAmendmentLine(text)) amendments(text, lines.offset());
      continue;
    }
    if (const auto value = dates.Read(*start); value && value->day != day.day) continue;
    if (auto row = rows.Of(text)) Add(report, std::move(*row), lines.offset());
  }
  return report;
}

}  // namespace

DayReport ReadDayReportByLines(const Files& files, const std::string& path, const DateTime& day,
                               const DateFormat& format) {
  Files::Reader reader = files.OpenRead(path);
  LineReader lines(reader);
  const DayRows rows(day.day, format);
  DayReport report;
  std::string_view text;
  while (lines.Next(text))
    if (auto row = rows.Of(text)) Add(report, std::move(*row), lines.offset());
  return report;
}

DayReport ReadDayReport(const Files& files, const std::string& path, const DateTime& day,
                        const DateFormat& format) {
  Files::Reader reader = files.OpenRead(path);
  return ScanDayReport(reader, day, format, DayPatterns(format, CivilFromDay(day.day)), {});
}

DayReport ScanDayReport(Files::Reader& reader, const DateTime& day, const DateFormat& format,
                        const std::vector<DayPattern>& patterns, const AmendmentSink& amendments) {
  const std::vector<PatternAnchor> anchors = AnchorsOf(patterns);
  if (anchors.empty()) return ReadEveryLine(reader, day, format, amendments);
  const PatternFinder finder(patterns, anchors);
  const DayRows rows(day.day, format);
  DayReport report;
  ForEachRegion(reader, [&](std::string_view region, std::uint64_t base) {
    ForEachPatternLine(region, finder, [&](std::string_view line, size_t at, size_t) {
      if (amendments && IsAmendmentLine(line))
        amendments(line, base + at);
      else if (auto row = rows.Of(line))
        Add(report, std::move(*row), base + at);
    });
  });
  return report;
}

bool ScanDays(Files::Reader& reader, const Period& period, const DateFormat& format,
              const std::vector<DayPattern>& patterns, LocalInstants& instants, const RecordSink& records,
              const AmendmentSink& amendments) {
  const std::vector<PatternAnchor> anchors = AnchorsOf(patterns);
  if (anchors.empty()) return false;
  const PatternFinder finder(patterns, anchors);
  QuickDates dates(format);
  ScannedRecord record;
  ForEachRegion(reader, [&](std::string_view region, std::uint64_t base) {
    ForEachPatternLine(region, finder, [&](std::string_view line, size_t at, size_t hit) {
      if (amendments && IsAmendmentLine(line)) {
        amendments(line, base + at);
        return;
      }
      const auto fields = SplitRecord(line);
      if (!fields) return;
      // The first pattern of the line stands past the start's date part (in its time, the end or
      // the comment): the date part, which holds no blank, holds none, so the record is on none of
      // the days.
      const std::string_view start = fields->start;
      const size_t word = start.find_first_not_of(' ');
      const size_t blank = start.find(' ', word == std::string_view::npos ? 0 : word);
      if (hit >= static_cast<size_t>(start.data() - line.data()) + std::min(blank, start.size())) return;
      // As the line-by-line scan reads a record.
      const auto value = dates.Parse(start);
      if (!value || !period.Holds(value->day)) return;
      record.text = line;
      record.fields = *fields;
      record.start = *value;
      record.end = dates.Parse(fields->end);
      record.seconds = StretchSeconds(instants, record.start, record.end);
      record.offset = base + at;
      records(record);
    });
  });
  return true;
}

}  // namespace tw
