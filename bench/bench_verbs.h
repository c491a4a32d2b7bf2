#pragma once
// The benchmark's rows of tallywright-ctl's mending verbs, against the program running.
#include <string>

namespace tw::bench {

// Each mending verb by the command ctl against the program that owns its data folder, beside the
// bare D-Bus round trip ping to the same program: the fastest of `runs` turns, each verb and the
// ping once a turn. The stretches it adds lie on a day the report holds none of, and are undone.
void VerbRows(const std::string& ctl, const std::string& ping, int runs);

}  // namespace tw::bench
