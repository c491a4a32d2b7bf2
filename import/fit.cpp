#include "import/fit.h"

#include <cstdio>

#include "dates/ascii.h"
#include "report/record.h"

namespace tw {
namespace {

// The length of the UTF-8 character text starts with, and its code point; 0 when it is none (a
// stray byte, an overlong form, a surrogate, a sequence cut short).
std::size_t Character(std::string_view text, char32_t& code) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(0);
  if (lead < 0x80) return code = lead, 1;
  std::size_t length = 0;
  unsigned char low = 0x80, high = 0xBF;  // the second byte's range
  if (lead >= 0xC2 && lead <= 0xDF) length = 2, code = lead & 0x1F;
  else if (lead >= 0xE0 && lead <= 0xEF) length = 3, code = lead & 0x0F, low = lead == 0xE0 ? 0xA0 : 0x80, high = lead == 0xED ? 0x9F : 0xBF;
  else if (lead >= 0xF0 && lead <= 0xF4) length = 4, code = lead & 0x07, low = lead == 0xF0 ? 0x90 : 0x80, high = lead == 0xF4 ? 0x8F : 0xBF;
  if (length == 0 || text.size() < length || byte(1) < low || byte(1) > high) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    if (byte(i) < 0x80 || byte(i) > 0xBF) return 0;
    code = code << 6 | (byte(i) & 0x3F);
  }
  return length;
}

bool IsLineBreak(char32_t c) { return c == '\n' || c == '\r' || c == 0x2028 || c == 0x2029; }
bool IsControl(char32_t c) { return c < 0x20 || (c >= 0x7F && c <= 0x9F); }

// Whether text is printable ASCII within `most` bytes (and without a comma where `commas`): the
// usual name or comment, which nothing changes.
bool Plain(std::string_view text, std::size_t most, bool commas) {
  if (text.size() > most) return false;
  for (const char c : text)
    if (static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) >= 0x7F || (commas && c == ',')) return false;
  return true;
}

enum Found : unsigned { kNotUtf8 = 1, kLineBreak = 2, kControl = 4 };

// text with each control character a blank (a line break too, CR LF as one, where `breaks`) and
// each byte that is not UTF-8 U+FFFD; answers what it found.
unsigned Clean(std::string_view text, bool breaks, std::string& out) {
  unsigned found = 0;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    char32_t code = 0;
    const std::size_t length = Character(text.substr(i), code);
    if (length == 0) {
      out += "\xEF\xBF\xBD";
      found |= kNotUtf8;
      ++i;
    } else if (IsLineBreak(code) && breaks) {
      out += ' ';
      found |= kLineBreak;
      i += code == '\r' && i + 1 < text.size() && text[i + 1] == '\n' ? 2 : length;
    } else if (IsControl(code) && !IsLineBreak(code)) {
      out += ' ';
      found |= kControl;
      i += length;
    } else {
      out.append(text.substr(i, length));
      i += length;
    }
  }
  return found;
}

void Because(std::string& why, const char* reason) {
  if (!why.empty()) why += "; ";
  why += reason;
}

}  // namespace

void CutAtCharacter(std::string& text, std::size_t most) {
  if (text.size() <= most) return;
  std::size_t at = most;
  // Back over the continuation bytes of the character the cut falls in (three at most: beyond
  // them they are no character's anyway).
  for (int i = 0; i < 3 && at > 0 && (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80; ++i) --at;
  text.resize(at);
}

bool PlainProjectName(std::string_view name) {
  return !name.empty() && !IsBlank(name.front()) && !IsBlank(name.back()) && Plain(name, kMostProjectBytes, true);
}

bool PlainComment(std::string_view comment) { return Plain(comment, kMostCommentBytes, false); }

std::string Shortened(std::string_view text, std::size_t most) {
  std::string out(text.substr(0, most + 4));
  if (out.size() <= most) return out;
  CutAtCharacter(out, most);
  return out + "...";
}

std::string FitProjectName(std::string& name) {
  const std::string_view trimmed = Trimmed(name);
  if (Plain(trimmed, kMostProjectBytes, true)) {
    if (trimmed.size() != name.size()) name = std::string(trimmed);
    return "";
  }
  std::string clean, why;
  const unsigned found = Clean(trimmed, true, clean);
  if (found & kLineBreak) Because(why, "a project name holds no line break");
  if (found & kControl) Because(why, "a project name holds no control character");
  if (found & kNotUtf8) Because(why, "it is not UTF-8 text");
  std::string fitted = RecordField(clean);
  if (fitted != clean) Because(why, "a record's project holds no comma");
  if (fitted.size() > kMostProjectBytes) {
    CutAtCharacter(fitted, kMostProjectBytes);
    Because(why, "a project name is at most 200 bytes");
  }
  name = std::string(Trimmed(fitted));
  return why;
}

std::string FitComment(std::string& comment) {
  if (Plain(comment, kMostCommentBytes, false)) return "";
  std::string clean, why;
  const unsigned found = Clean(comment, false, clean);
  if (found & kControl) Because(why, "the control characters of its comment are written as blanks");
  if (found & kNotUtf8) Because(why, "the bytes of its comment that are not UTF-8 are written as U+FFFD");
  comment = RecordComment(clean);
  if (comment.size() > kMostCommentBytes) {
    CutAtCharacter(comment, kMostCommentBytes);
    Because(why, "its comment is cut to 4000 bytes, the longest a comment can be");
  }
  return why;
}

std::string Printable(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  char escape[16];
  for (std::size_t i = 0; i < text.size();) {
    char32_t code = 0;
    const std::size_t length = Character(text.substr(i), code);
    if (length == 0) {
      std::snprintf(escape, sizeof escape, "\\x%02X", static_cast<unsigned char>(text[i]));
      out += escape;
      ++i;
      continue;
    }
    if (code == '\n') out += "\\n";
    else if (code == '\r') out += "\\r";
    else if (code == '\t') out += "\\t";
    else if (code < 0x20 || code == 0x7F) std::snprintf(escape, sizeof escape, "\\x%02X", static_cast<unsigned>(code)), out += escape;
    else if (IsControl(code) || IsLineBreak(code)) std::snprintf(escape, sizeof escape, "\\u%04X", static_cast<unsigned>(code)), out += escape;
    else out.append(text.substr(i, length));
    i += length;
  }
  return out;
}

}  // namespace tw
