// Tags in comments, and the words the import makes of another program's tags.
#include <gtest/gtest.h>

#include "billing/tags.h"

namespace tw {
namespace {

using Tags = std::vector<std::string>;

TEST(Tags, AreTheHashWordsThatStartAWordAndEndAtPunctuation) {
  const struct {
    const char* comment;
    Tags tags;
  } cases[] = {
      {"review #call, then #Follow-up. #end", {"call", "Follow-up", "end"}},
      {"a#b C# café#x #42 #1/2 ## #", {}},                           // inside a word, numbers, bare '#'
      {"(#call) [#a] {#b} \"#c\" '#d' x:#e", {"call", "a", "b", "c", "d"}},
      {"#call- #client/acme/ #-- #x-y", {"call", "client/acme", "x-y"}},
      {"#a_1 #_ #1st #2026-q1 ##h #a#b", {"a_1", "_", "1st", "2026-q1", "a"}},
      {"#Call #CALL #call #other", {"Call", "other"}},                 // each once, as first written
      {"#Über #über #ÜBER", {"Über"}},
      {"#Łódź #łÓDŹ #Ÿes #ÿES #ÀĀЀ #àāѐ", {"Łódź", "Ÿes", "ÀĀЀ"}},
      {"#Москва #москва #ΣΟΦΙΑ #σοφια #µs", {"Москва", "ΣΟΦΙΑ", "µs"}},
      {"«#Zitat» „#deutsch“ #fin… \xC2\xA0#nbsp", {"Zitat", "deutsch", "fin", "nbsp"}},
      {"会议，#讨论。#下一步：做", {"讨论", "下一步"}},
      {"#tag\xFF rest #t\xC3", {"tag", "t"}},                          // a byte that is not UTF-8 ends it
      {"\t#tab\n#line", {"tab", "line"}},
  };
  for (const auto& c : cases) EXPECT_EQ(TagsOf(c.comment), c.tags) << c.comment;

  EXPECT_TRUE(HasTag("fix #Call", "call"));
  EXPECT_TRUE(HasTag("fix #call", "#CALL"));
  EXPECT_FALSE(HasTag("fix #calls", "call"));
  EXPECT_FALSE(HasTag("fix call", "call"));
  const Tags both{"b", "#A"}, other{"a", "c"};
  EXPECT_TRUE(HasAllTags("#a x #B", both));
  EXPECT_FALSE(HasAllTags("#a x #B", other));
  EXPECT_TRUE(HasAllTags("no tags", {}));
}

TEST(Tags, OtherProgramsTagsBecomeWordsOnceWhateverTheirCharacters) {
  const struct {
    const char* tag;
    const char* word;
  } cases[] = {
      {"#urgent", "urgent"},   {"2024", "_2024"},       {"a, b!", "a-b"},    {"  ", ""},  {"a - b", "a-b"},
      {"x/y/", "x/y"},         {"--a--b--", "a--b"},    {"Über Stunden", "Über-Stunden"}, {"会议：准备", "会议-准备"},
      {"bad\xFFtag", "bad-tag"}, {"a\tb\nc", "a-b-c"},
  };
  for (const auto& c : cases) {
    const std::string word = TagWord(c.tag);
    EXPECT_EQ(word, c.word) << c.tag;
    EXPECT_EQ(TagWord(word), word) << c.tag;
    if (!word.empty()) {
      EXPECT_EQ(TagsOf("x #" + word + " y"), Tags{word}) << c.tag;
    }
  }

  const Tags peer{"client call", "Urgent", "urgent", "!!"};
  const std::string once = WithTags("review", peer);
  EXPECT_EQ(once, "review #client-call #Urgent");
  EXPECT_EQ(WithTags(once, peer), once);
  EXPECT_EQ(WithTags("#URGENT fix ", peer), "#URGENT fix #client-call");
  EXPECT_EQ(WithTags("", peer), "#client-call #Urgent");
  EXPECT_EQ(WithTags("plain", {}), "plain");
}

}  // namespace
}  // namespace tw
