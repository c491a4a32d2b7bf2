#pragma once
// Changing one entry of the report: the whole file is written anew to "report.tmp" and renamed
// over "projrpt.pro" in one step, so the report is always either the old file or the new one.
#include <cstdint>
#include <optional>
#include <string>

#include "platform/files.h"
#include "platform/lines.h"

namespace tw {

// Rewrites the report in folder with the line `line` replaced by `replacement` (a line without
// its line end) or, without one, removed. Empty lines are left out; every other line is kept as
// it is, ended by CR LF. The line is the one starting at its offset when that still holds its
// text, else the first that does (its line moved). When no line holds it (the entry was changed
// since it was read), nothing is written and the result is false. RunError 53 when there is no
// report. With `at`, where the line was found.
bool RewriteReportLine(const Files& files, const std::string& folder, const SourceLine& line,
                       const std::optional<std::string>& replacement, std::uint64_t* at = nullptr);

}  // namespace tw
