#include "bench/report_generator.h"

#include <cstdio>
#include <random>
#include <stdexcept>

namespace tw::bench {

DateFormat UsTwelveHour() { return DateFormat(LocaleData{}); }

DateFormat DayMonthYear24() {
  LocaleData data;
  data.shortDate = "dd/MM/yyyy";
  data.longTime = "HH:mm:ss";
  data.shortTime = "HH:mm";
  return DateFormat(data);
}

GeneratedReport GenerateReport(const std::string& path, std::size_t records, const DateFormat& format,
                               unsigned seed, bool tagged) {
  static const char* const kComments[] = {"",
                                          "layout, then proofs",
                                          "fixed menu, footer and header",
                                          "call with the printer",
                                          "reviewed invoices, paid two",
                                          "notes",
                                          "draft 2",
                                          "",
                                          "planning, estimates, and a long list of open questions"};
  static const char* const kTaggedComments[] = {"",
                                                "layout, then proofs #design",
                                                "fixed menu, footer and header #web #bugfix",
                                                "#call with the printer",
                                                "reviewed invoices, paid two #admin #Billing",
                                                "notes",
                                                "draft 2 #client/acme #review",
                                                "",
                                                "planning (#meeting), estimates, and #open-questions"};
  const auto& comments = tagged ? kTaggedComments : kComments;
  std::FILE* out = std::fopen(path.c_str(), "wb");
  if (!out) throw std::runtime_error("cannot write " + path);
  std::mt19937 random(seed);
  // The records of a person, or of a team, over 2016 to 2026, spread evenly over the days.
  const std::int64_t first = DayFromCivil({2016, 1, 1});
  const std::int64_t days = DayFromCivil({2026, 12, 31}) - first + 1;
  std::string buffer;
  buffer.reserve(1 << 20);
  for (std::size_t i = 0; i < records; ++i) {
    const std::int64_t day = first + static_cast<std::int64_t>(i * days / records);
    const std::size_t dayFirst = static_cast<std::size_t>(((day - first) * records + days - 1) / days);
    const std::size_t perDay =
        static_cast<std::size_t>(((day - first + 1) * records + days - 1) / days) - dayFirst;
    const int slot = static_cast<int>(i - dayFirst);
    // Stretches of 10 to 35 minutes from 8:00, their starts spread over ten hours.
    const int start = 8 * 3600 + slot * (36000 / static_cast<int>(perDay)) + static_cast<int>(random() % 120);
    const int end = start + 600 + static_cast<int>(random() % 900);
    buffer += kGeneratedProjects[random() % std::size(kGeneratedProjects)];
    buffer += ',';
    buffer += format.FormatGeneral(DateTime{day, start});
    buffer += ',';
    buffer += format.FormatGeneral(DateTime{day, end});
    buffer += ',';
    buffer += comments[random() % std::size(comments)];
    buffer += "\r\n";
    if (i % 997 == 500) buffer += "\r\n";
    if (i % 4999 == 2500) buffer += "a line typed by hand without commas\r\n";
    if (i % 7919 == 4000) buffer += "Broken,not a date,also not,comment\r\n";
    if (buffer.size() > (1 << 20) - 512) {
      std::fwrite(buffer.data(), 1, buffer.size(), out);
      buffer.clear();
    }
  }
  std::fwrite(buffer.data(), 1, buffer.size(), out);
  if (std::fclose(out) != 0) throw std::runtime_error("cannot write " + path);
  GeneratedReport result;
  result.records = records;
  result.firstDay = DateTime{first, 0};
  result.busiestDay = MakeDateTime({2020, 6, 15}, 12, 0, 0);
  return result;
}

}  // namespace tw::bench
