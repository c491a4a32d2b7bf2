#pragma once
// tallywright-ctl: its command line, its verbs and what it prints. The verbs act through a Tracker:
// the running copy of the program, or the data folder itself when none runs.
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "app/control.h"

namespace tw {

// Exit statuses: done, refused (stop while nothing runs), a bad command line.
inline constexpr int kCtlDone = 0;
inline constexpr int kCtlRefused = 1;
inline constexpr int kCtlUsage = 2;

// A command line the user got wrong: one line on standard error, status 2.
class CtlUsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct CtlContext {
  std::vector<std::string> args;  // after the verb
  std::ostream& out;
  std::ostream& err;
  // The running copy's tracker, or the data folder's when no copy runs (made when first asked for).
  std::function<Tracker&()> tracker;
  // The data folder the command acts on.
  std::function<std::string()> dataFolder;
  // Watches the status until interrupted, calling print at every change and once a minute while a
  // stretch runs (status --follow); empty where it is not offered.
  std::function<int(const std::function<void(const TrackerStatus&)>& print)> follow;
};

// One verb of the command: its name, its arguments as --help shows them, what it does, and its
// routine, which returns the exit status or throws CtlUsageError or ControlError.
struct CtlVerb {
  const char* name;
  const char* arguments;
  const char* help;
  int (*run)(CtlContext& context);
};

// Every verb, in the order --help lists them. A new verb is one more entry.
const std::vector<CtlVerb>& CtlVerbs();

// Runs the command line (without the program's name): --help, or a verb with its arguments.
int RunCtl(const std::vector<std::string>& args, CtlContext& context);

// The status as one line a person reads: "Website redesign 1:02:13" or "not running".
std::string StatusLine(const TrackerStatus& status);
// The status as one JSON object.
std::string StatusJson(const TrackerStatus& status);
// The status in the arrangement of format: {running} {project} {start} {startIso} {elapsed}
// {seconds} {comment}; "{{" and "}}" are braces. CtlUsageError for an unknown field.
std::string FormatStatus(std::string_view format, const TrackerStatus& status);

}  // namespace tw
