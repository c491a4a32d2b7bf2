#pragma once
// The report read as regions of whole lines (ForEachRegion), and each line of a region with the
// places of its first three commas, for the scans that look at every record: line ends and commas
// are found sixty-four bytes at a time, so a line costs a few bit operations instead of a search
// per field. Lines are those of platform/lines.h, commas those of report/record.h.
#include <cstdint>
#include <string_view>

#include "platform/lines.h"
#include "report/record.h"

namespace tw {

// A line of a region and its first three commas.
struct CommaLine {
  std::string_view text;
  FirstCommas commas;
};

// Calls line(const CommaLine&) for each line of a region of whole lines.
template <class Line>
void ForEachCommaLine(std::string_view region, Line&& line) {
  CommaLine current{};
  size_t start = 0;  // of the current line; its commas are taken at their places from it on (the
                     // unsigned base - start wraps where the line starts inside the block)
  for (size_t base = 0; base < region.size(); base += 64) {
    std::uint64_t ends = LineEndBits(region, base, ByteBits(region, base, '\n'), ByteBits(region, base, '\r'));
    std::uint64_t commas = ByteBits(region, base, ',');
    while (ends != 0) {
      const int at = __builtin_ctzll(ends);
      const std::uint64_t before = at == 63 ? ~std::uint64_t{0} >> 1 : (std::uint64_t{1} << at) - 1;
      current.commas.Take(commas & before, base - start);
      commas &= ~before;
      const size_t end = base + static_cast<size_t>(at);
      current.text = WithoutCarriageReturn(region.substr(start, end - start));
      line(current);
      current.commas = FirstCommas{};
      start = end + 1;
      ends &= ends - 1;
    }
    current.commas.Take(commas, base - start);
  }
  if (start < region.size()) {  // the last line, without a line end
    current.text = WithoutCarriageReturn(region.substr(start));
    line(current);
  }
}

}  // namespace tw
