#include "billing/tags.h"

#include <algorithm>

#include "dates/ascii.h"
#include "platform/utf8.h"

namespace tw {
namespace {

// Unicode's spaces and punctuation among the characters past ASCII that people write beside a
// word: Latin-1's (no-break space, guillemets, inverted marks, signs), General Punctuation's
// (spaces, dashes, curly quotes, the ellipsis), the CJK ideographic space, brackets and marks, and
// the full-width forms of ASCII's punctuation (the comma and colon of Chinese text).
bool IsWidePunctuation(char32_t cp) {
  if (cp >= 0x80 && cp <= 0xBF) return cp != 0xAA && cp != 0xB5 && cp != 0xBA;  // ª µ º are letters
  if (cp == 0xD7 || cp == 0xF7) return true;                                        // × ÷
  if (cp >= 0x2000 && cp <= 0x206F) return true;
  if ((cp >= 0x3000 && cp <= 0x3004) || (cp >= 0x3008 && cp <= 0x3020) || cp == 0x3030) return true;
  return (cp >= 0xFF01 && cp <= 0xFF0F) || (cp >= 0xFF1A && cp <= 0xFF20) || (cp >= 0xFF3B && cp <= 0xFF40) ||
         (cp >= 0xFF5B && cp <= 0xFF65);
}

bool IsTagAscii(char c) { return IsLetter(c) || IsDigit(c) || c == '-' || c == '_' || c == '/'; }

// The length of the tag character at `at`, or 0; `letter` is set when it is a letter or '_'.
std::size_t TagCharAt(std::string_view text, std::size_t at, bool& letter) {
  const char c = text[at];
  if (static_cast<unsigned char>(c) < 0x80) {
    if (!IsTagAscii(c)) return 0;
    letter = letter || IsLetter(c) || c == '_';
    return 1;
  }
  const Utf8Char wide = Utf8At(text, at);
  if (wide.length == 0 || IsWidePunctuation(wide.cp)) return 0;
  letter = true;
  return wide.length;
}

// Whether a tag may start right after the character that ends at `end`: at the start, after white
// space, an opening bracket or quote, or any of Unicode's spaces and punctuation (CJK text puts no
// space before a word).
bool TagMayFollow(std::string_view text, std::size_t end) {
  if (end == 0) return true;
  const char c = text[end - 1];
  if (static_cast<unsigned char>(c) < 0x80)
    return IsWhiteSpace(c) || c == '(' || c == '[' || c == '{' || c == '"' || c == '\'';
  std::size_t lead = end - 1;
  while (lead > 0 && end - lead < 4 && (static_cast<unsigned char>(text[lead]) & 0xC0) == 0x80) --lead;
  const Utf8Char wide = Utf8At(text, lead);
  return wide.length == end - lead && IsWidePunctuation(wide.cp);
}

// The small letter of a capital among the two-byte characters of Latin-1, Latin Extended-A, Greek
// and Cyrillic; other characters as they are.
char32_t SmallLetter(char32_t cp) {
  if ((cp >= 0xC0 && cp <= 0xDE && cp != 0xD7) || (cp >= 0x391 && cp <= 0x3AB && cp != 0x3A2) ||
      (cp >= 0x410 && cp <= 0x42F))
    return cp + 0x20;
  if (cp >= 0x400 && cp <= 0x40F) return cp + 0x50;
  if ((cp >= 0x100 && cp <= 0x137 && cp != 0x130 && cp % 2 == 0) || (cp >= 0x14A && cp <= 0x177 && cp % 2 == 0) ||
      (((cp >= 0x139 && cp <= 0x148) || (cp >= 0x179 && cp <= 0x17E)) && cp % 2 == 1))
    return cp + 1;
  switch (cp) {
    case 0x178: return 0xFF;   // Ÿ
    case 0x386: return 0x3AC;  // Greek capitals with an accent
    case 0x388: case 0x389: case 0x38A: return cp + 0x25;
    case 0x38C: return 0x3CC;
    case 0x38E: case 0x38F: return cp + 0x3F;
    case 0x3C2: return 0x3C3;  // the final sigma is a sigma
    default: return cp;
  }
}

}  // namespace

namespace tags_detail {

TagSpan TagAt(std::string_view comment, std::size_t hash) {
  if (!TagMayFollow(comment, hash)) return {hash, hash + 1};
  bool letter = false;
  std::size_t end = hash + 1;
  while (end < comment.size())
    if (const std::size_t length = TagCharAt(comment, end, letter)) end += length;
    else break;
  const std::size_t next = end;
  while (end > hash + 1 && (comment[end - 1] == '-' || comment[end - 1] == '/')) --end;
  if (!letter) end = hash;
  return {end, std::max(next, hash + 1)};
}

}  // namespace tags_detail

std::vector<std::string> TagsOf(std::string_view comment) {
  std::vector<std::string> tags, keys;
  ForEachTag(comment, [&](std::string_view tag) {
    std::string key = TagKey(tag);
    if (std::find(keys.begin(), keys.end(), key) != keys.end()) return;
    keys.push_back(std::move(key));
    tags.emplace_back(tag);
  });
  return tags;
}

std::string TagKey(std::string_view tag) {
  std::string key;
  TagKeyInto(tag, key);
  return key;
}

void TagKeyInto(std::string_view tag, std::string& key) {
  key.clear();
  for (std::size_t i = 0; i < tag.size();) {
    const Utf8Char c = Utf8At(tag, i);
    if (c.length == 2) {
      AppendUtf8(key, SmallLetter(c.cp));
      i += 2;
    } else {
      key += AsciiLower(tag[i]);
      ++i;
    }
  }
}

bool SameTag(std::string_view a, std::string_view b) { return TagKey(a) == TagKey(b); }

bool MarksDayOff(std::string_view comment) {
  // Every stretch's amount asks this: the tags are read only where a '#' comes before an o.
  for (std::size_t hash = comment.find('#'); hash != std::string_view::npos; hash = comment.find('#', hash + 1))
    if (hash + 1 < comment.size() && (comment[hash + 1] | 0x20) == 'o') return HasTag(comment, kOffTag);
  return false;
}

bool HasTag(std::string_view comment, std::string_view tag) {
  if (!tag.empty() && tag.front() == '#') tag.remove_prefix(1);
  const std::string key = TagKey(tag);
  std::string other;
  bool found = false;
  ForEachTag(comment, [&](std::string_view t) {
    if (found || t.size() != key.size()) return;  // folding keeps every character's length
    TagKeyInto(t, other);
    found = other == key;
  });
  return found;
}

bool HasAllTags(std::string_view comment, std::span<const std::string> tags) {
  return std::all_of(tags.begin(), tags.end(), [&](const std::string& tag) { return HasTag(comment, tag); });
}

std::string TagWord(std::string_view otherTag) {
  std::string word;
  bool gap = false, letter = false;
  for (std::size_t i = 0; i < otherTag.size();) {
    const std::size_t length = TagCharAt(otherTag, i, letter);
    if (length == 0) {
      gap = true;
      const std::size_t skip = Utf8At(otherTag, i).length;
      i += skip == 0 ? 1 : skip;
      continue;
    }
    if (gap && !word.empty() && word.back() != '-' && otherTag[i] != '-') word += '-';
    gap = false;
    word.append(otherTag.substr(i, length));
    i += length;
  }
  const auto edge = [](char c) { return c == '-' || c == '/'; };
  const std::size_t first = std::find_if_not(word.begin(), word.end(), edge) - word.begin();
  word.erase(0, first);
  while (!word.empty() && edge(word.back())) word.pop_back();
  if (!word.empty() && !letter) word = "_" + word;
  return word;
}

std::string WithTags(std::string_view comment, std::span<const std::string> otherTags) {
  std::vector<std::string> keys;
  ForEachTag(comment, [&](std::string_view tag) { keys.push_back(TagKey(tag)); });
  std::string out(comment);
  for (const std::string& other : otherTags) {
    const std::string word = TagWord(other);
    if (word.empty()) continue;
    std::string key = TagKey(word);
    if (std::find(keys.begin(), keys.end(), key) != keys.end()) continue;
    keys.push_back(std::move(key));
    if (!out.empty() && !IsWhiteSpace(out.back())) out += ' ';
    out += '#';
    out += word;
  }
  return out;
}

}  // namespace tw
