#include "dates/date_form.h"

#include <algorithm>
#include <array>
#include <map>
#include <optional>

#include "dates/ascii.h"
#include "dates/date_format.h"

namespace tw {
namespace {

bool SameNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (AsciiUpper(a[i]) != AsciiUpper(b[i])) return false;
  return true;
}

// A stretch read as longer than this is a misreading: a day and a month swapped move an end four
// weeks or more away from its start.
constexpr std::int64_t kLongestStretch = 7 * std::int64_t{kSecondsPerDay};

// A word the texts may hold: a month name, or the AM or PM marker of a form.
struct Word {
  enum Kind { Month, Marker } kind;
  std::string text;
  int value;                    // the month 1-12; 1 for AM, 2 for PM
  bool longName = false;        // a month's full name
  const LocaleData* names = nullptr;  // whose month names
  std::string am, pm;           // the markers of the form
};

std::vector<Word> WordsOf(const std::vector<const LocaleData*>& forms) {
  std::vector<Word> words;
  for (const LocaleData* f : forms) {
    if (!f) continue;
    for (int m = 0; m < 12; ++m) {
      words.push_back(Word{Word::Month, f->monthNames[m], m + 1, true, f, "", ""});
      words.push_back(Word{Word::Month, f->shortMonthNames[m], m + 1, false, f, "", ""});
    }
    words.push_back(Word{Word::Marker, f->am, 1, false, nullptr, f->am, f->pm});
    words.push_back(Word{Word::Marker, f->pm, 2, false, nullptr, f->am, f->pm});
  }
  return words;
}

// A date-time text cut into numbers, known words and the text between them.
struct Piece {
  enum Kind { Text, Number, Month, Marker } kind = Text;
  std::string text;
  const Word* word = nullptr;
};
using Pieces = std::vector<Piece>;

bool IsField(const Piece& p) { return p.kind == Piece::Number || p.kind == Piece::Month; }

// Month names are looked for among the first three fields (the date), markers after them.
Pieces PiecesOf(std::string_view text, const std::vector<Word>& words) {
  Pieces pieces;
  int fields = 0;
  for (size_t i = 0; i < text.size();) {
    if (IsDigit(text[i])) {
      size_t j = i;
      while (j < text.size() && IsDigit(text[j])) ++j;
      pieces.push_back(Piece{Piece::Number, std::string(text.substr(i, j - i))});
      ++fields;
      i = j;
      continue;
    }
    const Word* best = nullptr;
    if (i == 0 || !IsLetter(text[i - 1]) || !IsLetter(text[i])) {
      for (const Word& w : words) {
        const size_t end = i + w.text.size();
        if ((w.kind == Word::Month) != (fields < 3) || w.text.empty() ||
            (best && w.text.size() <= best->text.size()) ||
            !SameNoCase(text.substr(i, w.text.size()), w.text) ||
            (end < text.size() && IsLetter(text[end]) && IsLetter(text[end - 1])))
          continue;
        best = &w;
      }
    }
    if (best) {
      pieces.push_back(Piece{best->kind == Word::Month ? Piece::Month : Piece::Marker,
                             std::string(text.substr(i, best->text.size())), best});
      fields += best->kind == Word::Month;
      i += best->text.size();
      continue;
    }
    if (pieces.empty() || pieces.back().kind != Piece::Text) pieces.push_back(Piece{});
    pieces.back().text += text[i++];
  }
  return pieces;
}

// A date of three fields (at most one month name) and a time of two or three numbers: the texts the
// program writes for any moment but midnight, and typed ones.
bool IsDateTime(const Pieces& pieces) {
  int fields = 0, names = 0;
  for (const Piece& p : pieces) {
    if (!IsField(p)) continue;
    if (p.kind == Piece::Month && (fields >= 3 || ++names > 1)) return false;
    ++fields;
  }
  return fields == 5 || fields == 6;
}

// What two texts of one form have in common: their text between the fields, the kind of each
// field and the kind of month name.
std::string ShapeOf(const Pieces& pieces) {
  std::string shape;
  for (const Piece& p : pieces) {
    shape += '\x01';
    if (p.kind == Piece::Text) shape += p.text;
    else if (p.kind == Piece::Number) shape += 'N';
    else if (p.kind == Piece::Marker) shape += 'A';
    else shape += p.word->longName ? 'L' : 'S';
  }
  return shape;
}

std::string Quoted(std::string_view text) {
  if (text.empty()) return "";
  std::string out = "'";
  for (char c : text) out += c == '\'' ? std::string("''") : std::string(1, c);
  return out + "'";
}

// The roles of the date fields a shape may have (d day, M month, y year): every order of day,
// month and year its fields allow, whatever width the texts write the year in. Those that put
// the year where a text writes three or four digits come first, then the user's order.
std::vector<std::string> OrdersOf(const Pieces& model, const std::array<bool, 6>& longNumber,
                                  DateOrder user) {
  std::vector<std::string> orders;
  int name = -1;
  for (int k = 0, field = 0; k < static_cast<int>(model.size()) && field < 3; ++k) {
    if (!IsField(model[k])) continue;
    if (model[k].kind == Piece::Month) name = name < 0 ? field : 3;
    ++field;
  }
  if (name == 3) return orders;  // two month names
  if (name >= 0) {
    for (const char* others : {"dy", "yd"}) {
      std::string roles = "MMM";
      for (int k = 0, i = 0; k < 3; ++k)
        if (k != name) roles[k] = others[i++];
      orders.push_back(roles);
    }
  } else {
    const char* userRoles = user == DateOrder::DayMonthYear   ? "dMy"
                            : user == DateOrder::YearMonthDay ? "yMd"
                                                              : "Mdy";
    orders = {userRoles};
    for (const char* roles : {"Mdy", "dMy", "yMd"})
      if (orders[0] != roles) orders.push_back(roles);
  }
  std::stable_sort(orders.begin(), orders.end(), [&](const std::string& a, const std::string& b) {
    auto fits = [&](const std::string& roles) {
      for (int k = 0; k < 3; ++k)
        if (longNumber[k] && roles[k] != 'y') return false;
      return true;
    };
    return fits(a) && !fits(b);
  });
  return orders;
}

// The forms one shape of text shows: its date fields named in each order they allow, and each
// field as wide as the texts write it (or its partner, the day's the month and the minutes' the
// seconds; else as most forms do).
std::vector<LocaleData> FormsOfShape(const std::vector<const Pieces*>& texts, const LocaleData& user) {
  const Pieces& model = *texts.back();
  // A field below 10 written with one digit is narrow, with two wide; a date field of three or
  // four digits can only be a year.
  std::array<bool, 6> narrow{}, wide{}, longNumber{};
  for (const Pieces* t : texts) {
    int k = 0;
    for (const Piece& p : *t) {
      if (!IsField(p)) continue;
      if (p.kind == Piece::Number && p.text.size() <= 2 && std::stoi(p.text) < 10)
        (p.text.size() == 1 ? narrow : wide)[k] = true;
      if (p.kind == Piece::Number && p.text.size() > 2) longNumber[k] = true;
      ++k;
    }
  }

  std::vector<const Piece*> fields;
  bool twelveHour = false;
  for (const Piece& p : model) {
    if (IsField(p)) fields.push_back(&p);
    twelveHour = twelveHour || p.kind == Piece::Marker;
  }
  std::vector<LocaleData> forms;
  for (const std::string& roles : OrdersOf(model, longNumber, DateFormat(user).order())) {
    LocaleData form = user;
    auto shown = [&](size_t k) { return k >= narrow.size() ? 0 : narrow[k] ? 1 : wide[k] ? 2 : 0; };
    auto field = [&](int k) -> std::string {
      const char role = k < 3 ? roles[k] : "hms"[k - 3];
      if (fields[k]->kind == Piece::Month) return fields[k]->word->longName ? "MMMM" : "MMM";
      if (role == 'y') return "yyyy";
      const size_t partner = role == 'd' ? roles.find('M') : role == 'M' ? roles.find('d')
                           : role == 'm' ? 5 : role == 's' ? 4 : std::string::npos;
      int width = shown(k) ? shown(k) : shown(partner);
      if (width == 0 && role == 'h') width = twelveHour ? 1 : 2;
      if (width == 0) width = (role == 'd' || role == 'M') && roles == "Mdy" ? 1 : 2;
      return std::string(width, role == 'h' && !twelveHour ? 'H' : role);
    };
    std::string date, time;
    bool inTime = false;
    int k = 0;
    for (const Piece& p : model) {
      std::string& out = inTime ? time : date;
      if (IsField(p)) {
        out += field(k++);
      } else if (p.kind == Piece::Marker) {
        if (!inTime) return forms;
        const bool lower =
            std::any_of(p.text.begin(), p.text.end(), IsLowerLetter);
        out += lower ? "ap" : "AP";
        form.am = p.word->am;
        form.pm = p.word->pm;
      } else if (k == 3 && !inTime) {
        // The date's end, the one blank that joins the date and the time, the time's start.
        const size_t blank = p.text.find_first_of(" \t");
        if (blank == std::string::npos) return forms;
        date += Quoted(p.text.substr(0, blank));
        time += Quoted(p.text.substr(blank + 1));
        inTime = true;
      } else {
        out += Quoted(p.text);
      }
      if (p.kind == Piece::Month) {
        form.monthNames = p.word->names->monthNames;
        form.shortMonthNames = p.word->names->shortMonthNames;
      }
    }
    if (!inTime) return forms;
    form.shortDate = date;
    form.longTime = form.shortTime = time;
    forms.push_back(std::move(form));
  }
  return forms;
}

// The forms the texts show: those of each of their most common date-time shapes, so that a report
// holding records of two forms offers both.
std::vector<LocaleData> FormsShown(const std::vector<Pieces>& texts, const LocaleData& user) {
  constexpr size_t kShapes = 3;
  std::map<std::string, std::vector<const Pieces*>> byShape;
  for (const Pieces& t : texts)
    if (IsDateTime(t)) byShape[ShapeOf(t)].push_back(&t);
  std::vector<const std::vector<const Pieces*>*> shapes;
  for (const auto& [shape, members] : byShape) shapes.push_back(&members);
  std::stable_sort(shapes.begin(), shapes.end(), [](const auto* a, const auto* b) { return a->size() > b->size(); });
  std::vector<LocaleData> forms;
  for (size_t i = 0; i < shapes.size() && i < kShapes; ++i)
    for (LocaleData& form : FormsOfShape(*shapes[i], user)) forms.push_back(std::move(form));
  return forms;
}

// Two markers no known form names, such as "오전" and "오후": the two most common date-time shapes
// alike but for one word of their time.
std::optional<std::array<std::string, 2>> UnknownMarkers(const std::vector<Pieces>& texts) {
  std::map<std::string, std::pair<int, const Pieces*>> shapes;
  for (const Pieces& t : texts) {
    if (!IsDateTime(t)) continue;
    auto& [count, first] = shapes[ShapeOf(t)];
    if (count++ == 0) first = &t;
  }
  const Pieces* top[2] = {nullptr, nullptr};
  int counts[2] = {0, 0};
  for (const auto& [shape, entry] : shapes) {
    if (entry.first > counts[0]) {
      top[1] = top[0], counts[1] = counts[0];
      top[0] = entry.second, counts[0] = entry.first;
    } else if (entry.first > counts[1]) {
      top[1] = entry.second, counts[1] = entry.first;
    }
  }
  if (!top[1] || top[0]->size() != top[1]->size()) return std::nullopt;
  auto words = [](const std::string& text) {
    std::vector<std::string> out(1);
    for (char c : text) {
      if (IsBlank(c)) out.emplace_back();
      else out.back() += c;
    }
    return out;
  };
  std::optional<std::array<std::string, 2>> found;
  int fields = 0;
  for (size_t i = 0; i < top[0]->size(); ++i) {
    const Piece &a = (*top[0])[i], &b = (*top[1])[i];
    if (a.kind != b.kind || a.kind == Piece::Marker) return std::nullopt;
    fields += IsField(a);
    if (a.kind != Piece::Text || a.text == b.text) continue;
    const auto wa = words(a.text), wb = words(b.text);
    if (found || fields < 3 || wa.size() != wb.size()) return std::nullopt;
    for (size_t w = 0; w < wa.size(); ++w) {
      if (wa[w] == wb[w]) continue;
      if (found || wa[w].empty() || wb[w].empty()) return std::nullopt;
      found = std::array<std::string, 2>{wa[w], wb[w]};
    }
  }
  return found;
}

struct Score {
  int readings = 0;         // starts and ends read (a start and its end only as a stretch under a week)
  int records = 0;          // records whose start reads, with an end that reads as such a stretch or not at all
  bool writesBack = false;  // a start the form writes back byte for byte
};

Score ScoreOf(const DateFormat& format, const std::vector<RecordTimes>& records) {
  Score score;
  for (const RecordTimes& r : records) {
    const auto start = format.Parse(r.start), end = format.Parse(r.end);
    bool stretch = true;
    if (start && end) {
      const std::int64_t length =
          (end->day - start->day) * kSecondsPerDay + (end->seconds - start->seconds);
      stretch = length >= 0 && length < kLongestStretch;
    }
    score.readings += stretch ? start.has_value() + end.has_value() : 0;
    score.records += start && stretch;
    score.writesBack = score.writesBack || (start && format.FormatGeneral(*start) == r.start);
  }
  return score;
}

}  // namespace

bool SettledForm::Mixed() const { return read * 10 < records * 9; }

SettledForm SettleDateForm(const std::vector<RecordTimes>& records, const LocaleData& user,
                           const LocaleData* kept) {
  std::vector<LocaleData> candidates;
  if (kept) candidates.push_back(*kept);
  candidates.push_back(user);
  int withStart = 0;
  for (const RecordTimes& r : records) withStart += !r.start.empty();
  auto settled = [&](size_t i, const Score& score) {
    return SettledForm{std::move(candidates[i]), withStart, std::min(score.records, withStart)};
  };
  // The first form reading every start and end as stretches (the user's writing a start back, too)
  // is the one chosen, whatever the texts show: a report read where it was written costs no more.
  std::vector<Score> scores = {ScoreOf(DateFormat(candidates[0]), records)};
  if (scores[0].readings == static_cast<int>(2 * records.size()) && (kept || scores[0].writesBack))
    return settled(0, scores[0]);

  const LocaleData own;
  const std::vector<Word> words = WordsOf({kept, &user, &own});
  auto shown = [&](const std::vector<Word>& known) {
    std::vector<Pieces> texts;
    texts.reserve(records.size() * 2);
    for (const RecordTimes& r : records) {
      texts.push_back(PiecesOf(r.start, known));
      texts.push_back(PiecesOf(r.end, known));
    }
    return texts;
  };
  const std::vector<Pieces> texts = shown(words);
  for (LocaleData& form : FormsShown(texts, user)) candidates.push_back(std::move(form));
  if (const auto markers = UnknownMarkers(texts)) {
    // Which of the two is AM, only the lengths of the stretches tell.
    for (int am = 0; am < 2; ++am) {
      std::vector<Word> known = words;
      const std::string& amText = (*markers)[am];
      const std::string& pmText = (*markers)[1 - am];
      known.push_back(Word{Word::Marker, amText, 1, false, nullptr, amText, pmText});
      known.push_back(Word{Word::Marker, pmText, 2, false, nullptr, amText, pmText});
      for (LocaleData& form : FormsShown(shown(known), user)) candidates.push_back(std::move(form));
    }
  }

  for (size_t i = 1; i < candidates.size(); ++i)
    scores.push_back(ScoreOf(DateFormat(candidates[i]), records));
  int most = 0;
  for (const Score& score : scores) most = std::max(most, score.readings);
  for (bool anyForm : {false, true})
    for (size_t i = 0; i < candidates.size(); ++i)
      if (scores[i].readings == most && (anyForm || scores[i].writesBack || (kept && i == 0)))
        return settled(i, scores[i]);
  return settled(kept ? 1 : 0, scores[kept ? 1 : 0]);
}

}  // namespace tw

namespace tw {

std::string FormPicture(const LocaleData& form) {
  auto picture = [&](const std::string& pattern) {
    std::string out;
    for (const DateToken& t : TokenizeDatePattern(pattern)) {
      switch (t.kind) {
        case DateToken::Literal: out += t.text; break;
        case DateToken::Day: out += "DD"; break;
        case DateToken::DayName: out += "DDD"; break;
        case DateToken::Month: out += "MM"; break;
        case DateToken::MonthName: out += t.width == 3 ? "MMM" : "MMMM"; break;
        case DateToken::Year: out += "YYYY"; break;  // always written whole
        case DateToken::Hour: out += "HH"; break;
        case DateToken::Minute: out += "MM"; break;
        case DateToken::Second: out += "SS"; break;
        case DateToken::AmPm: {
          std::string markers = form.am + "/" + form.pm;
          for (char& c : markers) c = t.lower ? AsciiLower(c) : AsciiUpper(c);
          out += markers;
          break;
        }
      }
    }
    return out;
  };
  const std::string text = picture(form.shortDate) + " " + picture(form.longTime);
  // The United States' form keeps the words the boxes have always shown.
  return text == "MM/DD/YYYY HH:MM:SS AM/PM" ? "MM/DD/YY HH:MM:SS AM/PM" : text;
}

}  // namespace tw
