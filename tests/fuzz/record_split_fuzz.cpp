// Records and amendments on any bytes: a split joins back, a record line is one record, amendments round-trip.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "report/amendment.h"
#include "report/record.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view line(reinterpret_cast<const char*>(data), size);
  if (const auto f = tw::SplitRecord(line)) {
    if (tw::JoinRecord(f->project, f->start, f->end, f->comment) != line) std::abort();
    if (f->project.find(',') != std::string_view::npos) std::abort();
  }
  if (const auto a = tw::ParseAmendment(line)) {
    const std::string again = tw::AmendmentLine(*a);
    if (tw::ParseAmendment(again) != a || tw::SplitRecord(again) || !tw::SplitRecord(a->record)) std::abort();
  }
  // Cut the input into the four texts a record is made of.
  std::string_view parts[4];
  std::string_view rest = line;
  for (int i = 0; i < 3; ++i) {
    const size_t cut = rest.find('\x01');
    parts[i] = rest.substr(0, cut);
    rest = cut == std::string_view::npos ? std::string_view() : rest.substr(cut + 1);
  }
  parts[3] = rest;
  const std::string record = tw::RecordLine(std::string(parts[0]), std::string(parts[1]),
                                            std::string(parts[2]), std::string(parts[3]));
  const std::string_view body(record);
  if (body.find_first_of("\r\n") != std::string_view::npos) std::abort();
  const auto f = tw::SplitRecord(body);
  if (!f || f->comment != tw::RecordComment(parts[3])) std::abort();
  if (f->project != tw::RecordField(parts[0]) || f->start != tw::RecordField(parts[1]) ||
      f->end != tw::RecordField(parts[2]))
    std::abort();
  return 0;
}
