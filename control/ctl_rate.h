#pragma once
// tallywright-ctl rate: a project's hourly rates from the command line, in the data folder's rates
// file (billing/rates.h), by the Project settings window's rules (projects/project_terms.h). The
// running program's windows follow the file, so the command writes it wherever it runs.
#include "control/ctl_command.h"

namespace tw {

// rate PROJECT: prints the project's rates; rate PROJECT AMOUNT: sets its rate from --from (today
// by default) on, and with --not-billable or --billable whether its work is charged for.
int RunRate(CtlContext& context);

inline constexpr const char* kRateArguments =
    "PROJECT [AMOUNT [--from YYYY-MM-DD] [--not-billable | --billable] [--dry-run]] [--json]";
inline constexpr const char* kRateHelp =
    "prints PROJECT's hourly rates, each from the day it takes effect; with AMOUNT (85 or 85.50), sets its "
    "rate from --from (today by default) on, the amounts of earlier days staying as they are";

}  // namespace tw
