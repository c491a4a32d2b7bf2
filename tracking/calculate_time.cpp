#include "tracking/calculate_time.h"

#include "errors/guard.h"
#include "platform/clock.h"
#include "platform/platform.h"
#include "report/report_form.h"

namespace tw {

std::optional<std::int64_t> ElapsedOf(const DateFormat& format, std::string_view start,
                                      std::string_view end) {
  const auto s = format.Parse(start);
  if (!s) return std::nullopt;
  const auto e = format.Parse(end);
  if (!e) return std::nullopt;
  return ElapsedSeconds(*s, *e);
}

}  // namespace tw

namespace Setup {

std::string CalculateTime(const std::string& start, const std::string& end) {
  std::string result;
  std::optional<tw::DateFormat> format;  // the report's: the texts are its records' start and end
  std::optional<std::int64_t> elapsed;
  tw::Guard step("Setup/CalculateTime");
  if (!step([&] {
        format = tw::ReportDateFormat();
        elapsed = tw::ElapsedOf(*format, start, end);
      }))
    return result;
  if (!elapsed) return result;
  step([&] { result = format->FormatDuration(*elapsed); });
  return result;
}

}  // namespace Setup
