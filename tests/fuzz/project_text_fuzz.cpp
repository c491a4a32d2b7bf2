// The project list's text rules on any text: blank lines collapse as replacement does; lines join back.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "projects/project_list.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 4096) return 0;  // the plain replacement below is quadratic
  const std::string text(reinterpret_cast<const char*>(data), size);

  std::string plain = text;
  for (size_t at; (at = plain.find("\r\n\r\n")) != std::string::npos;) plain.replace(at, 4, "\r\n");
  const std::string collapsed = tw::CollapseBlankLines(text);
  if (collapsed != plain) std::abort();

  const auto lines = tw::SplitEditorLines(collapsed);
  if (lines.empty()) std::abort();
  std::string joined;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].find("\r\n") != std::string::npos) std::abort();
    if (i > 0) joined += "\r\n";
    joined += lines[i];
  }
  const bool endsWithLineEnd = collapsed.size() >= 2 && collapsed.compare(collapsed.size() - 2, 2, "\r\n") == 0;
  if (joined + (endsWithLineEnd ? "\r\n" : "") != collapsed) std::abort();

  const auto comma = tw::FirstLineWithComma(lines);
  for (size_t i = 0; i < lines.size(); ++i) {
    const bool has = lines[i].find(',') != std::string::npos;
    if (has && (!comma || *comma > i)) std::abort();
    if (comma && *comma == i && !has) std::abort();
  }
  return 0;
}
