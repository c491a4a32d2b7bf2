#include "control/ctl_verbs.h"

#include "import/import_command.h"
#include "platform/platform.h"

namespace tw {
namespace {

int RunImport(CtlContext& c) {
  const Platform& p = platform();
  const ImportContext context{p.files, c.dataFolder(), p.dateFormat->data(), p.clock->UnixNow(), "command line"};
  return RunImportCommand(c.args, context, c.out, c.err);
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
    return all;
  }();
  return verbs;
}

int RunCtl(const std::vector<std::string>& args, CtlContext& context) { return RunCtl(args, context, CtlVerbs()); }

}  // namespace tw
