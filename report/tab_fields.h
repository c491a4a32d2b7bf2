#pragma once
// Lines of tab-separated fields, as the report's amendment lines and the history's steps are
// written: in a field, a comma is written %2C, a tab %09, a CR %0D, a line feed %0A and a percent
// sign %25, so that the line holds no comma (a reader of records passes it over) and splits back
// exactly.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tw {

std::string EscapeField(std::string_view text);
// Nothing for a text with a % that starts no escape.
std::optional<std::string> UnescapeField(std::string_view text);
// The fields of a line, split at every tab.
std::vector<std::string_view> SplitTabs(std::string_view line);

}  // namespace tw
