#include "desktop/qt_text.h"

#include "platform/utf8.h"

namespace tw {

QString FromBytes(std::string_view bytes) {
  QString out;
  out.reserve(static_cast<qsizetype>(bytes.size()));
  const auto* s = reinterpret_cast<const unsigned char*>(bytes.data());
  const size_t n = bytes.size();
  size_t i = 0;
  while (i < n) {
    const auto [cp, len] = Utf8At(bytes, i);
    if (len == 0) {
      out.append(QChar(static_cast<char16_t>(0xDC00 + s[i])));
      i += 1;
      continue;
    }
    if (cp >= 0x10000) {
      out.append(QChar(static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10))));
      out.append(QChar(static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF))));
    } else {
      out.append(QChar(static_cast<char16_t>(cp)));
    }
    i += len;
  }
  return out;
}

std::string ToBytes(const QString& text) {
  std::string out;
  out.reserve(static_cast<size_t>(text.size()));
  const qsizetype n = text.size();
  for (qsizetype i = 0; i < n; ++i) {
    char32_t cp = text.at(i).unicode();
    if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < n && text.at(i + 1).unicode() >= 0xDC00 &&
        text.at(i + 1).unicode() <= 0xDFFF) {
      cp = 0x10000 + ((cp - 0xD800) << 10) + (text.at(i + 1).unicode() - 0xDC00);
      ++i;
    } else if (cp >= 0xDC80 && cp <= 0xDCFF) {
      out += static_cast<char>(cp - 0xDC00);  // a byte that was not UTF-8
      continue;
    } else if (cp >= 0xD800 && cp <= 0xDFFF) {
      cp = 0xFFFD;
    }
    AppendUtf8(out, cp);
  }
  return out;
}

}  // namespace tw
