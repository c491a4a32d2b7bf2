#pragma once
// The contents and keyword index of a help file. The help file is HTML whose topics are headings
// holding an anchor: <h2><a name="tracking" title="start; stop">Tracking a stretch</a></h2>. The
// heading's text is a topic of the contents and a keyword; the title adds further keywords,
// separated by ";".
#include <string>
#include <string_view>
#include <vector>

namespace tw {

struct HelpTopic {
  std::string title;
  std::string anchor;
  int level = 2;  // 1 for h1, 2 for h2, ...
};

struct HelpKeyword {
  std::string keyword;
  std::string anchor;
};

struct HelpIndex {
  std::vector<HelpTopic> topics;      // in the file's order
  std::vector<HelpKeyword> keywords;  // sorted without regard to letter case
};

HelpIndex ReadHelpIndex(std::string_view html);

// The keyword that the typed beginning leads to: the first that starts with it (letter case
// ignored), else the first that sorts after it; -1 for an empty index.
int FindKeyword(const std::vector<HelpKeyword>& keywords, std::string_view typed);

}  // namespace tw
