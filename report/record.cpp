#include "report/record.h"

namespace tw {

std::optional<RecordFields> SplitRecord(std::string_view line) {
  const size_t first = line.find(',');
  if (first == std::string_view::npos) return std::nullopt;
  const size_t second = line.find(',', first + 1);
  if (second == std::string_view::npos) return std::nullopt;
  const size_t third = line.find(',', second + 1);
  if (third == std::string_view::npos) return std::nullopt;
  return RecordFields{line.substr(0, first), line.substr(first + 1, second - first - 1),
                      line.substr(second + 1, third - second - 1), line.substr(third + 1)};
}

std::string JoinRecord(std::string_view project, std::string_view start, std::string_view end,
                       std::string_view comment) {
  std::string line;
  line.reserve(project.size() + start.size() + end.size() + comment.size() + 3);
  line.append(project).append(",").append(start).append(",").append(end).append(",").append(comment);
  return line;
}

std::string RecordComment(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r') {
      out += ' ';
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else if (c == '\n') {
      out += ' ';
    } else {
      out += c;
    }
  }
  return out;
}

std::string RecordField(std::string_view text) {
  std::string out = RecordComment(text);
  for (char& c : out)
    if (c == ',') c = ' ';
  return out;
}

std::string_view StripLineEnd(std::string_view line) {
  if (!line.empty() && line.back() == '\n') line.remove_suffix(1);
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return line;
}

}  // namespace tw
