#include "viewer/day_report.h"

#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "tracking/calculate_time.h"
#include "viewer/day_filter.h"

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

// The first place of needle in [text, text + size), or nullptr: the needle's first and last bytes
// are looked for sixteen places at a time, and only where both stand is the rest compared.
const char* Find(const char* text, size_t size, std::string_view needle) {
  const size_t k = needle.size();
  if (k == 1) return static_cast<const char*>(std::memchr(text, needle[0], size));
  size_t i = 0;
#if defined(__SSE2__)
  const __m128i first = _mm_set1_epi8(needle[0]);
  const __m128i last = _mm_set1_epi8(needle[k - 1]);
  for (; i + k - 1 + 16 <= size; i += 16) {
    const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text + i));
    const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text + i + k - 1));
    auto mask = static_cast<unsigned>(
        _mm_movemask_epi8(_mm_and_si128(_mm_cmpeq_epi8(a, first), _mm_cmpeq_epi8(b, last))));
    while (mask != 0) {
      const size_t at = i + static_cast<size_t>(__builtin_ctz(mask));
      if (std::memcmp(text + at + 1, needle.data() + 1, k - 2) == 0) return text + at;
      mask &= mask - 1;
    }
  }
#endif
  return static_cast<const char*>(::memmem(text + i, size - i, needle.data(), k));
}

void Add(DayReport& report, DayRow row, std::uint64_t offset) {
  row.line.offset = offset;
  if (row.seconds) report.totalSeconds += *row.seconds;
  report.rows.push_back(std::move(row));
}

// Finds the day's rows in a region of whole lines that starts at file offset `base`: it looks only
// at the lines that hold the day's digits, found the way grep finds a word, and passes over the rest.
void ScanRegion(std::string_view region, std::uint64_t base, size_t from, const std::string& digits,
                const DayRows& rows, DayReport& report) {
  size_t pos = from;
  while (pos < region.size()) {
    const char* found = Find(region.data() + pos, region.size() - pos, digits);
    if (found == nullptr) return;
    const size_t hit = static_cast<size_t>(found - region.data());
    const size_t before = region.rfind('\n', hit);
    const size_t start = before == std::string_view::npos || before < pos ? pos : before + 1;
    size_t end = region.find('\n', hit);
    if (end == std::string_view::npos) end = region.size();
    const std::string_view line = WithoutCarriageReturn(region.substr(start, end - start));
    if (auto row = rows.Of(line)) Add(report, std::move(*row), base + start);
    pos = end + 1;
  }
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
  const std::string digits = DigitsOfDay(format, CivilFromDay(day.day));
  if (digits.empty()) return ReadDayReportByLines(files, path, day, format);

  Files::Reader reader = files.OpenRead(path);
  const DayRows rows(day.day, format);
  DayReport report;
  std::vector<char> block(LineReader::kBlockSize);
  size_t held = 0;          // bytes in block: the unfinished last line of the region before, then new
  std::uint64_t base = 0;   // file offset of block[0]
  bool atEnd = false;
  while (!atEnd) {
    if (held == block.size()) block.resize(block.size() * 2);  // one line longer than the block
    const size_t n = reader.Read(block.data() + held, block.size() - held);
    atEnd = n == 0;
    held += n;
    const std::string_view data(block.data(), held);
    // The region ends after the last line feed (at the end of the file, with the data).
    const size_t lastFeed = data.rfind('\n');
    const size_t regionEnd = atEnd ? held : lastFeed == std::string_view::npos ? 0 : lastFeed + 1;
    const size_t from = base == 0 ? ByteOrderMarkLength(data) : 0;
    if (regionEnd > 0) ScanRegion(data.substr(0, regionEnd), base, from, digits, rows, report);
    std::memmove(block.data(), block.data() + regionEnd, held - regionEnd);
    held -= regionEnd;
    base += regionEnd;
  }
  return report;
}

}  // namespace tw
