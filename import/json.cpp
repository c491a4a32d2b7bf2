#include "import/json.h"

#include <charconv>
#include <cmath>

#include "platform/utf8.h"

namespace tw {
namespace {

class Parser {
 public:
  explicit Parser(std::string_view text) : text_(text) {}

  bool Document(JsonValue& value) {
    Blanks();
    if (!Value(value, 0)) return false;
    Blanks();
    return at_ == text_.size() || Fail("text after the end of the value");
  }
  std::string error;

 private:
  // Nesting deep enough for any tracker's file, shallow enough for the stack.
  static constexpr int kMaxDepth = 64;

  bool Fail(const char* why) {
    if (error.empty()) error = std::string(why) + " at byte " + std::to_string(at_ + 1);
    return false;
  }
  void Blanks() {
    while (at_ < text_.size() && (text_[at_] == ' ' || text_[at_] == '\t' || text_[at_] == '\n' || text_[at_] == '\r'))
      ++at_;
  }
  bool Word(std::string_view word) {
    if (text_.substr(at_, word.size()) != word) return Fail("not a JSON value");
    at_ += word.size();
    return true;
  }
  bool Value(JsonValue& v, int depth) {
    if (depth > kMaxDepth) return Fail("values nested too deep");
    if (at_ >= text_.size()) return Fail("the text ends before a value");
    const char c = text_[at_];
    if (c == '{') return Object(v, depth);
    if (c == '[') return Array(v, depth);
    if (c == '"') return v.kind = JsonValue::String, String(v.text);
    if (c == 't') return v.kind = JsonValue::Bool, v.boolean = true, Word("true");
    if (c == 'f') return v.kind = JsonValue::Bool, Word("false");
    if (c == 'n') return Word("null");
    if (c == '-' || (c >= '0' && c <= '9')) return v.kind = JsonValue::Number, Number(v.number);
    return Fail("not a JSON value");
  }
  // The digits from at_ on; false when there are none.
  bool Digits() {
    const size_t from = at_;
    while (at_ < text_.size() && text_[at_] >= '0' && text_[at_] <= '9') ++at_;
    return at_ > from;
  }
  // A number as JSON writes it, read the same under every locale (a decimal comma's too).
  bool Number(double& number) {
    const size_t from = at_;
    if (text_[at_] == '-') ++at_;
    if (!Digits()) return Fail("a number without digits");
    if (at_ < text_.size() && text_[at_] == '.' && (++at_, !Digits())) return Fail("a number without digits after its point");
    if (at_ < text_.size() && (text_[at_] == 'e' || text_[at_] == 'E')) {
      ++at_;
      if (at_ < text_.size() && (text_[at_] == '+' || text_[at_] == '-')) ++at_;
      if (!Digits()) return Fail("a number without digits in its exponent");
    }
    const std::string_view text = text_.substr(from, at_ - from);
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error == std::errc::result_out_of_range)  // too small to tell from nothing, or past any double
      number = text.find("e-") != std::string_view::npos || text.find("E-") != std::string_view::npos ? 0
               : text[0] == '-' ? -HUGE_VAL : HUGE_VAL;
    else if (error != std::errc() || end != text.data() + text.size()) return Fail("not a number");
    return true;
  }
  bool Array(JsonValue& v, int depth) {
    v.kind = JsonValue::Array;
    ++at_;
    Blanks();
    if (at_ < text_.size() && text_[at_] == ']') return ++at_, true;
    for (;;) {
      Blanks();
      v.items.emplace_back();
      if (!Value(v.items.back(), depth + 1)) return false;
      Blanks();
      if (at_ < text_.size() && text_[at_] == ',') { ++at_; continue; }
      if (at_ < text_.size() && text_[at_] == ']') return ++at_, true;
      return Fail("expected , or ] in an array");
    }
  }
  bool Object(JsonValue& v, int depth) {
    v.kind = JsonValue::Object;
    ++at_;
    Blanks();
    if (at_ < text_.size() && text_[at_] == '}') return ++at_, true;
    for (;;) {
      Blanks();
      std::string name;
      if (at_ >= text_.size() || text_[at_] != '"') return Fail("expected a member name");
      if (!String(name)) return false;
      Blanks();
      if (at_ >= text_.size() || text_[at_] != ':') return Fail("expected : after a member name");
      ++at_;
      Blanks();
      v.names.push_back(std::move(name));
      v.values.emplace_back();
      if (!Value(v.values.back(), depth + 1)) return false;
      Blanks();
      if (at_ < text_.size() && text_[at_] == ',') { ++at_; continue; }
      if (at_ < text_.size() && text_[at_] == '}') return ++at_, true;
      return Fail("expected , or } in an object");
    }
  }
  bool Hex4(unsigned& code) {
    if (at_ + 4 > text_.size()) return Fail("a \\u escape cut short");
    code = 0;
    for (int i = 0; i < 4; ++i) {
      const char h = text_[at_++];
      code <<= 4;
      if (h >= '0' && h <= '9') code |= static_cast<unsigned>(h - '0');
      else if (h >= 'a' && h <= 'f') code |= static_cast<unsigned>(h - 'a' + 10);
      else if (h >= 'A' && h <= 'F') code |= static_cast<unsigned>(h - 'A' + 10);
      else return Fail("a \\u escape that is not hexadecimal");
    }
    return true;
  }
  bool String(std::string& out) {
    ++at_;
    while (at_ < text_.size()) {
      const char c = text_[at_++];
      if (c == '"') return true;
      if (c != '\\') {
        out += c;
        continue;
      }
      if (at_ >= text_.size()) break;
      const char e = text_[at_++];
      switch (e) {
        case 'n': out += '\n'; break;
        case 't': out += '\t'; break;
        case 'r': out += '\r'; break;
        case 'b': out += '\b'; break;
        case 'f': out += '\f'; break;
        case 'u': {
          unsigned code = 0;
          if (!Hex4(code)) return false;
          if (code >= 0xD800 && code < 0xDC00 && text_.substr(at_, 2) == "\\u") {
            at_ += 2;
            unsigned low = 0;
            if (!Hex4(low)) return false;
            code = low >= 0xDC00 && low < 0xE000 ? 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00) : 0xFFFD;
          } else if (code >= 0xD800 && code < 0xE000) {
            code = 0xFFFD;
          }
          AppendUtf8(out, code);
          break;
        }
        default: out += e;
      }
    }
    return Fail("a string without its closing quote");
  }

  std::string_view text_;
  size_t at_ = 0;
};

}  // namespace

const JsonValue* JsonValue::Find(std::string_view name) const {
  for (std::size_t i = 0; i < names.size(); ++i)
    if (names[i] == name) return &values[i];
  return nullptr;
}

std::string JsonValue::StringOf(std::string_view name) const {
  const JsonValue* v = Find(name);
  return v && v->kind == String ? v->text : std::string();
}

std::optional<JsonValue> ParseJson(std::string_view text, std::string* error) {
  Parser parser(text);
  JsonValue value;
  if (parser.Document(value)) return value;
  if (error) *error = parser.error;
  return std::nullopt;
}

}  // namespace tw
