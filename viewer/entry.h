#pragma once
// What the entry editor hands to the report store, and what it refuses to hand over.
#include <optional>
#include <string>

#include "dates/date_format.h"
#include "platform/translate.h"

namespace tw {

struct EntryTexts {
  std::string project, start, end, comment;
};

enum class EntryField { Project, Start, End };

struct EntryProblem {
  EntryField field;
  std::string message;
};

// Why the texts cannot become a record that reads back as typed, or nothing when they can: a
// project with a comma would shift every later field, and a start or end that is not a date-time
// would put the entry on no day or give it no length. `example` is a date-time in the user's
// form, for the message.
std::optional<EntryProblem> CheckEntry(const EntryTexts& entry, const DateFormat& format,
                                       const std::string& example);

// The record line of the texts (without its line end); each line break in the project or the
// comment becomes a blank.
std::string EntryLine(const EntryTexts& entry);

// Told when the line an entry came from is no longer in the report file as it was read.
inline constexpr const char* kStaleEntryMessage = TW_TEXT(
    "EntryEditor",
    "This entry has been changed in the report file since the report was shown, so your change "
    "was not saved. The report is shown again as the file now stands.");

}  // namespace tw
