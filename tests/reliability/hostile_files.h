#pragma once
// Report files no program of ours writes: garbage, odd line ends, huge lines, a byte-order mark.
// Each holds the same few valid records of one day among its hostile bytes.
#include <string>
#include <vector>

#include "dates/date_value.h"

namespace tw::test {

struct HostileFile {
  std::string name;
  std::string content;
};

// The day the valid records are on, and the records themselves (without line ends).
DateTime HostileDay();
std::vector<std::string> ValidRecords();

std::vector<HostileFile> HostileFiles();

// The lines a reader takes from content: cut at LF, a CR before it dropped, a byte-order mark at
// the start dropped; empty lines left out.
std::vector<std::string> NonEmptyLines(const std::string& content);

}  // namespace tw::test
