#include "store/day_filter.h"

#include <algorithm>
#include <map>
#include <set>
#include <tuple>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "dates/ascii.h"
#include "platform/lines.h"

namespace tw {

bool MayBeOnDay(const DateFormat& format, std::string_view text, const CivilDate& day) {
  return MayBeOnDays(format, text, day, day);
}

bool MayBeOnDays(const DateFormat& format, std::string_view text, const CivilDate& first, const CivilDate& last) {
  // Dates as written (31 February stays) are compared field by field.
  const auto within = [&](const CivilDate& d) {
    return std::tie(first.year, first.month, first.day) <= std::tie(d.year, d.month, d.day) &&
           std::tie(d.year, d.month, d.day) <= std::tie(last.year, last.month, last.day);
  };
  // A time alone stands for day zero, and time patterns with date fields of their own are not
  // worth a shortcut: the full reading decides.
  if (!format.DayFromDatePart() || within(CivilDate{})) return true;
  // The day of a value comes from the first of the two date readings of Parse that matches: the
  // locale's own date pattern, or the common numeric form. Either one in the days may be the one.
  const auto own = format.OwnDatePart(text);
  if (own && within(*own)) return true;
  const auto common = format.CommonDatePart(text);
  return common && within(*common);
}

void JoinGaps(std::string& gaps, std::string_view more) {
  for (char c : more)
    if (gaps.find(c) == std::string::npos) gaps += c;
}

bool DayPattern::At(const char* begin, const char* where, const char* end) const {
  if (static_cast<size_t>(end - where) < text.size()) return false;
  if (where > begin && IsDigit(where[-1]) && where[-1] != '0') return false;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = where[i];
    if (i == gap ? gaps.find(c) == std::string::npos : c != text[i]) return false;
  }
  return where + text.size() == end || !IsDigit(where[text.size()]);
}

std::vector<DayPattern> DayPatterns(const DateFormat& format, const CivilDate& day) {
  if (!format.DayFromDatePart() || day == CivilDate{}) return {};
  // The locale's date must be field, character, field, character, field: then its own form and
  // the common form (the same order, or year first) both write the month and the day side by
  // side, each in one or two digits, with one of their separators between them.
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
  // What stands between the numbers: the locale's own characters, or those of the common form.
  const std::string gaps = tokens[1].text + tokens[3].text + format.dateSeparator() + "/-.";
  std::vector<DayPattern> patterns;
  const std::string month = std::to_string(day.month), dayNumber = std::to_string(day.day);
  for (const std::string& d : spellings(day.day)) patterns.push_back({month + "?" + d, month.size(), gaps});
  if (order == "DMY")
    for (const std::string& m : spellings(day.month)) patterns.push_back({dayNumber + "?" + m, dayNumber.size(), gaps});
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
  if (gaps.find(where[gap]) == std::string::npos) return false;
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
  PatternAnchor a;
  a.checks = {Exactly(0, p.text.front()), Exactly(p.text.size() - 1, p.text.back()), Exactly(third, p.text[third])};
  a.members = {i};
  a.ends = p.text.size();
  return a;
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
    PatternAnchor a;
    a.checks = g.fixed;
    a.members = parts[k];
    a.ends = first.text.size();
    a.checks.push_back(PatternCheck{static_cast<std::uint8_t>(g.varies), runs[k].first, runs[k].second});
    // The number that varies: after the gap where the number before it is shared, else before it.
    a.gap = first.gap;
    a.varies = g.varies;
    a.digits = g.varies == 0 ? first.gap : first.text.size() - first.gap - 1;
    for (std::size_t i : parts[k]) {
      const std::string& text = patterns[i].text;
      a.numbers.set(static_cast<std::size_t>(std::stoi(text.substr(a.varies, a.digits))));
      JoinGaps(a.gaps, patterns[i].gaps);
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

namespace {

#if defined(__SSE2__)
// An anchor as the loop below makes it, set up once: the text read may be any memory, so the
// compiler would read it again on every step. Its characters compare once each; its run of digits
// [low, low + span], if any, as (byte - low) at most span, unsigned; and it reads the place after
// the patterns (no digit) and the one before them (no digit but 0).
struct SimdAnchor {
  __m128i exact[3];
  size_t exactAt[3];
  __m128i low, span;
  size_t runAt;
  size_t ends;
};

// Whether a byte is in [low, low + span].
inline __m128i InRun(__m128i bytes, __m128i low, __m128i span) {
  return _mm_cmpeq_epi8(_mm_max_epu8(_mm_sub_epi8(bytes, low), span), span);
}

template <int kExact, bool kRun>
inline __m128i Holds(const SimdAnchor& a, const char* text) {
  const auto load = [&](size_t at) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(text + at)); };
  __m128i holds = _mm_cmpeq_epi8(load(a.exactAt[0]), a.exact[0]);
  if (kExact > 1) holds = _mm_and_si128(holds, _mm_cmpeq_epi8(load(a.exactAt[1]), a.exact[1]));
  if (kExact > 2) holds = _mm_and_si128(holds, _mm_cmpeq_epi8(load(a.exactAt[2]), a.exact[2]));
  if (kRun) holds = _mm_and_si128(holds, InRun(load(a.runAt), a.low, a.span));
  const __m128i before = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text - 1));
  holds = _mm_andnot_si128(InRun(before, _mm_set1_epi8('1'), _mm_set1_epi8(8)), holds);
  return _mm_andnot_si128(InRun(load(a.ends), _mm_set1_epi8('0'), _mm_set1_epi8(9)), holds);
}

// The bits of the places where one of the kCount anchors may hold among the sixteen of the first
// step from `i` on that has any, `i` left at that step; 0 when none has, up to size - reach. The
// anchors are copied in, so that they stay in registers.
template <size_t kCount, int kExact, bool kRun>
unsigned NextAnchors(const char* text, size_t size, size_t reach, const SimdAnchor* given, size_t& i) {
  SimdAnchor anchors[kCount];
  for (size_t k = 0; k < kCount; ++k) anchors[k] = given[k];
  for (; i + reach + 16 <= size; i += 16) {
    __m128i found = Holds<kExact, kRun>(anchors[0], text + i);
    for (size_t k = 1; k < kCount; ++k) found = _mm_or_si128(found, Holds<kExact, kRun>(anchors[k], text + i));
    if (const unsigned mask = static_cast<unsigned>(_mm_movemask_epi8(found)); mask != 0) return mask;
  }
  return 0;
}

template <size_t kCount>
unsigned NextAnchorsOf(int exact, bool run, const char* text, size_t size, size_t reach, const SimdAnchor* anchors,
                       size_t& i) {
  if (run) return exact == 1   ? NextAnchors<kCount, 1, true>(text, size, reach, anchors, i)
                  : exact == 2 ? NextAnchors<kCount, 2, true>(text, size, reach, anchors, i)
                               : NextAnchors<kCount, 3, true>(text, size, reach, anchors, i);
  return exact == 1   ? NextAnchors<kCount, 1, false>(text, size, reach, anchors, i)
         : exact == 2 ? NextAnchors<kCount, 2, false>(text, size, reach, anchors, i)
                      : NextAnchors<kCount, 3, false>(text, size, reach, anchors, i);
}

static_assert(kMostAnchors == 8, "NextAnchorsOf has a case for every count of anchors");
unsigned NextAnchorsOf(size_t count, int exact, bool run, const char* text, size_t size, size_t reach,
                       const SimdAnchor* anchors, size_t& i) {
  switch (count) {
    case 1: return NextAnchorsOf<1>(exact, run, text, size, reach, anchors, i);
    case 2: return NextAnchorsOf<2>(exact, run, text, size, reach, anchors, i);
    case 3: return NextAnchorsOf<3>(exact, run, text, size, reach, anchors, i);
    case 4: return NextAnchorsOf<4>(exact, run, text, size, reach, anchors, i);
    case 5: return NextAnchorsOf<5>(exact, run, text, size, reach, anchors, i);
    case 6: return NextAnchorsOf<6>(exact, run, text, size, reach, anchors, i);
    case 7: return NextAnchorsOf<7>(exact, run, text, size, reach, anchors, i);
    default: return NextAnchorsOf<8>(exact, run, text, size, reach, anchors, i);
  }
}
#endif

// Finds the patterns in a region the way grep finds a word: the anchors' bytes are looked for
// sixteen places at a time, and only where an anchor holds are its patterns compared.
class PatternFinder {
 public:
  PatternFinder(const std::vector<DayPattern>& patterns, const std::vector<PatternAnchor>& anchors)
      : patterns_(patterns), anchors_(anchors) {
    for (const DayPattern& p : patterns) longest_ = std::max(longest_, p.text.size());
#if defined(__SSE2__)
    // Every anchor in one shape: as many characters as the one with most (the others repeat their
    // first), and a run where any has one (the others give one character as a run of one).
    count_ = anchors.size();
    for (const PatternAnchor& a : anchors) {
      int characters = 0;
      for (const PatternCheck& c : a.checks) characters += c.low == c.high;
      exact_ = std::max(exact_, std::min(characters, 3));
      run_ = run_ || characters < static_cast<int>(a.checks.size());
      usable_ = usable_ && a.ends > 0 && characters > 0;
    }
    if (count_ > kMostAnchors) usable_ = false;
    for (size_t k = 0; k < count_ && usable_; ++k) {
      std::vector<PatternCheck> characters, runs;
      for (const PatternCheck& c : anchors[k].checks) (c.low == c.high ? characters : runs).push_back(c);
      if (runs.size() > 1) usable_ = false;
      const PatternCheck run = runs.empty() ? characters[0] : runs[0];
      SimdAnchor& a = simd_[k];
      for (int e = 0; e < 3; ++e) {
        const PatternCheck& c = characters[static_cast<size_t>(e) < characters.size() ? static_cast<size_t>(e) : 0];
        a.exact[e] = _mm_set1_epi8(c.low);
        a.exactAt[e] = c.at;
      }
      a.low = _mm_set1_epi8(run.low);
      a.span = _mm_set1_epi8(static_cast<char>(run.high - run.low));
      a.runAt = run.at;
      a.ends = anchors[k].ends;
    }
#endif
  }

  // The first place in [text, text + size) where one of the patterns stands, or nullptr; the text
  // is part of the region from `begin`, which tells what precedes it.
  const char* Find(const char* begin, const char* text, size_t size) const {
    size_t i = 0;
#if defined(__SSE2__)
    if (usable_ && count_ > 0 && size > 0) {
      // The steps read the place before the patterns and the one after them too.
      if (text == begin) {
        if (const char* at = Compare(begin, text, size, 0)) return at;
        i = 1;
      }
      while (const unsigned mask = NextAnchorsOf(count_, exact_, run_, text, size, longest_, simd_, i)) {
        for (unsigned bits = mask; bits != 0; bits &= bits - 1) {
          const char* at = text + i + static_cast<size_t>(__builtin_ctz(bits));
          for (const PatternAnchor& a : anchors_)
            if (a.Finds(patterns_, begin, at, text + size)) return at;
        }
        i += 16;
      }
    }
#endif
    for (; i < size; ++i)
      if (const char* at = Compare(begin, text, size, i)) return at;
    return nullptr;
  }

 private:
  const char* Compare(const char* begin, const char* text, size_t size, size_t i) const {
    for (const DayPattern& p : patterns_)
      if (p.At(begin, text + i, text + size)) return text + i;
    return nullptr;
  }

  const std::vector<DayPattern>& patterns_;
  const std::vector<PatternAnchor>& anchors_;
  size_t longest_ = 0;
#if defined(__SSE2__)
  SimdAnchor simd_[kMostAnchors];
  size_t count_ = 0;
  int exact_ = 1;
  bool run_ = false, usable_ = true;
#endif
};

}  // namespace

bool ForEachPatternLine(Files::Reader& reader, const std::vector<DayPattern>& patterns,
                        const std::function<void(std::string_view line, std::uint64_t offset)>& on) {
  const std::vector<PatternAnchor> anchors = AnchorsOf(patterns);
  if (anchors.empty()) return false;
  const PatternFinder finder(patterns, anchors);
  ForEachRegion(reader, [&](std::string_view region, std::uint64_t base) {
    size_t pos = 0;
    while (pos < region.size()) {
      const char* found = finder.Find(region.data(), region.data() + pos, region.size() - pos);
      if (found == nullptr) return;
      size_t start = static_cast<size_t>(found - region.data());
      while (start > pos && region[start - 1] != '\n' && region[start - 1] != '\r') --start;
      const CutLine cut = LineAt(region, start);
      on(cut.line, base + start);
      pos = cut.next;
    }
  });
  return true;
}

}  // namespace tw
