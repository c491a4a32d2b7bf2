#pragma once
// The report read as regions of whole lines, and each line of a region with the places of its
// first three commas, for the scans that look at every record: line feeds and commas are found
// sixty-four bytes at a time, so a line costs a few bit operations instead of a search per field.
// Lines are those of platform/lines.h: cut at LF, a CR before it dropped, a byte-order mark at
// the start of the file left out, a last line without a line feed counted.
#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "platform/files.h"
#include "platform/lines.h"

namespace tw {

// Calls region(text, offset) for each run of whole lines of the file, in order, holding one
// block and the unfinished line before it. A line longer than the block grows the block.
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
    // The region ends after the last line feed (at the end of the file, with the data).
    const size_t lastFeed = data.rfind('\n');
    const size_t regionEnd = atEnd ? held : lastFeed == std::string_view::npos ? 0 : lastFeed + 1;
    const size_t from = base == 0 ? ByteOrderMarkLength(data) : 0;
    if (regionEnd > from) region(data.substr(from, regionEnd - from), base + from);
    std::memmove(block.data(), block.data() + regionEnd, held - regionEnd);
    held -= regionEnd;
    base += regionEnd;
  }
}

// A line of a region: its text and where its first three commas stand in it (count of them).
struct CommaLine {
  std::string_view text;
  std::uint32_t comma[3];
  int commas;
};

// Calls line(const CommaLine&) for each line of a region of whole lines.
template <class Line>
void ForEachCommaLine(std::string_view region, Line&& line) {
  const char* const text = region.data();
  const size_t size = region.size();
  CommaLine current{};
  size_t start = 0;
  auto take = [&](std::uint64_t commas, size_t base) {
    while (commas != 0 && current.commas < 3) {
      current.comma[current.commas++] = static_cast<std::uint32_t>(base + __builtin_ctzll(commas) - start);
      commas &= commas - 1;
    }
  };
  auto finish = [&](size_t end) {
    current.text = WithoutCarriageReturn(std::string_view(text + start, end - start));
    line(current);
    current.commas = 0;
    start = end + 1;
  };
  for (size_t base = 0; base < size; base += 64) {
    std::uint64_t feeds = 0, commas = 0;
#if defined(__SSE2__)
    if (base + 64 <= size) {
      const __m128i feed = _mm_set1_epi8('\n'), comma = _mm_set1_epi8(',');
      auto bits = [&](int i, __m128i c) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text + base + 16 * i));
        return static_cast<std::uint64_t>(static_cast<std::uint16_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, c))));
      };
      feeds = bits(0, feed) | bits(1, feed) << 16 | bits(2, feed) << 32 | bits(3, feed) << 48;
      commas = bits(0, comma) | bits(1, comma) << 16 | bits(2, comma) << 32 | bits(3, comma) << 48;
    } else
#endif
    {
      for (size_t i = base; i < size && i < base + 64; ++i) {
        if (text[i] == '\n') feeds |= std::uint64_t{1} << (i - base);
        if (text[i] == ',') commas |= std::uint64_t{1} << (i - base);
      }
    }
    while (feeds != 0) {
      const int at = __builtin_ctzll(feeds);
      const std::uint64_t before = at == 63 ? ~std::uint64_t{0} >> 1 : (std::uint64_t{1} << at) - 1;
      take(commas & before, base);
      commas &= ~before;
      finish(base + static_cast<size_t>(at));
      feeds &= feeds - 1;
    }
    take(commas, base);
  }
  if (start < size) finish(size);  // the last line, without a line feed
}

}  // namespace tw
