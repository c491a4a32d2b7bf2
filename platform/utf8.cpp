#include "platform/utf8.h"

#include <cstdio>

namespace tw {

std::string JsonString(std::string_view bytes) {
  std::string out = "\"";
  for (std::size_t i = 0; i < bytes.size();) {
    const char c = bytes[i];
    const std::size_t length = Utf8At(bytes, i).length;
    if (length == 0) {
      out += "\\ufffd";
      ++i;
      continue;
    }
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
      out += escaped;
    } else {
      out.append(bytes.substr(i, length));
    }
    i += length;
  }
  return out + "\"";
}

}  // namespace tw
