#pragma once
// The plain ASCII character classes the program reads its texts by (dates and times, the report's
// fields, the help file's words, the program's name), whatever the C library's locale says.
#include <cstddef>
#include <string>
#include <string_view>

namespace tw {

inline bool IsBlank(char c) { return c == ' ' || c == '\t'; }
// A blank, a line end, a form feed or a vertical tab.
inline bool IsWhiteSpace(char c) { return IsBlank(c) || c == '\n' || c == '\r' || c == '\f' || c == '\v'; }
inline bool IsDigit(char c) { return c >= '0' && c <= '9'; }
inline bool IsLowerLetter(char c) { return c >= 'a' && c <= 'z'; }
inline bool IsLetter(char c) { return IsLowerLetter(c) || (c >= 'A' && c <= 'Z'); }
inline char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }
inline char AsciiUpper(char c) { return IsLowerLetter(c) ? static_cast<char>(c - 'a' + 'A') : c; }
// The text with its ASCII capitals made small, for comparing names and headers without case.
inline std::string AsciiLowered(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = AsciiLower(c);
  return out;
}

// The text without the characters of a class at either end: blanks unless told (white space for
// the help file's headings and the words typed to find one).
inline std::string_view Trimmed(std::string_view text, bool (*outside)(char) = IsBlank) {
  while (!text.empty() && outside(text.front())) text.remove_prefix(1);
  while (!text.empty() && outside(text.back())) text.remove_suffix(1);
  return text;
}

// The number the count digits of text from at write; -1 where one of them is not a digit or they
// run past the text. Nine digits at most, so that no int overflows.
inline int Digits(std::string_view text, std::size_t at, std::size_t count) {
  if (at + count > text.size() || count > 9) return -1;
  int value = 0;
  for (std::size_t i = at; i < at + count; ++i) {
    if (!IsDigit(text[i])) return -1;
    value = value * 10 + (text[i] - '0');
  }
  return value;
}

}  // namespace tw
