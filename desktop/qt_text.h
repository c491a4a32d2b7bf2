#pragma once
// Texts between the program's byte strings (UTF-8 files) and Qt's strings. Bytes that are not valid
// UTF-8 travel through a QString as the low surrogates U+DC80..U+DCFF and come back unchanged, so a
// text shown in a window and saved again keeps every byte it had.
#include <QString>
#include <string>
#include <string_view>

namespace tw {

QString FromBytes(std::string_view bytes);
std::string ToBytes(const QString& text);

}  // namespace tw
