// Quick date reading equals Parse wherever it gives a value; the input picks a locale or spells its patterns.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "dates/quick_dates.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
  auto line = [&] {
    const size_t end = rest.find('\n');
    const std::string_view text = rest.substr(0, end);
    rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
    return text;
  };
  tw::LocaleData locale;
  switch (data[0] % 5) {
    case 1: locale.shortDate = "dd.MM.yyyy", locale.longTime = "HH:mm:ss"; break;
    case 2: locale.shortDate = "yyyy-MM-dd", locale.longTime = "H:mm", locale.am = "", locale.pm = ""; break;
    case 3: locale.shortDate = "d/M/yy", locale.longTime = "h.mm.ss ap", locale.am = "a.m.", locale.pm = "p.m."; break;
    case 4: locale.shortDate = line(), locale.longTime = line(); break;
    default: break;
  }
  const tw::DateFormat format(locale);
  tw::QuickDates dates(format);
  while (!rest.empty()) {
    const std::string_view text = line();
    if (const auto read = dates.Read(text); read && read != format.Parse(text)) std::abort();
  }
  return 0;
}
