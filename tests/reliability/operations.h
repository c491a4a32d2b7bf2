#pragma once
// The file-changing operations, each with its starting files and the old or new content its target may hold.
#include <functional>
#include <string>
#include <vector>

#include "tests/support/fakes.h"

namespace tw::test {

inline constexpr const char* kMissing = "<missing>";

struct Operation {
  std::string name;
  std::string target;            // the file it changes
  std::string location;          // where the handler is told of a failure (empty: the caller is)
  std::string before, after;     // the target's content before and after (kMissing: no file)
  std::function<void()> prepare;  // puts every file in its starting state
  // Runs the operation; true when it told the user (or its caller) that it succeeded.
  std::function<bool()> run;
  // Where set: the next start after a kill or failure ("&End Then") leaves no running stretch and the target `after`.
  std::function<void()> restart = nullptr;
};

// The operations, on a report of `lines` lines in folder, with the test's main window and dialogs.
std::vector<Operation> FileOperations(const TempFolder& folder, FakeMainView& form,
                                      FakeDialogs& dialogs, int lines);

// The target's content now, or kMissing.
std::string Content(const TempFolder& folder, const std::string& name);

}  // namespace tw::test
