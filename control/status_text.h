#pragma once
// A stretch's status as tallywright-ctl prints it, and as a panel reads it.
#include <cstdint>
#include <string>
#include <string_view>

#include "control/control.h"
#include "summaries/status_figures.h"

namespace tw {

// Hours, minutes and seconds of a stretch as the status line shows them: 1:02:13.
std::string ElapsedText(std::int64_t seconds);

// The status as one line a person reads: "Website redesign 1:02:13" or "not running".
std::string StatusLine(const TrackerStatus& status);
// The status as one JSON object.
std::string StatusJson(const TrackerStatus& status);
// The status in the arrangement of format: {running} {project} {start} {startIso} {elapsed}
// {seconds} {comment}, and from figures {budget_left} {budget_used_percent} {balance_today}
// {balance_week} (empty without them); "{{" and "}}" are braces. CtlUsageError for an unknown field.
std::string FormatStatus(std::string_view format, const TrackerStatus& status, const StatusFigures* figures = nullptr);

}  // namespace tw
