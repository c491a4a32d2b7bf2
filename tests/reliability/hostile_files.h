#pragma once
// Report files no program of ours writes, each holding the same few valid records among hostile bytes.
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

// The lines a reader takes: cut at LF, a CR before it and a leading byte-order mark dropped, empty lines left out.
std::vector<std::string> NonEmptyLines(const std::string& content);

}  // namespace tw::test
