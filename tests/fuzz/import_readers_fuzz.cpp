// Other trackers' text files on any bytes: no crash, sound stretches, one clean record a line written.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "import/fit.h"
#include "import/import_write.h"
#include "import/readers.h"
#include "report/record.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
  using tw::ImportFormat;
  static constexpr ImportFormat kFormats[] = {ImportFormat::TimewarriorData, ImportFormat::TimewarriorJson,
                                              ImportFormat::Watson,          ImportFormat::GTimeLog,
                                              ImportFormat::Toggl,           ImportFormat::ICalendar,
                                              ImportFormat::TallywrightCsv,  ImportFormat::TallywrightJson,
                                              ImportFormat::TallywrightReport};
  ImportFormat format = kFormats[data[0] % 9];
  if (format == ImportFormat::Toggl && !(data[0] & 0x10)) format = ImportFormat::Clockify;
  const tw::ImportRead read = tw::ReadImportText(text, format, tw::LocaleData{});
  for (const tw::ImportedStretch& s : read.stretches)
    if (s.project.empty() || s.end < s.start) std::abort();
  tw::PlanImport(tw::ReadStretches(read), {}, {}, tw::DateFormat(), [](std::string_view line) {
    const std::string_view record = line.substr(0, line.size() - 2);
    const auto fields = tw::SplitRecord(record);
    if (!line.ends_with("\r\n") || !fields || fields->project.size() > tw::kMostProjectBytes ||
        fields->comment.size() > tw::kMostCommentBytes)
      std::abort();
    for (const char c : record)
      if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) std::abort();
    return true;
  });
  return 0;
}
