#include "store/day_filter.h"

#include <algorithm>
#include <map>
#include <set>
#include <tuple>

#include "dates/ascii.h"

namespace tw {

bool MayBeOnDay(const DateFormat& format, std::string_view text, const CivilDate& day) {
  return MayBeOnDays(format, text, day, day);
}

bool MayBeOnDays(const DateFormat& format, std::string_view text, const CivilDate& first, const CivilDate& last) {
  // A time alone stands for day zero, and time patterns with date fields of their own are not
  // worth a shortcut: the full reading decides.
  const CivilDate zero{};
  if (!format.DayFromDatePart() || (std::tie(first.year, first.month, first.day) <= std::tie(zero.year, zero.month, zero.day) &&
                                    std::tie(zero.year, zero.month, zero.day) <= std::tie(last.year, last.month, last.day)))
    return true;
  // The day of a value comes from the first of the two date readings of Parse that matches: the
  // locale's own date pattern, or the common numeric form. Either one in the days may be the one.
  // Their fields are as written (31 February stays), so they are compared field by field.
  const auto within = [&](const std::optional<CivilDate>& d) {
    return d && std::tie(first.year, first.month, first.day) <= std::tie(d->year, d->month, d->day) &&
           std::tie(d->year, d->month, d->day) <= std::tie(last.year, last.month, last.day);
  };
  return within(format.OwnDatePart(text)) || within(format.CommonDatePart(text));
}

bool DayPattern::At(const char* begin, const char* where, const char* end) const {
  if (static_cast<size_t>(end - where) < text.size()) return false;
  if (where > begin && IsDigit(where[-1]) && where[-1] != '0') return false;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = where[i];
    if (i == gap ? IsDigit(c) : c != text[i]) return false;
  }
  return where + text.size() == end || !IsDigit(where[text.size()]);
}

std::vector<DayPattern> DayPatterns(const DateFormat& format, const CivilDate& day) {
  if (!format.DayFromDatePart() || day == CivilDate{}) return {};
  // The locale's date must be field, character, field, character, field: then its own form and
  // the common form (the same order, or year first) both write the month and the day side by
  // side, each in one or two digits, with one character that is no digit between them.
  const std::vector<DateToken> tokens = TokenizeDatePattern(format.data().shortDate);
  if (tokens.size() != 5) return {};
  std::string order;
  for (size_t i = 0; i < tokens.size(); ++i) {
    const DateToken& t = tokens[i];
    if (i % 2 == 1) {
      const char c = t.text.empty() ? '0' : t.text[0];
      if (t.kind != DateToken::Literal || t.text.size() != 1 || IsBlank(c) || IsDigit(c))
        return {};
    } else if (t.kind == DateToken::Day || t.kind == DateToken::Month || t.kind == DateToken::Year) {
      order += "DMY"[t.kind == DateToken::Day ? 0 : t.kind == DateToken::Month ? 1 : 2];
    }
  }
  if (order != "MDY" && order != "DMY" && order != "YMD") return {};
  auto spellings = [](int n) {
    std::vector<std::string> out{std::to_string(n)};
    if (n < 10) out.push_back("0" + out[0]);
    return out;
  };
  std::vector<DayPattern> patterns;
  const std::string month = std::to_string(day.month), dayNumber = std::to_string(day.day);
  for (const std::string& d : spellings(day.day)) patterns.push_back({month + "?" + d, month.size()});
  if (order == "DMY")
    for (const std::string& m : spellings(day.month)) patterns.push_back({dayNumber + "?" + m, dayNumber.size()});
  return patterns;
}

bool PatternAnchor::At(const char* begin, const char* where, const char* end) const {
  for (const PatternCheck& c : checks)
    if (where[c.at] < c.low || where[c.at] > c.high) return false;
  // A number read whole: only the padding 0 of the digits before it.
  if (where > begin && IsDigit(where[-1]) && where[-1] != '0') return false;
  return ends == 0 || where + ends == end || !IsDigit(where[ends]);
}

bool PatternAnchor::Finds(const std::vector<DayPattern>& patterns, const char* begin, const char* where,
                          const char* end) const {
  if (!At(begin, where, end)) return false;
  if (digits == 0) {
    for (std::size_t m : members)
      if (patterns[m].At(begin, where, end)) return true;
    return false;
  }
  // The rest of its patterns' one text: the gap, and the number that varies.
  if (IsDigit(where[gap])) return false;
  int value = 0;
  for (std::size_t i = varies; i < varies + digits; ++i) {
    if (!IsDigit(where[i])) return false;
    value = value * 10 + (where[i] - '0');
  }
  return numbers.test(static_cast<std::size_t>(value));
}

namespace {

PatternCheck Exactly(std::size_t at, char c) { return PatternCheck{static_cast<std::uint8_t>(at), c, c}; }

// A pattern's own anchor: its first and last bytes and the one beside the gap.
PatternAnchor OwnAnchor(const std::vector<DayPattern>& patterns, std::size_t i) {
  const DayPattern& p = patterns[i];
  const std::size_t third = p.gap == 1 ? 2 : 1;
  return PatternAnchor{{Exactly(0, p.text.front()), Exactly(p.text.size() - 1, p.text.back()), Exactly(third, p.text[third])},
                       {i},
                       p.text.size(),
                       0,
                       0,
                       0,
                       {}};
}

// Patterns that share a number on one side of the gap: the checks of that number, and the place
// of the other number's first digit, which varies.
struct Group {
  std::vector<PatternCheck> fixed;
  std::size_t varies = 0;
  std::vector<std::size_t> members;
};

// A group's anchors, one for each length of its patterns (so that each knows where its patterns
// end): at `fineness` 0 one for each digit at the varying place, 1 one for 0 and one for the run of
// the others, 2 one for the run of them all.
void AddAnchors(const std::vector<DayPattern>& patterns, const Group& g, int fineness, std::vector<PatternAnchor>& out) {
  std::map<std::pair<std::size_t, char>, std::vector<std::size_t>> byLengthAndDigit;
  for (std::size_t i : g.members) byLengthAndDigit[{patterns[i].text.size(), patterns[i].text[g.varies]}].push_back(i);
  std::vector<std::vector<std::size_t>> parts;
  std::vector<std::pair<char, char>> runs;
  std::size_t length = 0;
  for (const auto& [key, members] : byLengthAndDigit) {
    const char digit = key.second;
    const bool alone = fineness == 0 || (fineness == 1 && (digit == '0' || runs.back().first == '0'));
    if (parts.empty() || key.first != length || alone) {
      parts.push_back(members);
      runs.push_back({digit, digit});
      length = key.first;
    } else {
      parts.back().insert(parts.back().end(), members.begin(), members.end());
      runs.back().second = digit;
    }
  }
  for (std::size_t k = 0; k < parts.size(); ++k) {
    if (parts[k].size() == 1) {
      out.push_back(OwnAnchor(patterns, parts[k][0]));
      continue;
    }
    const DayPattern& first = patterns[parts[k][0]];
    PatternAnchor a{g.fixed, parts[k], first.text.size(), 0, 0, 0, {}};
    a.checks.push_back(PatternCheck{static_cast<std::uint8_t>(g.varies), runs[k].first, runs[k].second});
    // The number that varies: after the gap where the number before it is shared, else before it.
    a.gap = first.gap;
    a.varies = g.varies;
    a.digits = g.varies == 0 ? first.gap : first.text.size() - first.gap - 1;
    for (std::size_t i : parts[k]) {
      const std::string& text = patterns[i].text;
      a.numbers.set(static_cast<std::size_t>(std::stoi(text.substr(a.varies, a.digits))));
    }
    out.push_back(std::move(a));
  }
}

}  // namespace

std::vector<PatternAnchor> AnchorsOf(const std::vector<DayPattern>& patterns) {
  std::vector<PatternAnchor> anchors;
  if (patterns.size() <= 4) {
    for (std::size_t i = 0; i < patterns.size(); ++i) anchors.push_back(OwnAnchor(patterns, i));
    return anchors;
  }
  // Groups of patterns that share a number, one side of the gap or the other; taken greedily, the
  // one that holds most of the patterns not yet in a group first. A text twice is taken once.
  struct Candidate {
    Group group;
    std::vector<std::size_t> all;
  };
  std::map<std::pair<int, std::string>, Candidate> candidates;
  std::set<std::string> texts;
  std::vector<std::size_t> open;
  for (std::size_t i = 0; i < patterns.size(); ++i) {
    const DayPattern& p = patterns[i];
    if (!texts.insert(p.text).second) continue;
    open.push_back(i);
    const std::string head = p.text.substr(0, p.gap), tail = p.text.substr(p.gap + 1);
    Candidate& before = candidates[{-1, head}];
    if (before.all.empty()) {
      before.group.fixed = {Exactly(0, head.front())};
      if (head.size() > 1) before.group.fixed.push_back(Exactly(head.size() - 1, head.back()));
      before.group.varies = p.gap + 1;
    }
    before.all.push_back(i);
    Candidate& after = candidates[{static_cast<int>(p.gap), tail}];
    if (after.all.empty()) {
      after.group.fixed = {Exactly(p.gap + 1, tail.front())};
      if (tail.size() > 1) after.group.fixed.push_back(Exactly(p.text.size() - 1, tail.back()));
      after.group.varies = 0;
    }
    after.all.push_back(i);
  }
  std::vector<bool> taken(patterns.size());
  std::vector<Group> groups;
  for (std::size_t left = open.size(); left > 0;) {
    // Most patterns, and of those the group of fewest lengths (an anchor for each).
    Candidate* best = nullptr;
    std::pair<std::size_t, std::size_t> most{0, 0};
    for (auto& [key, c] : candidates) {
      std::set<std::size_t> lengths;
      std::size_t free = 0;
      for (std::size_t i : c.all)
        if (!taken[i]) {
          ++free;
          lengths.insert(patterns[i].text.size());
        }
      const std::pair<std::size_t, std::size_t> score{free, patterns.size() - lengths.size()};
      if (free > 0 && score > most) {
        most = score;
        best = &c;
      }
    }
    Group g = best->group;
    for (std::size_t i : best->all)
      if (!taken[i]) {
        taken[i] = true;
        g.members.push_back(i);
      }
    left -= g.members.size();
    groups.push_back(std::move(g));
  }
  // Each anchor costs the look at every place of the report; a run of digits holds little more
  // often than one digit, since a date's numbers are whole (no digit after them) and the times'
  // minutes have two digits. So the fewest anchors, the coarsest runs.
  for (const Group& g : groups) AddAnchors(patterns, g, 2, anchors);
  if (anchors.size() > kMostAnchors) anchors.clear();
  return anchors;
}

}  // namespace tw
