#pragma once
// Tags: words of a stretch's comment that start with '#' ("#call", "#client/acme", "#Überstunden").
//
// A tag is '#' and then letters, digits, '-', '_' and '/'; it starts the comment or follows white
// space, an opening bracket or an opening quote ("(#call)" holds a tag, "a#b" and "C#" do not), and
// ends at the first other character, so "#call," and "#call." are "call". A '-' or '/' at its end
// is left out ("#call-" is "call"), and it holds at least one letter or '_': "#42" is a number, as
// in "see issue #42". Letters are the ASCII ones and every character of another script; the
// spaces, dashes, quotes and other punctuation of Unicode's Latin-1, General Punctuation and CJK
// punctuation blocks end a tag like their ASCII kin.
//
// Tags are kept as first written and compared without case: ASCII letters, and the capitals and
// small letters of Latin-1, Latin Extended-A, basic Greek and Cyrillic ("#Über" is "#über").
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tw {

// The tag every stretch of a day off carries ("#off").
inline constexpr std::string_view kOffTag = "off";

// Whether a stretch's comment marks its day as a day off (holds #off). Such a stretch is recorded
// time but not work: it meets the day's target, bills nothing and uses no budget.
bool MarksDayOff(std::string_view comment);

// Calls found(tag) for each tag of the comment in order, repeats included; tag without its '#'.
template <class Found>
void ForEachTag(std::string_view comment, Found&& found);

// The comment's tags, each once (the first spelling of those that differ only in case), in order.
std::vector<std::string> TagsOf(std::string_view comment);

// The tag in the form tags are compared in: its letters small.
std::string TagKey(std::string_view tag);
// The same into `key`, whose room is used again: a loop over many comments allocates nothing.
void TagKeyInto(std::string_view tag, std::string& key);
bool SameTag(std::string_view a, std::string_view b);

// Whether the comment holds the tag; a '#' before the tag asked for is allowed.
bool HasTag(std::string_view comment, std::string_view tag);
// Whether the comment holds every one of the tags (true when none is asked for).
bool HasAllTags(std::string_view comment, std::span<const std::string> tags);

// Another program's tag made a tag word of ours, without its '#': leading '#'s left out, each run
// of blanks and characters a tag cannot hold made one '-', '-' and '/' left out at either end, and
// '_' put before a tag of digits alone ("client call" -> "client-call", "2024" -> "_2024",
// "a, b!" -> "a-b"). Empty when nothing is left. The same tag always gives the same word, and a
// word given again gives itself.
std::string TagWord(std::string_view otherTag);

// The comment with the words of the other program's tags added at its end ("review #client-call"),
// those it holds already (compared without case) and repeats left out; a comment holding them all
// comes back unchanged, so that importing the same stretch twice gives the same comment.
std::string WithTags(std::string_view comment, std::span<const std::string> otherTags);

// --- the reading itself ------------------------------------------------------------------------

namespace tags_detail {
// Where the tag of a '#' at `hash` ends (past its last byte; hash when no tag starts there), and
// where to look for the next '#'.
struct TagSpan {
  std::size_t end;
  std::size_t next;
};
TagSpan TagAt(std::string_view comment, std::size_t hash);
}  // namespace tags_detail

template <class Found>
void ForEachTag(std::string_view comment, Found&& found) {
  for (std::size_t hash = comment.find('#'); hash != std::string_view::npos;) {
    const tags_detail::TagSpan span = tags_detail::TagAt(comment, hash);
    if (span.end > hash + 1) found(comment.substr(hash + 1, span.end - hash - 1));
    hash = comment.find('#', span.next);
  }
}

}  // namespace tw
