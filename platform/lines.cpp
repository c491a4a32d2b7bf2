#include "platform/lines.h"

#include <cstring>

namespace tw {

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  for (size_t start = 0; start < text.size();) {
    const CutLine cut = LineAt(text, start);
    lines.emplace_back(cut.line);
    start = cut.next;
  }
  return lines;
}

LineReader::LineReader(Files::Reader& reader, size_t blockSize)
    : reader_(reader), block_(blockSize > 0 ? blockSize : 1) {}

bool LineReader::Fill() {
  if (atEnd_) return false;
  pos_ = 0;
  end_ = reader_.Read(block_.data(), block_.size());
  atEnd_ = end_ == 0;
  return !atEnd_;
}

bool LineReader::Next(std::string_view& line) {
  carry_.clear();
  bool carried = false;
  bool ended = false;  // by a line end, which the line holds when it is LF or a CR before an LF
  for (;;) {
    const bool pendingReturn = carried && !carry_.empty() && carry_.back() == '\r';
    if (pos_ == end_ && !Fill()) {
      if (!carried) return false;
      if (pendingReturn) carry_.pop_back();  // a CR at the end of the file ends its last line
      ended = pendingReturn;
      line = carry_;
      break;
    }
    const char* from = block_.data() + pos_;
    if (pendingReturn) {
      // The CR that ended the block before ends the line; an LF right after it is its other half.
      if (*from == '\n') ++pos_;
      else carry_.pop_back();
      ended = true;
      line = carry_;
      break;
    }
    const size_t size = end_ - pos_;
    const auto* lf = static_cast<const char*>(std::memchr(from, '\n', size));
    const size_t beforeFeed = lf ? static_cast<size_t>(lf - from) : size;
    const auto* cr = static_cast<const char*>(std::memchr(from, '\r', beforeFeed));
    const bool crAlone = cr != nullptr && cr + 1 != lf;
    if (lf == nullptr && (!crAlone || cr + 1 == from + size)) {
      // Most lines lie within one block and are read where they stand; only a line that runs
      // over the block's end is gathered (a CR at its end may be the first half of a CR LF).
      carry_.append(from, size);
      carried = true;
      pos_ = end_;
      continue;
    }
    const size_t length = crAlone ? static_cast<size_t>(cr - from) : beforeFeed;
    pos_ += length + 1;
    ended = true;
    if (carried) {
      carry_.append(from, length);
      line = carry_;
    } else {
      line = std::string_view(from, length);
    }
    break;
  }
  offset_ = consumed_;
  consumed_ += line.size() + (ended ? 1 : 0);
  line = WithoutCarriageReturn(line);
  if (first_) {
    const size_t mark = ByteOrderMarkLength(line);
    line.remove_prefix(mark);
    offset_ += mark;
  }
  first_ = false;
  return true;
}

}  // namespace tw
