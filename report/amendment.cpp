#include "report/amendment.h"

#include <algorithm>
#include <vector>

#include "platform/lines.h"
#include "platform/shared_folder.h"
#include "report/record.h"
#include "report/tab_fields.h"

namespace tw {
namespace {

constexpr std::string_view kMarker = "Tallywright amendment\t";
constexpr std::string_view kEdit = "edit";
constexpr std::string_view kDelete = "delete";

// A record as an amendment may name or hold one: one line with the four fields.
bool IsRecordText(std::string_view text) {
  return text.find_first_of("\r\n") == std::string_view::npos && SplitRecord(text).has_value();
}

bool IsStamp(std::string_view s) {
  constexpr std::string_view shape = "0000-00-00T00:00:00Z";
  if (s.size() != shape.size()) return false;
  for (size_t i = 0; i < s.size(); ++i)
    if (shape[i] == '0' ? s[i] < '0' || s[i] > '9' : s[i] != shape[i]) return false;
  return true;
}

}  // namespace

std::string AmendmentLine(const Amendment& a) {
  std::string line(kMarker);
  line.append(a.stamp).append("\t").append(a.file).append("\t").append(std::to_string(a.offset)).append("\t");
  line.append(a.replacement ? kEdit : kDelete).append("\t").append(EscapeField(a.record));
  if (a.replacement) line.append("\t").append(EscapeField(*a.replacement));
  return line;
}

bool IsAmendmentLine(std::string_view line) {
  return line.substr(0, kMarker.size()) == kMarker && line.find(',') == std::string_view::npos;
}

std::optional<Amendment> ParseAmendment(std::string_view line) {
  if (!IsAmendmentLine(line)) return std::nullopt;
  line.remove_prefix(kMarker.size());
  const std::vector<std::string_view> fields = SplitTabs(line);
  Amendment a;
  if (fields.size() < 5 || !IsStamp(fields[0]) || fields[1].empty() || fields[1].find('/') != std::string_view::npos)
    return std::nullopt;
  a.stamp = fields[0];
  a.file = fields[1];
  const std::string_view offset = fields[2];
  if (offset.empty() || offset.size() > 15) return std::nullopt;
  for (char c : offset) {
    if (c < '0' || c > '9') return std::nullopt;
    a.offset = a.offset * 10 + static_cast<std::uint64_t>(c - '0');
  }
  const bool edit = fields[3] == kEdit;
  if ((!edit && fields[3] != kDelete) || fields.size() != (edit ? 6u : 5u)) return std::nullopt;
  auto record = UnescapeField(fields[4]);
  if (!record || !IsRecordText(*record)) return std::nullopt;
  a.record = std::move(*record);
  if (edit) {
    a.replacement = UnescapeField(fields[5]);
    if (!a.replacement || !IsRecordText(*a.replacement)) return std::nullopt;
  }
  return a;
}

void AppendAmendment(const Files& files, const std::string& path, const Amendment& amendment) {
  const Files::Lock lock = files.LockFor(path);
  files.Append(path, AmendmentLine(amendment) + "\r\n");
}

bool HoldsLine(const Files& files, const std::string& path, std::uint64_t offset, std::string_view text) {
  // From the byte before the line (or the file's start, to see a byte-order mark before it).
  const std::uint64_t from = offset == 3 ? 0 : offset > 0 ? offset - 1 : 0;
  std::string bytes;
  try {
    bytes = files.ReadAt(path, from, static_cast<size_t>(offset - from) + text.size() + 2);
  } catch (const RunError&) {
    return false;
  }
  std::string_view view(bytes);
  const size_t before = static_cast<size_t>(offset - from);
  bool lineStart = offset == 0;
  if (offset == 3) lineStart = ByteOrderMarkLength(view) == 3 || (view.size() > 2 && IsLineEnd(view[2]));
  else if (offset > 0) lineStart = !view.empty() && IsLineEnd(view[0]);
  view.remove_prefix(std::min(view.size(), before));
  if (!lineStart || view.substr(0, text.size()) != text) return false;
  view.remove_prefix(text.size());
  return !view.empty() && IsLineEnd(view[0]);
}

}  // namespace tw
