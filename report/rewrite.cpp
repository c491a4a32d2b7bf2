#include "report/rewrite.h"

#include "report/report_files.h"

namespace tw {
namespace {

// One pass of the rewrite: the line at the offset when it still holds the text, or with
// `anywhere`, the first line that holds it. False, with nothing committed, when none does.
bool Rewrite(const Files& files, const std::string& folder, const SourceLine& line,
             const std::optional<std::string>& replacement, bool anywhere, std::uint64_t* at) {
  Files::Reader reader = files.OpenRead(JoinPath(folder, kReportFile));
  Files::Replacement out = files.BeginReplace(JoinPath(folder, kReportFile), JoinPath(folder, kReportScratch));
  LineReader lines(reader);
  bool found = false;
  std::string_view text;
  while (lines.Next(text)) {
    if (!found && (anywhere ? text == line.text : lines.offset() == line.offset)) {
      // Not committed, the scratch file goes and the report stays as it is.
      if (text != line.text) return false;
      found = true;
      if (at) *at = lines.offset();
      if (replacement) {
        out.Write(*replacement);
        out.Write("\r\n");
      }
      continue;
    }
    if (text.empty()) continue;
    out.Write(text);
    out.Write("\r\n");
  }
  if (!found) return false;
  out.Commit();
  return true;
}

}  // namespace

bool RewriteReportLine(const Files& files, const std::string& folder, const SourceLine& line,
                       const std::optional<std::string>& replacement, std::uint64_t* at) {
  // Held from the read to the rename: an append of another copy of the program waits for the new
  // file instead of going into the old one and vanishing with it.
  const Files::Lock lock = files.LockFor(JoinPath(folder, kReportFile));
  // A record is its text: where its line has moved since it was read (an earlier rewrite left out
  // an empty line, a record was merged in before it), the first line holding it is the one.
  return Rewrite(files, folder, line, replacement, false, at) ||
         (!line.text.empty() && Rewrite(files, folder, line, replacement, true, at));
}

}  // namespace tw
