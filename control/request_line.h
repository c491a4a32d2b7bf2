#pragma once
// A request or an answer over the data folder's socket as one line: its fields separated by tabs,
// with tabs, line ends and backslashes inside written \t, \n, \r, \\.
#include <string>
#include <string_view>
#include <vector>

namespace tw {

std::vector<std::string> SplitRequestLine(std::string_view line);
std::string JoinRequestLine(const std::vector<std::string>& fields);

}  // namespace tw
