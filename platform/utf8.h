#pragma once
// Writing and reading a character as UTF-8, the form of every text the program keeps, and a text
// as a JSON string.
#include <cstddef>
#include <string>
#include <string_view>

namespace tw {

// Appends the code point as one to four UTF-8 bytes.
inline void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

// A character read from UTF-8: its code point and its length in bytes, 0 where the bytes are not
// UTF-8 (a stray byte, an overlong form, a surrogate, a code point past U+10FFFF, a cut sequence).
struct Utf8Char {
  char32_t cp = 0;
  std::size_t length = 0;
};
inline Utf8Char Utf8At(std::string_view text, std::size_t at) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[at + i]); };
  if (at >= text.size()) return {};
  const unsigned char lead = byte(0);
  if (lead < 0x80) return {lead, 1};
  std::size_t length = 0;
  unsigned char low = 0x80, high = 0xBF;  // the second byte's range
  if (lead >= 0xC2 && lead <= 0xDF) length = 2;
  else if (lead >= 0xE0 && lead <= 0xEF) length = 3, low = lead == 0xE0 ? 0xA0 : 0x80, high = lead == 0xED ? 0x9F : 0xBF;
  else if (lead >= 0xF0 && lead <= 0xF4) length = 4, low = lead == 0xF0 ? 0x90 : 0x80, high = lead == 0xF4 ? 0x8F : 0xBF;
  if (length == 0 || text.size() - at < length || byte(1) < low || byte(1) > high) return {};
  char32_t cp = lead & (0x7F >> length);
  for (std::size_t i = 1; i < length; ++i) {
    if (byte(i) < 0x80 || byte(i) > 0xBF) return {};
    cp = (cp << 6) | (byte(i) & 0x3F);
  }
  return {cp, length};
}

// A JSON string, quoted; bytes that are not UTF-8 become U+FFFD.
std::string JsonString(std::string_view bytes);

}  // namespace tw
