#pragma once
// Every verb of the full tallywright-ctl: those on a Tracker and the import.
#include <string>
#include <vector>

#include "control/ctl_command.h"

namespace tw {

// Every verb, in the order --help lists them.
const std::vector<CtlVerb>& CtlVerbs();

// Runs the command line (without the program's name) with every verb.
int RunCtl(const std::vector<std::string>& args, CtlContext& context);

}  // namespace tw
