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

// The form a file's records were settled in, and how many of them it reads.
struct SettledForm {
  LocaleData form;
  int records = 0;  // records looked at that have a start
  int read = 0;     // of them, those whose start the form reads (with an end read as a stretch under a week, or not at all)
  // Fewer than nine in ten read: the file holds lines in another form, or lines that are none.
  bool Mixed() const;
};

// Of the forms `kept` (when not null), `user`, and those the texts show (for each of their most
// common shapes, one for each order of day, month and year, whatever width they write the year in),
// those that read the most starts and ends (a start and its end only where the end comes less than
// a week after it); of those the kept form, else the first that writes a start back byte for byte,
// else the first. So where the records cannot tell, the kept form wins, then the user's order; a
// file written and read under one locale is read and written on as that locale does.
SettledForm SettleDateForm(const std::vector<RecordTimes>& records, const LocaleData& user,
                           const LocaleData* kept = nullptr);

// The form as a person reads it in a tooltip: "DD.MM.YYYY HH:MM:SS", "MM/DD/YY HH:MM:SS AM/PM"
// for the United States' form.
std::string FormPicture(const LocaleData& form);

}  // namespace tw
