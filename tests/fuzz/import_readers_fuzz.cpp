// The readers of other trackers' text files on arbitrary bytes (the first byte picks the reader):
// no crash, every stretch read names a project and ends no earlier than it starts, and what the
// import would write of them is one record a line.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "import/import_write.h"
#include "import/readers.h"
#include "report/record.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
  tw::ImportRead read;
  switch (data[0] % 9) {
    case 0: read = tw::ReadTimewarriorData(text); break;
    case 1: read = tw::ReadTimewarriorJson(text); break;
    case 2: read = tw::ReadWatsonFrames(text); break;
    case 3: read = tw::ReadGTimeLog(text); break;
    case 4: read = tw::ReadServiceCsv(text, data[0] & 0x10 ? tw::ImportFormat::Toggl : tw::ImportFormat::Clockify); break;
    case 5: read = tw::ReadICalendar(text); break;
    case 6: read = tw::ReadTallywrightCsv(text, tw::LocaleData{}); break;
    case 7: read = tw::ReadTallywrightJson(text); break;
    default: read = tw::ReadTallywrightReport(text, tw::LocaleData{}); break;
  }
  for (const tw::ImportedStretch& s : read.stretches)
    if (s.project.empty() || s.end < s.start) std::abort();
  tw::PlanImport(tw::ReadStretches(read), {}, {}, tw::DateFormat(), [](std::string_view line) {
    const std::string_view record = line.substr(0, line.size() - 2);
    if (!line.ends_with("\r\n") || record.find_first_of("\r\n") != std::string_view::npos || !tw::SplitRecord(record))
      std::abort();
    return true;
  });
  return 0;
}
