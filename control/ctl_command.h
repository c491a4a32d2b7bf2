#pragma once
// tallywright-ctl: its command line and its verbs. The verbs act through a Tracker:
// the running copy of the program, or the data folder itself when none runs.
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "control/control.h"
#include "summaries/status_figures.h"

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
  int firstWeekday = 0;  // the user's first day of the week: 0 Sunday .. 6 Saturday
  // The running stretch's budget and balance for status --format, read from the data folder; empty
  // where they are not offered (the quick command hands such a status to the full one).
  std::function<StatusFigures(const TrackerStatus&)> figures = nullptr;
  // Asks the copy of the program that owns the data folder (the verbs that mend the record go
  // through it); empty: the folder is acted on here.
  std::function<OwnerAnswer(std::string_view request)> askOwner = nullptr;
};

// A verb's arguments, each taken out of args as it is read: an option's value (--name VALUE or
// --name=VALUE), nothing when it is not there; whether a flag is there; and a refusal of what is
// left over once the verb has taken all it knows.
std::optional<std::string> TakeOption(std::vector<std::string>& args, std::string_view name);
bool TakeFlag(std::vector<std::string>& args, std::string_view name);
void NothingMore(const std::vector<std::string>& args, const char* verb);

// One verb of the command: its name, its arguments as --help shows them, what it does, and its
// routine, which returns the exit status or throws CtlUsageError or ControlError.
struct CtlVerb {
  const char* name;
  const char* arguments;
  const char* help;
  int (*run)(CtlContext& context);
};

// The verbs that act on a Tracker, in the order --help lists them: all the quick tallywright-ctl
// carries out itself. A new verb is one more entry (here, or in CtlVerbs for one that needs more).
const std::vector<CtlVerb>& TrackerVerbs();

// Runs the command line (without the program's name): --help, or one of verbs with its arguments.
int RunCtl(const std::vector<std::string>& args, CtlContext& context, const std::vector<CtlVerb>& verbs);

}  // namespace tw
