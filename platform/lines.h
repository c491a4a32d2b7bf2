#pragma once
// What a line of the program's files is, and reading a file line by line in large blocks. Every
// reader and the rewrite take their lines from here, so they agree: a line is the bytes up to a
// line feed, without it and a carriage return before it (CR LF or LF alone); a last line without a
// line end counts; an empty file has no lines.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/files.h"

namespace tw {

// A line cut at its line feed, without the carriage return before it.
inline std::string_view WithoutCarriageReturn(std::string_view line) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return line;
}

// The length of the UTF-8 byte-order mark that an editor may put at the start of a file (3), or 0.
// It belongs to no line of the report.
inline size_t ByteOrderMarkLength(std::string_view fileStart) {
  return fileStart.substr(0, 3) == "\xEF\xBB\xBF" ? 3 : 0;
}

// The lines of a text.
std::vector<std::string> SplitLines(std::string_view text);

// Where a line stands in its file, and its exact bytes (without its line end).
struct SourceLine {
  std::uint64_t offset = 0;  // of its first byte
  std::string text;
  friend bool operator==(const SourceLine&, const SourceLine&) = default;
};

// Reads a file without holding more than one block and the line being read; a byte-order mark at
// the start of the file is left out.
class LineReader {
 public:
  static constexpr size_t kBlockSize = 1 << 20;

  explicit LineReader(Files::Reader& reader, size_t blockSize = kBlockSize);

  // The next line, valid until the next call; false at the end of the file.
  bool Next(std::string_view& line);
  // Where the line last returned starts in the file.
  std::uint64_t offset() const { return offset_; }

 private:
  bool Fill();

  Files::Reader& reader_;
  std::vector<char> block_;
  size_t pos_ = 0;
  size_t end_ = 0;
  bool atEnd_ = false;
  std::string carry_;  // a line that runs over the end of a block
  bool first_ = true;
  std::uint64_t offset_ = 0;
  std::uint64_t consumed_ = 0;  // bytes of the lines returned so far, line ends included
};

}  // namespace tw
