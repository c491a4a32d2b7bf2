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

// The first place in [text, text + size) where one of the patterns stands, or nullptr: three
// bytes of each pattern (its first, its last, and one beside the gap) are looked for sixteen
// places at a time, and only where all three stand is the pattern compared.
const char* FindAny(const char* text, size_t size, const std::vector<DayPattern>& patterns) {
  size_t longest = 0;
  for (const DayPattern& p : patterns) longest = std::max(longest, p.text.size());
  size_t i = 0;
#if defined(__SSE2__)
  // The bytes looked for, set up once: the text read may be any memory, so the compiler would
  // read them again on every step.
  struct Anchor {
    __m128i first, last, third;
    size_t lastAt, thirdAt;
  };
  Anchor anchors[4];
  const size_t count = std::min<size_t>(patterns.size(), 4);
  for (size_t k = 0; k < count; ++k) {
    const DayPattern& p = patterns[k];
    const size_t third = p.gap == 1 ? 2 : 1;
    anchors[k] = {_mm_set1_epi8(p.text.front()), _mm_set1_epi8(p.text.back()), _mm_set1_epi8(p.text[third]),
                  p.text.size() - 1, third};
  }
  auto load = [&](size_t at) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(text + at)); };
  for (; count == patterns.size() && i + longest - 1 + 16 <= size; i += 16) {
    const __m128i here = load(i);
    __m128i found = _mm_setzero_si128();
    for (size_t k = 0; k < count; ++k) {
      const Anchor& a = anchors[k];
      found = _mm_or_si128(found, _mm_and_si128(_mm_and_si128(_mm_cmpeq_epi8(here, a.first),
                                                              _mm_cmpeq_epi8(load(i + a.lastAt), a.last)),
                                                _mm_cmpeq_epi8(load(i + a.thirdAt), a.third)));
    }
    unsigned mask = static_cast<unsigned>(_mm_movemask_epi8(found));
    while (mask != 0) {
      const char* at = text + i + static_cast<size_t>(__builtin_ctz(mask));
      for (const DayPattern& p : patterns)
        if (p.At(at)) return at;
      mask &= mask - 1;
    }
  }
#endif
  for (; i < size; ++i)
    for (const DayPattern& p : patterns)
      if (p.text.size() <= size - i && p.At(text + i)) return text + i;
  return nullptr;
}

// Finds the day's rows in a region of whole lines that starts at file offset `base`: it looks only
// at the lines that hold one of the day's patterns, found the way grep finds a word.
void ScanRegion(std::string_view region, std::uint64_t base, const std::vector<DayPattern>& patterns,
                const DayRows& rows, DayReport& report, const AmendmentSink& amendments) {
  size_t pos = 0;
  while (pos < region.size()) {
    const char* found = FindAny(region.data() + pos, region.size() - pos, patterns);
    if (found == nullptr) return;
    const size_t hit = static_cast<size_t>(found - region.data());
    const size_t before = region.find_last_of("\r\n", hit);
    const size_t start = before == std::string_view::npos || before < pos ? pos : before + 1;
    const CutLine cut = LineAt(region, start);
    if (amendments && IsAmendmentLine(cut.line))
      amendments(cut.line, base + start);
    else if (auto row = rows.Of(cut.line))
      Add(report, std::move(*row), base + start);
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
  if (patterns.empty()) return ReadEveryLine(reader, day, format, amendments);
  const DayRows rows(day.day, format);
  DayReport report;
  ForEachRegion(reader, [&](std::string_view region, std::uint64_t base) {
    ScanRegion(region, base, patterns, rows, report, amendments);
  });
  return report;
}

}  // namespace tw
