#pragma once
// The user's regional date and time format, read from the system locale.
#include <QLocale>

#include "dates/date_format.h"

namespace tw {

// The names and patterns of a locale; for the C locale, the program's own (LocaleData{}).
LocaleData LocaleDataOf(const QLocale& locale);
// The first day of a locale's week, 0 = Sunday .. 6 = Saturday; Sunday with no regional format,
// whose dates the program writes as the United States does.
int FirstWeekdayOf(const QLocale& locale);
// The user's format: the system locale's.
DateFormat UserDateFormat();

}  // namespace tw
