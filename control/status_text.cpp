#include "control/status_text.h"

#include <sstream>

#include "control/ctl_command.h"
#include "platform/utf8.h"

namespace tw {

std::string ElapsedText(std::int64_t seconds) {
  if (seconds < 0) seconds = 0;
  const auto two = [](std::int64_t n) { return (n < 10 ? "0" : "") + std::to_string(n); };
  return std::to_string(seconds / 3600) + ":" + two(seconds / 60 % 60) + ":" + two(seconds % 60);
}

std::string StatusLine(const TrackerStatus& status) {
  if (!status.running) return "not running";
  return status.project + " " + ElapsedText(status.elapsed);
}

std::string StatusJson(const TrackerStatus& s) {
  std::ostringstream out;
  out << "{\"running\":" << (s.running ? "true" : "false") << ",\"project\":" << JsonString(s.project)
      << ",\"start\":" << JsonString(s.start) << ",\"startIso\":" << JsonString(s.startIso)
      << ",\"elapsed\":" << s.elapsed << ",\"comment\":" << JsonString(s.comment) << "}";
  return out.str();
}

std::string FormatStatus(std::string_view format, const TrackerStatus& s, const StatusFigures* figures) {
  const StatusFigures none;
  const StatusFigures& f = figures ? *figures : none;
  std::string text;
  for (size_t i = 0; i < format.size(); ++i) {
    const char c = format[i];
    if ((c == '{' || c == '}') && i + 1 < format.size() && format[i + 1] == c) {
      text += c;
      ++i;
      continue;
    }
    if (c != '{') {
      text += c;
      continue;
    }
    const size_t close = format.find('}', i);
    if (close == std::string_view::npos) throw CtlUsageError("--format: a \"{\" is not closed");
    const std::string_view field = format.substr(i + 1, close - i - 1);
    if (field == "running") text += s.running ? "true" : "false";
    else if (field == "project") text += s.project;
    else if (field == "start") text += s.start;
    else if (field == "startIso") text += s.startIso;
    else if (field == "elapsed") text += ElapsedText(s.elapsed);
    else if (field == "seconds") text += std::to_string(s.elapsed);
    else if (field == "comment") text += s.comment;
    else if (field == "budget_left") text += f.budgetLeft;
    else if (field == "budget_used_percent") text += f.budgetUsedPercent;
    else if (field == "balance_today") text += f.balanceToday;
    else if (field == "balance_week") text += f.balanceWeek;
    else throw CtlUsageError("--format: no field \"" + std::string(field) + "\"");
    i = close;
  }
  return text;
}

}  // namespace tw
