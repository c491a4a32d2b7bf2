#pragma once
// The date form of a report: the form its records are read and written in, whatever the user's
// locale says now. It is settled from the report's first records (dates/date_form.h) and the
// form kept beside the report; a report without records takes the user's form.
#include <optional>
#include <string>
#include <string_view>

#include "dates/date_form.h"
#include "dates/date_format.h"
#include "platform/files.h"
#include "platform/translate.h"

namespace tw {

// The file beside a report that keeps its form: the report's name with ".fmt" for its extension,
// so "projrpt.fmt" serves the report and its backup alike.
std::string FormFileOf(const std::string& reportPath);

// The kept file's text: "Name=value" lines for the patterns and markers, and the month names when
// the patterns name months. The form a text gives, over the names of `base`; nothing for a text
// without both patterns.
std::string FormText(const LocaleData& form);
std::optional<LocaleData> ParseFormText(std::string_view text, const LocaleData& base);

// The report's form, for a reader that changes nothing (tallywright-report). RunError when the
// report cannot be read, but not when it is missing.
LocaleData ReportForm(const Files& files, const std::string& reportPath, const LocaleData& user);

// The program's report ("projrpt.pro" in the data folder) in its form, for the user's form of
// platform(). Settled again only when the report's first records change, and kept beside the
// report once it has records, or at once when `writing` (a record is about to be appended). A
// report that cannot be read gives the form last settled for it, else the user's.
DateFormat ReportDateFormat(bool writing = false);
// Whether fewer than nine in ten of the report's first records read in its form: it holds lines
// in another form (records are still written in the form most of them are in).
bool ReportHoldsOtherForms();
inline constexpr const char* kOtherFormsStatus = TW_TEXT("Status", "The report holds lines in another form");

// The tooltip of the start or end box, "Start Time" or "End Time": the form the report is written
// in, as in "Start Time in DD.MM.YYYY HH:MM:SS format".
std::string TimeBoxTip(std::string_view box);

}  // namespace tw
