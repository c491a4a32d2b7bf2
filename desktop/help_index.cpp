#include "desktop/help_index.h"

#include <algorithm>
#include <regex>

#include "dates/ascii.h"

namespace tw {
namespace {

// The text of a heading: tags dropped, the few entities the help file uses read, blanks folded.
std::string PlainText(const std::string& html) {
  std::string text = std::regex_replace(html, std::regex("<[^>]*>"), "");
  static const std::pair<const char*, const char*> kEntities[] = {
      {"&amp;", "&"}, {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&nbsp;", " "}};
  for (const auto& [entity, plain] : kEntities) {
    for (size_t at; (at = text.find(entity)) != std::string::npos;)
      text.replace(at, std::char_traits<char>::length(entity), plain);
  }
  return std::string(Trimmed(std::regex_replace(text, std::regex("\\s+"), " "), IsWhiteSpace));
}

}  // namespace

HelpIndex ReadHelpIndex(std::string_view html) {
  HelpIndex index;
  static const std::regex kHeading(
      "<h([1-6])[^>]*>\\s*<a\\s+name=\"([^\"]*)\"(?:\\s+title=\"([^\"]*)\")?\\s*>([\\s\\S]*?)</a>",
      std::regex::icase);
  const std::string text(html);
  for (auto it = std::sregex_iterator(text.begin(), text.end(), kHeading); it != std::sregex_iterator();
       ++it) {
    const std::smatch& m = *it;
    HelpTopic topic{PlainText(m[4].str()), m[2].str(), m[1].str()[0] - '0'};
    if (topic.title.empty() || topic.anchor.empty()) continue;
    index.keywords.push_back({topic.title, topic.anchor});
    const std::string extra = m[3].str();
    for (size_t start = 0; start <= extra.size();) {
      const size_t semicolon = std::min(extra.find(';', start), extra.size());
      const std::string keyword = PlainText(extra.substr(start, semicolon - start));
      if (!keyword.empty()) index.keywords.push_back({keyword, topic.anchor});
      start = semicolon + 1;
    }
    index.topics.push_back(std::move(topic));
  }
  std::stable_sort(index.keywords.begin(), index.keywords.end(),
                   [](const HelpKeyword& a, const HelpKeyword& b) {
                     return AsciiLowered(a.keyword) < AsciiLowered(b.keyword);
                   });
  return index;
}

int FindKeyword(const std::vector<HelpKeyword>& keywords, std::string_view typed) {
  if (keywords.empty()) return -1;
  const std::string wanted = AsciiLowered(Trimmed(typed, IsWhiteSpace));
  for (size_t i = 0; i < keywords.size(); ++i) {
    const std::string keyword = AsciiLowered(keywords[i].keyword);
    if (keyword.compare(0, wanted.size(), wanted) == 0 || keyword > wanted) return static_cast<int>(i);
  }
  return static_cast<int>(keywords.size()) - 1;
}

}  // namespace tw
