#pragma once
// What a line of the program's files is, and reading a file line by line in large blocks. Every
// reader and the rewrite take their lines from here, so they agree: a line is the bytes up to its
// line end, CR LF, LF alone or CR alone (as old Mac editors write), without it; a last line without a
// line end counts; an empty file has no lines.
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "platform/files.h"

namespace tw {

// A line cut at its line feed, without the carriage return before it.
inline std::string_view WithoutCarriageReturn(std::string_view line) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return line;
}

inline bool IsLineEnd(char c) { return c == '\n' || c == '\r'; }

// Where the first line end at or after from starts (CR or LF), or npos.
inline size_t LineEndAt(std::string_view text, size_t from) {
  for (size_t i = from; i < text.size(); ++i)
    if (IsLineEnd(text[i])) return i;
  return std::string_view::npos;
}

// The line of text that starts at from, without its line end, and where the line after it starts
// (text.size() after a last line without a line end).
struct CutLine {
  std::string_view line;
  size_t next;
};
inline CutLine LineAt(std::string_view text, size_t from) {
  const size_t end = LineEndAt(text, from);
  if (end == std::string_view::npos) return {text.substr(from), text.size()};
  const bool crLf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
  return {text.substr(from, end - from), end + (crLf ? 2 : 1)};
}

// The line ends among the 64 bytes of text from base on, as ByteBits gives places: each LF, and
// each CR that no LF follows (a CR at the end of the text is one).
inline std::uint64_t LineEndBits(std::string_view text, size_t base, std::uint64_t feeds, std::uint64_t returns) {
  std::uint64_t alone = returns & ~(feeds >> 1);
  if ((returns >> 63) != 0 && base + 64 < text.size() && text[base + 64] == '\n') alone &= ~(std::uint64_t{1} << 63);
  return feeds | alone;
}

// The length of the UTF-8 byte-order mark that an editor may put at the start of a file (3), or 0.
// It belongs to no line of the report.
inline size_t ByteOrderMarkLength(std::string_view fileStart) {
  return fileStart.substr(0, 3) == "\xEF\xBB\xBF" ? 3 : 0;
}

// Where byte stands among the 64 bytes of text from base on (fewer at its end): bit i for
// text[base + i]. Sixteen bytes are compared at a time, for the scans that look at every line.
inline std::uint64_t ByteBits(std::string_view text, size_t base, char byte) {
  std::uint64_t bits = 0;
#if defined(__SSE2__)
  if (base + 64 <= text.size()) {
    const __m128i wanted = _mm_set1_epi8(byte);
    for (int i = 0; i < 4; ++i) {
      const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + base + 16 * i));
      bits |= static_cast<std::uint64_t>(static_cast<std::uint16_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, wanted))))
              << (16 * i);
    }
    return bits;
  }
#endif
  for (size_t i = base; i < text.size() && i < base + 64; ++i)
    if (text[i] == byte) bits |= std::uint64_t{1} << (i - base);
  return bits;
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

// Calls region(text, offset) for each run of whole lines of the file, in order, holding one
// block and the unfinished line before it; a byte-order mark at the start of the file is left out.
// A line longer than the block grows the block.
template <class Region>
void ForEachRegion(Files::Reader& reader, Region&& region) {
  std::vector<char> block(LineReader::kBlockSize);
  size_t held = 0;          // bytes in block: the unfinished last line of the region before, then new
  std::uint64_t base = 0;   // file offset of block[0]
  bool atEnd = false;
  while (!atEnd) {
    if (held == block.size()) block.resize(block.size() * 2);
    const size_t n = reader.Read(block.data() + held, block.size() - held);
    atEnd = n == 0;
    held += n;
    const std::string_view data(block.data(), held);
    // The region ends after the last line end (at the end of the file, with the data); a CR that
    // ends the data may be the first half of a CR LF, and waits for what follows.
    size_t lastEnd = data.find_last_of("\r\n");
    if (!atEnd && lastEnd == held - 1 && data[lastEnd] == '\r')
      lastEnd = lastEnd == 0 ? std::string_view::npos : data.find_last_of("\r\n", lastEnd - 1);
    const size_t regionEnd = atEnd ? held : lastEnd == std::string_view::npos ? 0 : lastEnd + 1;
    const size_t from = base == 0 ? ByteOrderMarkLength(data) : 0;
    if (regionEnd > from) region(data.substr(from, regionEnd - from), base + from);
    std::memmove(block.data(), block.data() + regionEnd, held - regionEnd);
    held -= regionEnd;
    base += regionEnd;
  }
}

}  // namespace tw
