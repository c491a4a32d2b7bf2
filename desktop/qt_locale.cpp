#include "desktop/qt_locale.h"

#include "desktop/qt_text.h"

namespace tw {

LocaleData LocaleDataOf(const QLocale& locale) {
  LocaleData data;
  // With no regional format (LANG unset, C or POSIX) the program's own numeric form, which every
  // other locale reads back, rather than Qt's "7 Dec 2026 11:03:35".
  if (locale.language() == QLocale::C) return data;
  data.shortDate = ToBytes(locale.dateFormat(QLocale::ShortFormat));
  data.longTime = ToBytes(locale.timeFormat(QLocale::LongFormat));
  data.shortTime = ToBytes(locale.timeFormat(QLocale::ShortFormat));
  data.am = ToBytes(locale.amText());
  data.pm = ToBytes(locale.pmText());
  for (int i = 0; i < 7; ++i) {
    // Qt counts weekdays from Monday = 1; the program from Sunday = 0.
    const int qtDay = i == 0 ? 7 : i;
    data.dayNames[i] = ToBytes(locale.standaloneDayName(qtDay, QLocale::LongFormat));
    data.shortDayNames[i] = ToBytes(locale.standaloneDayName(qtDay, QLocale::ShortFormat));
  }
  for (int i = 0; i < 12; ++i) {
    data.monthNames[i] = ToBytes(locale.monthName(i + 1, QLocale::LongFormat));
    data.shortMonthNames[i] = ToBytes(locale.monthName(i + 1, QLocale::ShortFormat));
  }
  return data;
}

int FirstWeekdayOf(const QLocale& locale) {
  if (locale.language() == QLocale::C) return 0;
  return locale.firstDayOfWeek() % 7;  // Qt counts Monday 1 .. Sunday 7
}

DateFormat UserDateFormat() { return DateFormat(LocaleDataOf(QLocale::system())); }

}  // namespace tw
