#include "control/ctl_command.h"

#include "control/status_text.h"
#include "dates/time_expression.h"
#include "platform/platform.h"
#include "tracking/stretch.h"

namespace tw {

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

void NothingMore(const std::vector<std::string>& args, const char* verb) {
  if (!args.empty()) throw CtlUsageError(std::string(verb) + ": unexpected \"" + args.front() + "\"");
}

namespace {

// Prints what a request recorded, when it recorded anything.
void Told(CtlContext& c, const std::string& done) {
  if (!done.empty()) c.out << done << '\n';
}

// Time away the person was not asked about: ended at the moment they left, unless --keep-away.
AwayRule AwayFrom(CtlContext& c) {
  return TakeFlag(c.args, "--keep-away") ? AwayRule::kKeepAway : AwayRule::kEndWhenLeft;
}

// --at TIME and --dry-run: the moment named, read as the mending verbs read it (never one to
// come), and whether only to say what would be done; for a start, --allow-overlap.
RequestMoment MomentFrom(CtlContext& c, const char* verb, bool starts = false) {
  RequestMoment when;
  when.dryRun = TakeFlag(c.args, "--dry-run");
  when.allowOverlap = starts && TakeFlag(c.args, "--allow-overlap");
  if (const std::optional<std::string> at = TakeOption(c.args, "--at")) {
    const TypedMoment moment = ReadPastMoment(*at, platform().clock->UnixNow());
    if (!moment.read) throw CtlUsageError(std::string(verb) + ": " + moment.refusal);
    if (!moment.note.empty()) c.err << "tallywright-ctl: " << moment.note << '\n';
    when.at = moment.instant;
  }
  return when;
}

int RunStart(CtlContext& c) {
  // Without --comment the new stretch has none, whether the program runs or not.
  const std::string comment = TakeOption(c.args, "--comment").value_or("");
  const AwayRule away = AwayFrom(c);
  const RequestMoment when = MomentFrom(c, "start", true);
  if (c.args.empty() || c.args.front().starts_with("--")) throw CtlUsageError("start: name a project");
  const std::string project = c.args.front();
  c.args.erase(c.args.begin());
  NothingMore(c.args, "start");
  if (project.empty()) throw CtlUsageError("start: name a project");
  CheckStartArguments(project, comment);
  Told(c, c.tracker().Start(project, comment, away, when));
  return kCtlDone;
}

int RunStop(CtlContext& c) {
  const AwayRule away = AwayFrom(c);
  const RequestMoment when = MomentFrom(c, "stop");
  NothingMore(c.args, "stop");
  Told(c, c.tracker().End(away, when));
  return kCtlDone;
}

int RunContinue(CtlContext& c) {
  const RequestMoment when = MomentFrom(c, "continue", true);
  NothingMore(c.args, "continue");
  Told(c, c.tracker().Continue(when));
  return kCtlDone;
}

int RunCancel(CtlContext& c) {
  const bool dry = TakeFlag(c.args, "--dry-run");
  NothingMore(c.args, "cancel");
  Told(c, c.tracker().Cancel(dry));
  return kCtlDone;
}

int RunComment(CtlContext& c) {
  const bool dry = TakeFlag(c.args, "--dry-run");
  if (c.args.size() != 1) throw CtlUsageError("comment: give the comment as one argument (\"\" takes it away)");
  Told(c, c.tracker().SetComment(c.args.front(), dry));
  return kCtlDone;
}

int RunToggle(CtlContext& c) {
  const AwayRule away = AwayFrom(c);
  NothingMore(c.args, "toggle");
  Tracker& tracker = c.tracker();
  if (tracker.Status().running)
    Told(c, tracker.End(away, {}));
  else
    tracker.Start(LastProject(), "", away, {});  // none kept: the project box's
  return kCtlDone;
}

int RunStatus(CtlContext& c) {
  const bool json = TakeFlag(c.args, "--json");
  const bool follow = TakeFlag(c.args, "--follow");
  const std::optional<std::string> format = TakeOption(c.args, "--format");
  const std::optional<std::string> idle = TakeOption(c.args, "--format-idle");
  NothingMore(c.args, "status");
  if (json && format) throw CtlUsageError("status: --json and --format cannot go together");
  if (idle && !format) throw CtlUsageError("status: --format-idle goes with --format");
  if (format) FormatStatus(*format, TrackerStatus{});  // a bad field is refused before anything is asked
  std::optional<std::string> printed;
  std::optional<StatusFigures> figures;
  const auto figured = [&](const TrackerStatus& status) -> const StatusFigures* {
    if (!c.figures || !AsksStatusFigures(*format)) return nullptr;
    figures = c.figures(status);
    return &*figures;
  };
  const auto print = [&](const TrackerStatus& status) {
    // A format's fields say nothing while nothing runs: the idle text stands for them (empty by default).
    const std::string line = json     ? StatusJson(status)
                             : format ? (status.running ? FormatStatus(*format, status, figured(status)) : idle.value_or(""))
                                      : StatusLine(status);
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
         "{comment}; {budget_left} and {budget_used_percent} of the project's tightest budget, and\n"
         "{balance_today} and {balance_week} of the working-time target, the running stretch counted;\n"
         "{{ and }} are braces. While nothing runs, --format prints the --format-idle text\n"
         "(an empty line without it).\n"
         "Time away: stop, toggle and a start of another project end the running stretch at the moment\n"
         "you left, when you were away (no input for IdleMinutes, a locked screen, a sleep) and were not\n"
         "asked about it yet, and print what they recorded; --keep-away counts the time away as work.\n"
         "start without --comment starts a stretch with no comment, whether Tallywright runs or not.\n"
         "TIME: 9:00, yesterday 17:30, mon 9:00, 2026-12-08T09:00, -15min, -1h30min (man tallywright-ctl\n"
         "lists the forms); never one to come, nor before the running stretch's start.\n"
         "Exit status: 0 done, 1 refused (stop with nothing running, a name the report cannot\n"
         "carry, a window waiting for an answer), 2 a bad command line.\n";
}

}  // namespace

const std::vector<CtlVerb>& TrackerVerbs() {
  static const std::vector<CtlVerb> verbs = {
      {"start", "PROJECT [--comment TEXT] [--at TIME] [--allow-overlap] [--keep-away] [--dry-run]",
       "starts a stretch of PROJECT, now or at TIME (one running of another project is recorded first, "
       "ending there); no --comment: no comment",
       RunStart},
      {"stop", "[--at TIME] [--keep-away] [--dry-run]",
       "ends the running stretch and records it: at TIME, or now, or at the moment you left when you were "
       "away (--keep-away: now)",
       RunStop},
      {"continue", "[--at TIME] [--allow-overlap] [--dry-run]",
       "starts again the project and comment of the last stretch recorded, now or at TIME (not before its end); "
       "refused while a stretch runs",
       RunContinue},
      {"cancel", "[--dry-run]",
       "discards the running stretch, recording nothing, and prints the command that starts it again", RunCancel},
      {"comment", "TEXT [--dry-run]", "sets the comment of the running stretch", RunComment},
      {"toggle", "[--keep-away]",
       "stops when a stretch runs, otherwise starts the project of the last stretch again", RunToggle},
      {"status", "[--json | --format TEXT [--format-idle TEXT]] [--follow]",
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
