#pragma once
// The benchmark's rows of what time amounts to: summaries with rates, tags and a working-time
// target, each beside the same summary without them, in the same run on the same file.
#include <cstddef>
#include <string>

namespace tw::bench {

// Writes a report of `records` tagged records, a rates file and a target into a folder of its own
// under `folder`, prints the rows, and takes the folder away again.
void MoneyRows(const std::string& folder, std::size_t records);

}  // namespace tw::bench
