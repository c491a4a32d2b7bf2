#include "control/ctl_verbs.h"

#include <utility>

#include "control/ctl_rate.h"
#include "control/mend.h"
#include "import/import_command.h"
#include "platform/platform.h"

namespace tw {
namespace {

int RunImport(CtlContext& c) {
  const Platform& p = platform();
  const ImportContext context{p.files, c.dataFolder(), p.dateFormat->data(), p.clock->UnixNow(), "command line"};
  return RunImportCommand(c.args, context, c.out, c.err);
}

// The mending verbs, each run by the record store's routines: those that change the record by the
// running program when one owns the folder, so that its windows show the change; otherwise, and
// for list and history, over the data folder here.
int RunMendVerb(const char* verb, CtlContext& c) {
  if (c.askOwner && MendVerbWrites(verb))
    if (const std::optional<int> status = AskOwnerToMend(c.askOwner, verb, c.args, c.out, c.err)) return *status;
  return RunMendOn(DataFolder::At(c.dataFolder()), verb, c.args, c.firstWeekday, c.out, c.err);
}
template <std::size_t N>
int RunMendAt(CtlContext& c) {
  return RunMendVerb(MendVerbs()[N].name, c);
}
template <std::size_t... N>
void AddMendVerbs(std::vector<CtlVerb>& all, std::index_sequence<N...>) {
  (all.push_back({MendVerbs()[N].name, MendVerbs()[N].arguments, MendVerbs()[N].help, &RunMendAt<N>}), ...);
}

}  // namespace

const std::vector<CtlVerb>& CtlVerbs() {
  static const std::vector<CtlVerb> verbs = [] {
    std::vector<CtlVerb> all = TrackerVerbs();
    all.push_back({"import", "FILE [--format NAME] [--dry-run] [--no-new-projects] [--json]",
                   "adds the stretches of another tracker's file to the report, all or none, skipping those it "
                   "holds, after printing the preview; --format timewarrior, timewarrior-json, watson, hamster, "
                   "gtimelog, toggl, clockify, ical, tallywright-csv, tallywright-json or tallywright where the "
                   "file's is not recognised (exit status 1 when refused)",
                   RunImport});
    AddMendVerbs(all, std::make_index_sequence<8>());
    all.push_back({"rate", kRateArguments, kRateHelp, RunRate});
    return all;
  }();
  return verbs;
}

int RunCtl(const std::vector<std::string>& args, CtlContext& context) { return RunCtl(args, context, CtlVerbs()); }

}  // namespace tw
