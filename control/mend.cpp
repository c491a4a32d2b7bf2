#include "control/mend.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <optional>
#include <regex>
#include <set>
#include <sstream>

#include "control/control.h"
#include "control/request_line.h"
#include "dates/iso_date.h"
#include "dates/local_time.h"
#include "dates/time_expression.h"
#include "platform/platform.h"
#include "platform/translate.h"
#include "report/report_form.h"
#include "platform/utf8.h"
#include "report/record.h"
#include "store/changes.h"
#include "store/record_store.h"
#include "summaries/summary_command.h"
#include "tracking/running.h"

namespace tw {
namespace {

// A command line the user got wrong: exit status 2.
struct BadCommand {
  std::string why;
};
// A change refused: exit status 1.
struct Refused {
  std::string why;
};

constexpr const char* kGiveTheId = TW_TEXT("Mend", "give the stretch's ID (as list prints it)");
constexpr const char* kChangedSince = TW_TEXT("Mend", "the stretch was changed since it was read; list it again");

std::string Unexpected(const std::string& word) { return Arg(Tr("Mend", "unexpected \"%1\""), {word}); }

// Two lines, each after its label, the second label padded to the first's width: "Changed: A" and
// "To:      B".
std::string Labelled(const std::string& first, std::string second, const std::string& a, const std::string& b) {
  const auto width = [](const std::string& text) {
    return std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; });
  };
  second.append(static_cast<std::size_t>(std::max<std::ptrdiff_t>(0, width(first) - width(second))), ' ');
  return first + " " + a + "\n" + second + " " + b + "\n";
}

struct Args {
  std::vector<std::string> words;  // the arguments that are no options, in order
  std::map<std::string, std::string> values;
  std::set<std::string> flags;
  PeriodOptions period;
};

Args Parse(const std::string& verb, const std::vector<std::string>& args, const std::set<std::string>& flags,
           const std::set<std::string>& options, bool periods) {
  Args a;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (flags.count(arg)) {
      a.flags.insert(arg);
    } else if (options.count(arg)) {
      if (i + 1 >= args.size()) throw BadCommand{verb + ": " + Arg(Tr("Mend", "%1 needs a value"), {arg})};
      if (a.values.count(arg)) throw BadCommand{verb + ": " + Arg(Tr("Mend", "%1 is given twice"), {arg})};
      a.values[arg] = args[++i];
    } else if (periods && arg.starts_with("--")) {
      std::string message;
      const int taken = TakeOption(args, i, a.period, message);
      if (taken < 0) throw BadCommand{verb + ": " + message};
      if (taken == 0) throw BadCommand{verb + ": " + Arg(Tr("Mend", "unknown option %1"), {arg})};
    } else if (arg.starts_with("--") || (arg.size() > 1 && arg[0] == '-' && !std::isdigit(static_cast<unsigned char>(arg[1])))) {
      throw BadCommand{verb + ": " + Arg(Tr("Mend", "unknown option %1"), {arg})};
    } else {
      a.words.push_back(arg);
    }
  }
  return a;
}

RecordStore StoreOf(const MendContext& c) {
  return RecordStore(*c.files, ReadFolderReports(*c.files, c.folder.path, c.user, *c.reportForm));
}

// A moment typed by the person, in the past; a time of day alone is read on `day` when given (the
// stretch's own day, for edit and split).
TypedMoment Moment(const std::string& text, const MendContext& c, std::optional<std::int64_t> day = std::nullopt) {
  static const std::regex timeOfDay(R"(\d{1,2}:\d{2}(:\d{2})?)");
  if (day && std::regex_match(text, timeOfDay)) {
    const TypedMoment today = ReadTypedMoment(text, c.now);
    if (!today.read) return today;
    TypedMoment on = today;
    on.local = DateTime{*day, today.local.seconds};
    on.instant = InstantOfLocal(on.local);
    if (on.instant > c.now) on.refusal = Arg(Tr("Mend", "%1 on %2 is still to come"), {text, IsoDate(*day)}), on.read = false;
    return on;
  }
  return ReadPastMoment(text, c.now);
}

DateTime Need(const TypedMoment& m, const std::string& what) {
  if (!m.read) throw BadCommand{what + ": " + m.refusal};
  return m.local;
}

// n written with two digits at least, on the end of text.
void Two(std::string& text, std::int64_t n) {
  if (n < 10) text += '0';
  text += std::to_string(n);
}

std::string Clock(const DateTime& t) {
  std::string text;
  Two(text, t.seconds / 3600);
  text += ':';
  Two(text, t.seconds / 60 % 60);
  return text;
}

// One line of `list`: its id, day, start and end, length, project and comment, made in one string
// (a month's list costs no more than the month's summary).
std::string ListLine(const StoredStretch& s) {
  const RecordFields f = s.fields();
  std::string line;
  line.reserve(48 + f.project.size() + f.comment.size() + f.end.size());
  line += s.ShortId();
  line += "  ";
  line += IsoDate(s.start.day);
  line += ' ';
  line += Clock(s.start);
  line += '-';
  if (!s.end) {
    line += f.end;
  } else {
    if (s.end->day != s.start.day) line += IsoDate(s.end->day), line += ' ';
    line += Clock(*s.end);
  }
  line += "  ";
  if (s.seconds) {
    line += std::to_string(*s.seconds / 3600);
    line += ':';
    Two(line, *s.seconds / 60 % 60);
    line += ':';
    Two(line, *s.seconds % 60);
  } else {
    line += '-';
  }
  line += "  ";
  line += f.project;
  if (!f.comment.empty()) line += "  ", line += f.comment;
  return line;
}

std::string Json(const StoredStretch& s) {
  const RecordFields f = s.fields();
  return "{\"id\":" + JsonString(s.ShortId()) + ",\"project\":" + JsonString(f.project) +
         ",\"start\":" + JsonString(f.start) + ",\"end\":" + JsonString(f.end) +
         ",\"startIso\":" + JsonString(IsoDateTime(s.start)) +
         ",\"endIso\":" + (s.end ? JsonString(IsoDateTime(*s.end)) : "null") +
         ",\"seconds\":" + (s.seconds ? std::to_string(*s.seconds) : "null") +
         ",\"comment\":" + JsonString(f.comment) + ",\"device\":" + (s.device.empty() ? "null" : JsonString(s.device)) + "}";
}

std::int64_t InstantOf(const DateTime& t) { return InstantOfLocal(t); }

// The stretches, recorded or running, that [from, to) would overlap (a stretch `except` aside).
std::vector<std::string> Overlaps(const MendContext& c, std::int64_t from, std::int64_t to, const RecordId* except) {
  std::vector<std::string> found;
  const std::int64_t firstDay = LocalOfInstant(from).day - 1, lastDay = LocalOfInstant(to).day;
  std::vector<StoredStretch> near;
  FileMissing([&] { near = StoreOf(c).Stretches({firstDay, lastDay}); });  // no report yet: nothing near
  for (const StoredStretch* s : Overlapping(near, from, to, except)) found.push_back(ListLine(*s));
  std::string saved;
  if (!FileMissing([&] { saved = c.files->ReadAll(c.folder.Own(kRunningFile)); }))
    if (const auto running = ParseRunningFile(saved))
      if (const auto start = c.reportForm->Parse(running->start); start && InstantOf(*start) < to && c.now > from)
        found.push_back(Arg(Tr("Mend", "running: %1 since %2"), {running->project, running->start}));
  return found;
}

void CheckOverlap(const MendContext& c, const Args& a, std::int64_t from, std::int64_t to, const RecordId* except) {
  if (a.flags.count("--allow-overlap")) return;
  const std::vector<std::string> overlaps = Overlaps(c, from, to, except);
  if (overlaps.empty()) return;
  std::string list;
  for (const std::string& o : overlaps) list += "\n  " + o;
  throw Refused{Arg(Tr("Mend", "it would overlap%1\n(--allow-overlap records it all the same)"), {list})};
}

void CheckProject(const std::string& project, const std::string& comment) {
  try {
    CheckStartArguments(project, comment);
  } catch (const ControlError& e) {
    throw Refused{e.what()};
  }
  if (project.empty()) throw BadCommand{Tr("Mend", "name a project")};
}

StoredStretch FindStretch(const MendContext& c, const std::string& id) {
  const auto found = StoreOf(c).Find(id);
  if (!found)
    throw Refused{Arg(Tr("Mend", "no stretch has the id %1 (tallywright-ctl list shows them; an id names one stretch, "
                                 "and four of its characters at least are needed)"),
                      {id})};
  return *found;
}

Changes ChangesOf(const MendContext& c) { return Changes(*c.files, c.folder, c.origin, c.now); }

int Track(const Args& a, const MendContext& c, std::ostream& out) {
  if (a.words.size() != 3) throw BadCommand{"track: " + Tr("Mend", "give FROM TO PROJECT")};
  const DateTime from = Need(Moment(a.words[0], c), "track"), to = Need(Moment(a.words[1], c), "track");
  if (InstantOf(to) <= InstantOf(from)) throw BadCommand{"track: " + Arg(Tr("Mend", "%1 is not after %2"), {a.words[1], a.words[0]})};
  const std::string& project = a.words[2];
  const std::string comment = a.values.count("--comment") ? a.values.at("--comment") : "";
  CheckProject(project, comment);
  CheckOverlap(c, a, InstantOf(from), InstantOf(to), nullptr);
  const std::string line = RecordLine(project, c.reportForm->FormatGeneral(from), c.reportForm->FormatGeneral(to), comment);
  const bool dry = a.flags.count("--dry-run");
  if (!dry) ChangesOf(c).Add(line);
  StoredStretch shown;
  shown.id = {c.folder.OwnName("projrpt.pro"), line, 0};
  shown.shown = line;
  shown.format = std::make_shared<const DateFormat>(*c.reportForm);
  shown.start = from;
  shown.end = to;
  shown.seconds = InstantOf(to) - InstantOf(from);
  if (a.flags.count("--json"))
    out << Json(shown) << "\n";
  else
    out << Arg(dry ? Tr("Mend", "Would add: %1") : Tr("Mend", "Added: %1"), {ListLine(shown)}) << "\n";
  return 0;
}

int List(const Args& a, const MendContext& c, std::ostream& out) {
  if (!a.words.empty()) throw BadCommand{"list: " + Unexpected(a.words.front())};
  PeriodOptions o = a.period;
  std::string message;
  const std::optional<Period> period = ChosenPeriod(o, LocalOfInstant(c.now), c.firstWeekday, message);
  if (!period) throw BadCommand{"list: " + message};
  std::vector<StoredStretch> stretches;
  if (FileMissing([&] { stretches = StoreOf(c).Stretches(*period); })) stretches.clear();
  if (a.flags.count("--json")) {
    out << "[";
    for (std::size_t i = 0; i < stretches.size(); ++i) out << (i ? ",\n " : "") << Json(stretches[i]);
    out << "]\n";
  } else {
    const bool ids = a.flags.count("--ids");
    for (const StoredStretch& s : stretches) out << (ids ? s.ShortId() : ListLine(s)) << '\n';
  }
  return 0;
}

int Edit(const Args& a, const MendContext& c, std::ostream& out) {
  if (a.words.size() != 1) throw BadCommand{"edit: " + Tr("Mend", kGiveTheId)};
  if (a.values.empty()) throw BadCommand{"edit: " + Tr("Mend", "say what changes: --from, --to, --project or --comment")};
  const StoredStretch s = FindStretch(c, a.words[0]);
  const RecordFields f = s.fields();
  DateTime from = s.start;
  std::optional<DateTime> to = s.end;
  std::string start(f.start), end(f.end), project(f.project), comment(f.comment);
  if (a.values.count("--from")) start = s.format->FormatGeneral(from = Need(Moment(a.values.at("--from"), c, s.start.day), "edit"));
  if (a.values.count("--to"))
    end = s.format->FormatGeneral(*(to = Need(Moment(a.values.at("--to"), c, s.start.day), "edit")));
  if (a.values.count("--project")) project = a.values.at("--project");
  if (a.values.count("--comment")) comment = a.values.at("--comment");
  CheckProject(project, comment);
  if (to && InstantOf(*to) <= InstantOf(from))
    throw Refused{Arg(Tr("Mend", "its end %1 would not be after its start %2"), {end, start})};
  // Times kept are no new overlap: the comment or project of a stretch that overlaps one already
  // can be mended.
  if (to && (a.values.count("--from") || a.values.count("--to"))) CheckOverlap(c, a, InstantOf(from), InstantOf(*to), &s.id);
  const std::string line = RecordLine(project, start, end, comment);
  const bool dry = a.flags.count("--dry-run");
  if (!dry && !ChangesOf(c).Change(RefOf(s), line)) throw Refused{Tr("Mend", kChangedSince)};
  StoredStretch now = s;
  now.shown = line;
  now.start = from;
  now.end = to;
  if (to) now.seconds = std::abs(InstantOf(*to) - InstantOf(from));
  if (a.flags.count("--json"))
    out << Json(now) << "\n";
  else
    out << Labelled(dry ? Tr("Mend", "Would change:") : Tr("Mend", "Changed:"), Tr("Mend", "To:"), ListLine(s), ListLine(now));
  return 0;
}

int Delete(const Args& a, const MendContext& c, std::ostream& out) {
  if (a.words.size() != 1) throw BadCommand{"delete: " + Tr("Mend", kGiveTheId)};
  const StoredStretch s = FindStretch(c, a.words[0]);
  const bool dry = a.flags.count("--dry-run");
  if (!dry && !ChangesOf(c).Change(RefOf(s), std::nullopt)) throw Refused{Tr("Mend", kChangedSince)};
  out << Arg(dry ? Tr("Mend", "Would delete: %1") : Tr("Mend", "Deleted: %1"), {ListLine(s)}) << "\n";
  return 0;
}

int Split(const Args& a, const MendContext& c, std::ostream& out) {
  if (a.words.size() != 2) throw BadCommand{"split: " + Tr("Mend", "give the stretch's ID and the time to split it at")};
  const StoredStretch s = FindStretch(c, a.words[0]);
  if (!s.end) throw Refused{Tr("Mend", "the stretch has no end to split it before")};
  const DateTime at = Need(Moment(a.words[1], c, s.start.day), "split");
  const std::int64_t from = InstantOf(s.start), to = InstantOf(*s.end), cut = InstantOf(at);
  if (cut <= std::min(from, to) || cut >= std::max(from, to))
    throw Refused{Arg(Tr("Mend", "%1 does not lie inside the stretch (%2)"), {a.words[1], ListLine(s)})};
  const RecordFields f = s.fields();
  const std::string middle = s.format->FormatGeneral(at);
  const std::string first = RecordLine(f.project, f.start, middle, f.comment);
  const std::string second = RecordLine(f.project, middle, f.end, f.comment);
  if (!a.flags.count("--dry-run")) {
    Changes changes = ChangesOf(c);
    changes.AsOneStep();
    changes.Describe("the split of " + RecordWords(s.shown));
    if (!changes.Change(RefOf(s), first)) throw Refused{Tr("Mend", kChangedSince)};
    changes.Add(second);
  }
  out << Arg(a.flags.count("--dry-run") ? Tr("Mend", "Would split: %1\nat %2") : Tr("Mend", "Split: %1\nat %2"),
             {ListLine(s), Clock(at)})
      << "\n";
  return 0;
}

int UndoRedo(bool undo, const Args& a, const MendContext& c, std::ostream& out) {
  if (!a.words.empty()) throw BadCommand{std::string(undo ? "undo" : "redo") + ": " + Unexpected(a.words.front())};
  const bool dry = a.flags.count("--dry-run");
  Changes changes = ChangesOf(c);
  const Changes::Outcome outcome = undo ? changes.Undo(dry) : changes.Redo(dry);
  if (!outcome.refusal.empty() && (outcome.what.empty() || !dry))
    throw Refused{outcome.what.empty() ? outcome.refusal
                                       : Arg(undo ? Tr("Mend", "cannot undo %1: %2") : Tr("Mend", "cannot redo %1: %2"),
                                             {outcome.what, outcome.refusal})};
  const std::string done = dry ? (undo ? Tr("Mend", "Would undo %1") : Tr("Mend", "Would redo %1"))
                               : (undo ? Tr("Mend", "Undid %1") : Tr("Mend", "Redid %1"));
  out << Arg(done, {outcome.what}) << "\n";
  return 0;
}

int ListHistory(const Args& a, const MendContext& c, std::ostream& out) {
  if (!a.words.empty()) throw BadCommand{"history: " + Unexpected(a.words.front())};
  std::size_t count = 20;
  if (a.values.count("-n")) {
    const std::string& n = a.values.at("-n");
    if (n.empty() || n.size() > 6 || n.find_first_not_of("0123456789") != std::string::npos)
      throw BadCommand{"history: " + Tr("Mend", "-n takes a number of steps")};
    count = static_cast<std::size_t>(std::stoul(n));
  }
  const HistoryState state = ChangesOf(c).State();
  const bool json = a.flags.count("--json");
  if (json) out << "[";
  std::size_t shown = 0;
  for (auto it = state.steps.rbegin(); it != state.steps.rend() && shown < count; ++it) {
    const HistoryStep& s = *it;
    if (s.group != 0) continue;  // a later part of a change its first step stands for
    ++shown;
    const bool undone = std::find(state.undone.begin(), state.undone.end(), s.number) != state.undone.end();
    if (json) {
      out << (shown > 1 ? ",\n " : "") << "{\"step\":" << s.number << ",\"stamp\":" << JsonString(s.stamp)
          << ",\"origin\":" << JsonString(s.origin) << ",\"what\":" << JsonString(s.what)
          << ",\"before\":" << (s.before.empty() ? "null" : JsonString(s.before))
          << ",\"after\":" << (s.after.empty() ? "null" : JsonString(s.after))
          << ",\"undone\":" << (undone ? "true" : "false") << "}";
    } else {
      out << s.number << "  " << s.stamp << "  " << OriginWords(s.origin) << "  " << StepWords(s.what)
          << (undone ? "  " + Tr("Mend", "(undone)") : "") << "\n";
      if (!s.before.empty() && s.kind == StepKind::Edit)
        out << Labelled("      " + Tr("Mend", "was:"), "      " + Tr("Mend", "now:"), s.before, s.after);
    }
  }
  if (json) out << "]\n";
  return 0;
}

}  // namespace

const std::vector<MendHelp>& MendVerbs() {
  static const std::vector<MendHelp> verbs = {
      {kMendVerbNames[0].data(), "FROM TO PROJECT [--comment TEXT] [--allow-overlap] [--dry-run] [--json]",
       "adds a past stretch of PROJECT from FROM to TO (refused where it would overlap another, unless "
       "--allow-overlap)"},
      {kMendVerbNames[1].data(), "[PERIOD] [--json] [--ids]",
       "lists the stretches of a period (as tallywright-report takes it; today by default), each with its id"},
      {kMendVerbNames[2].data(), "ID [--from TIME] [--to TIME] [--project P] [--comment C] [--allow-overlap] [--dry-run] [--json]",
       "changes the stretch ID; a time of day alone is on the stretch's own day"},
      {kMendVerbNames[3].data(), "ID [--dry-run]", "takes the stretch ID out of the record"},
      {kMendVerbNames[4].data(), "ID AT [--dry-run]", "makes two stretches of the stretch ID, split at the time AT inside it"},
      {kMendVerbNames[5].data(), "[--dry-run]", "takes back the last change to the record (the windows' and this command's alike)"},
      {kMendVerbNames[6].data(), "[--dry-run]", "makes again the change the last undo took back"},
      {kMendVerbNames[7].data(), "[--json] [-n N]", "prints the last N changes (20 by default), newest first"},
  };
  return verbs;
}

int RunMend(const std::string& verb, const std::vector<std::string>& args, const MendContext& c, std::ostream& out,
            std::ostream& err) {
  const std::set<std::string> writing = {"--dry-run", "--json", "--allow-overlap"};
  try {
    try {
      if (verb == "track") return Track(Parse(verb, args, writing, {"--comment"}, false), c, out);
      if (verb == "list") return List(Parse(verb, args, {"--json", "--ids"}, {}, true), c, out);
      if (verb == "edit")
        return Edit(Parse(verb, args, writing, {"--from", "--to", "--project", "--comment"}, false), c, out);
      if (verb == "delete") return Delete(Parse(verb, args, {"--dry-run"}, {}, false), c, out);
      if (verb == "split") return Split(Parse(verb, args, {"--dry-run"}, {}, false), c, out);
      if (verb == "undo" || verb == "redo") return UndoRedo(verb == "undo", Parse(verb, args, {"--dry-run"}, {}, false), c, out);
      if (verb == "history") return ListHistory(Parse(verb, args, {"--json"}, {"-n"}, false), c, out);
      throw BadCommand{Arg(Tr("Mend", "unknown verb \"%1\""), {verb})};
    } catch (const RunError& e) {
      throw Refused{Arg(Tr("Mend", "the record could not be changed: %1"),
                        {e.description().empty() ? "error " + std::to_string(e.number()) : e.description()})};
    }
  } catch (const BadCommand& e) {
    err << "tallywright-ctl: " << e.why << "\n";
    return 2;
  } catch (const Refused& e) {
    err << "tallywright-ctl: " << Arg(Tr("Mend", "%1 refused: %2"), {verb, e.why}) << "\n";
    return 1;
  }
}

bool MendVerbWrites(const std::string& verb) { return IsMendVerb(verb) && !MendVerbOnlyReads(verb); }

int RunMendOn(const DataFolder& folder, const std::string& verb, const std::vector<std::string>& args,
              int firstWeekday, std::ostream& out, std::ostream& err) {
  const Platform& p = platform();
  const DateFormat form = ReportDateFormat();
  MendContext context;
  context.files = p.files;
  context.folder = folder;
  context.reportForm = &form;
  context.user = p.dateFormat->data();
  context.now = p.clock->UnixNow();
  context.firstWeekday = firstWeekday;
  context.origin = kFromCommandLine;
  return RunMend(verb, args, context, out, err);
}

bool MendRequestWrites(std::string_view request) {
  const std::vector<std::string> f = SplitRequestLine(request);
  return f.size() >= 2 && f[0] == "mend" && MendVerbWrites(f[1]);
}

std::string AnswerMendRequest(std::string_view request, int firstWeekday) {
  const std::vector<std::string> f = SplitRequestLine(request);
  if (f.size() < 2 || f[0] != "mend" || !IsMendVerb(f[1]))
    return JoinRequestLine({"error", kInvalidArgument, "Unknown request"});
  try {
    std::ostringstream out, err;
    const int status = RunMendOn(ProgramDataFolder(), f[1], {f.begin() + 2, f.end()}, firstWeekday, out, err);
    return JoinRequestLine({"ok", std::to_string(status), out.str(), err.str()});
  } catch (const std::exception& e) {
    return JoinRequestLine({"error", kFailed, e.what()});
  }
}

}  // namespace tw
