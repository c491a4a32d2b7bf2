#pragma once
// A summary written out for other programs: per project, per day or per tag as tab-separated text
// or as CSV (RFC 4180: CR LF, a header line, fields quoted where needed) with the period's total as
// the last row, the whole period as one JSON object, its stretches as iCalendar events or as the
// lines of an invoice. tallywright-report and the Summary window's Copy and Export write these
// same texts. Columns and fields only ever come after the ones there were, so that scripts that
// read them go on reading them.
#include <cstdint>
#include <initializer_list>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "dates/iso_date.h"
#include "platform/utf8.h"
#include "summaries/report_command.h"
#include "summaries/summary.h"

namespace tw {

enum class SummaryTable { Projects, Days, Tags };

// hh:mm:ss with whole hours however many: 37:30:00. (Hours with two decimals: HoursText.)
std::string ClockText(std::int64_t seconds);

// One row of cells: tab-separated and ended by LF, or as CSV ended by CR LF.
template <class Cells>
void WriteRow(std::ostream& out, bool csv, const Cells& cells) {
  const char* separator = "";
  for (const auto& cell : cells) {
    out << separator;
    separator = csv ? "," : "\t";
    if (csv)
      out << CsvField(cell);
    else
      out << std::string_view(cell);
  }
  out << (csv ? "\r\n" : "\n");
}
inline void WriteRow(std::ostream& out, bool csv, std::initializer_list<std::string> cells) {
  WriteRow<std::initializer_list<std::string>>(out, csv, cells);
}

// Project,Duration,Hours,Stretches,Amount,Billable Hours,Not Billable Hours (or Date,... with the
// date as YYYY-MM-DD, or Tag,... with each tag's stretches, a stretch counting under each of its
// tags), one row each, and the "Total Time:" row of the period. The amount is what is billed: 0
// for work that is not billable. As text the amount's header names the currency.
void WriteTable(const Summary& summary, SummaryTable table, bool csv, std::ostream& out);
// {"from", "to", "totalSeconds", "skippedLines", "projects", "days", "entries", "currency",
// "amount", "billableSeconds", "notBillableSeconds", "notBillableValue", "tags"}: each project,
// day and entry with its amount (and each entry its rate, whether it is billable, and its tags).
void WriteJson(const Summary& summary, const std::vector<SummaryEntry>& entries, std::ostream& out);
// The stretches of billable work as the lines of an invoice, for a spreadsheet or an invoicing
// program: Date,Project,Comment,Hours,Rate,Amount (hours rounded as the summary rounds, with two
// decimals), in order of project and then of start, no total row. Each line's amount is its hours
// as written times its rate, so that a program multiplying them finds it, and the invoice's total
// is the sum of its lines; it may differ by cents from the summary's amount of the same work,
// reckoned from the exact lengths, unless the rounding makes whole hundredths of an hour.
// Stretches of no length (rounded away, or without an end) and days off are left out.
void WriteInvoiceLines(const Summary& summary, const std::vector<SummaryEntry>& entries, std::ostream& out);

// The period's stretches as an iCalendar file (RFC 5545): one event per stretch with an end, in
// UTC, its UID the same for the same record on every export, its tags as CATEGORIES and, read with
// rates, its amount as X-TALLYWRIGHT-AMOUNT (with X-TALLYWRIGHT-CURRENCY), CR LF line ends, lines
// folded at 75 octets.
void WriteICalendar(const Summary& summary, const std::vector<SummaryEntry>& entries, std::ostream& out);

// The forms the Summary window copies and exports a period in, in the order of its list. A new
// form is one more entry with its writer.
struct ExportForm {
  const char* name;       // as the list shows it
  const char* extension;  // of the file name suggested
  const char* filter;     // of the save dialog
  bool entries;           // lists every stretch: the report is read again for them
  void (*write)(const Summary& summary, const std::vector<SummaryEntry>& entries, std::ostream& out);
};
std::span<const ExportForm> ExportForms();

// A text with every line ended by CR LF, as the program's files are.
std::string WithCrLf(std::string_view text);

}  // namespace tw
