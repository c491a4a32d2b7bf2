#include "control/ctl_command.h"

#include "control/status_text.h"
#include "tracking/stretch.h"

namespace tw {
namespace {

// The value of option name (removed from args with it), or nothing when it is not there.
std::optional<std::string> TakeOption(std::vector<std::string>& args, std::string_view name) {
  std::optional<std::string> value;
  for (size_t i = 0; i < args.size();) {
    std::string& arg = args[i];
    if (arg == name) {
      if (i + 1 >= args.size()) throw CtlUsageError(std::string(name) + " needs a value");
      if (value) throw CtlUsageError(std::string(name) + " is given twice");
      value = args[i + 1];
      args.erase(args.begin() + static_cast<long>(i), args.begin() + static_cast<long>(i) + 2);
    } else if (arg.size() > name.size() && arg.starts_with(name) && arg[name.size()] == '=') {
      if (value) throw CtlUsageError(std::string(name) + " is given twice");
      value = arg.substr(name.size() + 1);
      args.erase(args.begin() + static_cast<long>(i));
    } else {
      ++i;
    }
  }
  return value;
}

bool TakeFlag(std::vector<std::string>& args, std::string_view name) {
  const size_t before = args.size();
  std::erase(args, std::string(name));
  return args.size() != before;
}

// Refuses what is left over once a verb has taken its arguments.
void NothingMore(const std::vector<std::string>& args, const char* verb) {
  if (!args.empty()) throw CtlUsageError(std::string(verb) + ": unexpected \"" + args.front() + "\"");
}

int RunStart(CtlContext& c) {
  const std::string comment = TakeOption(c.args, "--comment").value_or("");
  if (c.args.empty() || c.args.front().starts_with("--")) throw CtlUsageError("start: name a project");
  const std::string project = c.args.front();
  c.args.erase(c.args.begin());
  NothingMore(c.args, "start");
  if (project.empty()) throw CtlUsageError("start: name a project");
  CheckStartArguments(project, comment);
  c.tracker().Start(project, comment);
  return kCtlDone;
}

int RunStop(CtlContext& c) {
  NothingMore(c.args, "stop");
  c.tracker().End();
  return kCtlDone;
}

int RunToggle(CtlContext& c) {
  NothingMore(c.args, "toggle");
  Tracker& tracker = c.tracker();
  if (tracker.Status().running)
    tracker.End();
  else
    tracker.Start(LastProject(), "");  // none kept: the project box's
  return kCtlDone;
}

int RunStatus(CtlContext& c) {
  const bool json = TakeFlag(c.args, "--json");
  const bool follow = TakeFlag(c.args, "--follow");
  const std::optional<std::string> format = TakeOption(c.args, "--format");
  NothingMore(c.args, "status");
  if (json && format) throw CtlUsageError("status: --json and --format cannot go together");
  if (format) FormatStatus(*format, TrackerStatus{});  // a bad field is refused before anything is asked
  std::optional<std::string> printed;
  const auto print = [&](const TrackerStatus& status) {
    const std::string line = json ? StatusJson(status) : format ? FormatStatus(*format, status) : StatusLine(status);
    if (line == printed) return;  // a panel needs no line that says nothing new
    c.out << line << '\n';
    c.out.flush();
    printed = line;
  };
  if (follow) {
    if (!c.follow) throw ControlError(kFailed, "status --follow needs a session bus or a running Tallywright");
    return c.follow(print);
  }
  print(c.tracker().Status());
  return kCtlDone;
}

int RunProjects(CtlContext& c) {
  NothingMore(c.args, "projects");
  for (const std::string& name : c.tracker().Projects()) c.out << name << '\n';
  return kCtlDone;
}

int RunShow(CtlContext& c) {
  NothingMore(c.args, "show");
  c.tracker().Show();
  return kCtlDone;
}

void PrintHelp(std::ostream& out, const std::vector<CtlVerb>& verbs) {
  out << "Usage: tallywright-ctl VERB [ARGUMENTS]\n"
         "Drives Tallywright: the copy running on its data folder (through D-Bus, or the folder\n"
         "itself without a session bus), or, with none running, the data folder directly.\n\n";
  for (const CtlVerb& verb : verbs) {
    std::string head = std::string("  ") + verb.name + (*verb.arguments ? " " : "") + verb.arguments;
    out << head << "\n      " << verb.help << "\n";
  }
  out << "\nStatus fields for --format: {running} {project} {start} {startIso} {elapsed} {seconds}\n"
         "{comment}; {{ and }} are braces.\n"
         "Exit status: 0 done, 1 refused (stop with nothing running, a name the report cannot\n"
         "carry, a window waiting for an answer), 2 a bad command line.\n";
}

}  // namespace

const std::vector<CtlVerb>& TrackerVerbs() {
  static const std::vector<CtlVerb> verbs = {
      {"start", "PROJECT [--comment TEXT]",
       "starts a stretch of PROJECT (one running of another project is recorded first)", RunStart},
      {"stop", "", "ends the running stretch and records it", RunStop},
      {"toggle", "", "stops when a stretch runs, otherwise starts the project of the last stretch again", RunToggle},
      {"status", "[--json | --format TEXT] [--follow]",
       "prints the running stretch (\"Website redesign 1:02:13\" or \"not running\"); --follow prints "
       "it again at every change and once a minute, until interrupted",
       RunStatus},
      {"projects", "", "prints the project list, one name a line", RunProjects},
      {"show", "", "brings Tallywright's window forward, starting it when it is not running", RunShow},
  };
  return verbs;
}

int RunCtl(const std::vector<std::string>& args, CtlContext& context, const std::vector<CtlVerb>& verbs) {
  try {
    if (args.empty()) throw CtlUsageError("name a verb (tallywright-ctl --help lists them)");
    if (args.front() == "--help" || args.front() == "-h") {
      PrintHelp(context.out, verbs);
      return kCtlDone;
    }
    for (const CtlVerb& verb : verbs) {
      if (args.front() != verb.name) continue;
      context.args.assign(args.begin() + 1, args.end());
      if (TakeFlag(context.args, "--help")) {
        context.out << "Usage: tallywright-ctl " << verb.name << " " << verb.arguments << "\n  " << verb.help << "\n";
        return kCtlDone;
      }
      return verb.run(context);
    }
    throw CtlUsageError("unknown verb \"" + args.front() + "\" (tallywright-ctl --help lists them)");
  } catch (const CtlUsageError& e) {
    context.err << "tallywright-ctl: " << e.what() << '\n';
    return kCtlUsage;
  } catch (const ControlError& e) {
    context.err << "tallywright-ctl: " << e.what() << '\n';
    return kCtlRefused;
  }
}

}  // namespace tw
