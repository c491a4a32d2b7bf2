#pragma once
// The form a file's date-time texts were written in, as the texts themselves show it: the order of
// day, month and year, 12- or 24-hour time, the separators and the widths. A file written under one
// locale is then read, and written on, in its own form under any other.
#include <string>
#include <vector>

#include "dates/date_pattern.h"

namespace tw {

// The start and end texts of one record.
struct RecordTimes {
  std::string start, end;
};

// Of the forms `kept` (when not null), `user`, and those the texts show (one for each order their
// numbers allow, the user's order first), those that read the most starts and ends (a start and its
// end only where the end comes less than a week after it); of those the kept form, else the first
// that writes a start back byte for byte, else the first. So where the records cannot tell, the
// kept form wins, then the user's order; a file written and read under one locale is read and
// written on as that locale does.
LocaleData SettleDateForm(const std::vector<RecordTimes>& records, const LocaleData& user,
                          const LocaleData* kept = nullptr);

}  // namespace tw
