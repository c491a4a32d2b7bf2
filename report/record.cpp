#include "report/record.h"

#include "platform/lines.h"

namespace tw {

FirstCommas FindFirstCommas(std::string_view line, int wanted) {
  FirstCommas commas;
  for (size_t base = 0; base < line.size() && commas.count < wanted; base += 64)
    commas.Take(ByteBits(line, base, ','), base);
  return commas;
}

std::optional<RecordFields> SplitRecord(std::string_view line) {
  const FirstCommas c = FindFirstCommas(line);
  if (c.count < 3) return std::nullopt;
  return FieldsAt(line, c.at[0], c.at[1], c.at[2]);
}

RecordFields FieldsAt(std::string_view line, size_t first, size_t second, size_t third) {
  return RecordFields{line.substr(0, first), line.substr(first + 1, second - first - 1),
                      line.substr(second + 1, third - second - 1), line.substr(third + 1)};
}

std::optional<std::string_view> StartField(std::string_view line) {
  const FirstCommas c = FindFirstCommas(line, 2);
  if (c.count < 2) return std::nullopt;
  return line.substr(c.at[0] + 1, c.at[1] - c.at[0] - 1);
}

std::string RecordLine(std::string_view project, std::string_view start, std::string_view end,
                       std::string_view comment) {
  return JoinRecord(RecordField(project), RecordField(start), RecordField(end), RecordComment(comment));
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

}  // namespace tw
