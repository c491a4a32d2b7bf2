#pragma once
// The program's one error handler and the answer it leaves for the guarded routine that called it.
#include <string_view>

#include "platform/run_error.h"

namespace Error {

// The answer of the last HandleError call: 3 leave the routine, 4 run the failing step again,
// anything else go on with the next step.
extern int ErrorAction;

inline constexpr int kAbort = 3;
inline constexpr int kRetry = 4;
inline constexpr int kIgnore = 5;

// Handles a failure that a guarded routine met at `location` ("Setup/WriteRecord"). Under the
// product's own executable name the failure is fatal: it is written to the crash log, the user is
// told, and the process ends. Under any other name (a development run) the developer is asked
// Abort/Retry/Ignore. When the handler itself fails it answers 3 and returns.
void HandleError(std::string_view location, const tw::RunError& failure);

}  // namespace Error
