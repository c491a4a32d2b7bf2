// The date-time parser on any text: what it accepts writes and reads back the same, in several forms.
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "dates/date_form.h"
#include "dates/date_format.h"

namespace {

const std::array<tw::DateFormat, 4>& Formats() {
  static const std::array<tw::DateFormat, 4> formats = [] {
    tw::LocaleData us;
    tw::LocaleData de;
    de.shortDate = "dd.MM.yy";
    de.longTime = "HH:mm:ss t";
    de.shortTime = "HH:mm";
    tw::LocaleData c;
    c.shortDate = "d MMM yyyy";
    c.longTime = "HH:mm:ss t";
    tw::LocaleData ja;
    ja.shortDate = "yyyy/MM/dd";
    ja.longTime = "H\xe6\x99\x82mm\xe5\x88\x86ss\xe7\xa7\x92 t";
    ja.am = "\xe5\x8d\x88\xe5\x89\x8d";
    ja.pm = "\xe5\x8d\x88\xe5\xbe\x8c";
    return std::array<tw::DateFormat, 4>{tw::DateFormat(us), tw::DateFormat(de), tw::DateFormat(c),
                                         tw::DateFormat(ja)};
  }();
  return formats;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::string start(text.substr(0, size / 2)), end(text.substr(size / 2));
  const tw::DateFormat settled(tw::SettleDateForm({{start, end}}, Formats()[size % 4].data()).form);
  const auto& f = Formats();
  for (const tw::DateFormat* format : {&f[0], &f[1], &f[2], &f[3], &settled}) {
    const auto value = format->Parse(format == &settled ? std::string_view(start) : text);
    if (!value) continue;
    if (value->seconds < 0 || value->seconds >= tw::kSecondsPerDay) std::abort();
    // A form that shows no seconds drops them; nothing else may change on the way back.
    const std::string written = format->FormatGeneral(*value);
    const auto again = format->Parse(written);
    if (!again || again->day != value->day) std::abort();
    if (again->seconds != value->seconds && again->seconds != value->seconds - value->seconds % 60)
      std::abort();
    if (format->FormatGeneral(*again) != written) std::abort();
  }
  return 0;
}
