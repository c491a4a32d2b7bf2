#pragma once
// One line of the report file: project, start, end and comment joined by single commas. The
// comment is everything after the third comma, further commas included; nothing is quoted.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tw {

// Where the first three commas of a line stand, gathered from bit masks of its bytes (64 at a
// time, as ByteBits gives them): the split of one line and the scans of whole regions find them
// the same way.
struct FirstCommas {
  std::uint32_t at[3];
  int count = 0;
  // Takes the commas of bits, bit i standing for the byte at base + i of the line.
  void Take(std::uint64_t bits, std::uint64_t base) {
    for (; bits != 0 && count < 3; bits &= bits - 1)
      at[count++] = static_cast<std::uint32_t>(base + static_cast<std::uint64_t>(__builtin_ctzll(bits)));
  }
};

// The first commas of a line, up to three; the search ends once it has found `wanted` of them.
FirstCommas FindFirstCommas(std::string_view line, int wanted = 3);

struct RecordFields {
  std::string_view project;
  std::string_view start;
  std::string_view end;
  std::string_view comment;
};

// The four fields of a line, exactly as they stand; nothing for a line with fewer than three commas.
std::optional<RecordFields> SplitRecord(std::string_view line);
// The four fields of a line whose first three commas stand at the given places.
RecordFields FieldsAt(std::string_view line, size_t first, size_t second, size_t third);
// The start field alone, as SplitRecord would take it, without looking past it; nothing for a line
// with fewer than two commas (which is no record either).
std::optional<std::string_view> StartField(std::string_view line);

// The record line of a stretch, without its line end: the one maker of the report's records. It is
// always one record: line breaks become blanks, and so do commas in the project, start and end
// (the comment may hold commas).
std::string RecordLine(std::string_view project, std::string_view start, std::string_view end,
                       std::string_view comment);

// The four fields joined by commas as they are, without a line end.
std::string JoinRecord(std::string_view project, std::string_view start, std::string_view end,
                       std::string_view comment);

// A comment as one line: each line break (CR LF, CR or LF) becomes one blank.
std::string RecordComment(std::string_view text);
// A field before the comment (project, start, end) as a record can carry it: one line, and each
// comma a blank, since a comma there would shift every later field.
std::string RecordField(std::string_view text);

}  // namespace tw
