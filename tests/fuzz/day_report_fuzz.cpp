// The day report on any bytes: exactly a plain line-by-line reading's rows and total, as the summary's.
#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/files.h"
#include "report/record.h"
#include "tracking/calculate_time.h"
#include "store/day_report.h"
#include "summaries/summary.h"

namespace {

const tw::DateFormat& Format(bool german) {
  static const tw::DateFormat us;
  static const tw::DateFormat de = [] {
    tw::LocaleData data;
    data.shortDate = "dd.MM.yy";
    data.longTime = "HH:mm:ss t";
    data.shortTime = "HH:mm";
    return tw::DateFormat(data);
  }();
  return german ? de : us;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const tw::DateFormat& format = Format(data[0] & 1);
  const std::string_view content(reinterpret_cast<const char*>(data + 1), size - 1);
  static const int fd = memfd_create("report", 0);
  if (ftruncate(fd, 0) != 0 || pwrite(fd, content.data(), content.size(), 0) != static_cast<ssize_t>(content.size()))
    std::abort();
  static const std::string path = "/proc/self/fd/" + std::to_string(fd);
  const tw::DateTime day = tw::MakeDateTime({2026, 12, 7}, 8, 0, 0);
  const tw::DayReport report = ReadDayReport(tw::Files(), path, day, format);

  // The plain reading: the whole text, cut at each CR LF, LF or CR, a leading mark dropped.
  std::int64_t total = 0, skipped = 0;
  size_t row = 0;
  size_t start = content.substr(0, 3) == "\xEF\xBB\xBF" ? 3 : 0;
  while (start < content.size()) {
    size_t end = content.find_first_of("\r\n", start);
    if (end == std::string_view::npos) end = content.size();
    const std::string_view line = content.substr(start, end - start);
    const size_t offset = start;
    start = end + (content.substr(end, 2) == "\r\n" ? 2 : 1);
    const auto fields = tw::SplitRecord(line);
    if (line.empty()) continue;
    const auto begin = fields ? format.Parse(fields->start) : std::nullopt;
    skipped += !begin;
    if (!begin || begin->day != day.day) continue;
    if (row >= report.rows.size()) std::abort();
    const tw::DayRow& listed = report.rows[row++];
    if (listed.line.text != line || listed.line.offset != offset) std::abort();
    const auto elapsed = tw::ElapsedOf(format, fields->start, fields->end);
    if (listed.seconds != elapsed) std::abort();
    if (elapsed) total += *elapsed;
  }
  if (row != report.rows.size() || total != report.totalSeconds) std::abort();
  const tw::Summary summary = tw::ReadSummary(tw::Files(), path, {day.day, day.day}, format, 0);
  if (summary.stretches != static_cast<std::int64_t>(row) || summary.totalSeconds != total ||
      summary.skippedLines != skipped)
    std::abort();
  return 0;
}
