#include "tests/summaries/quarter.h"

#include <random>

namespace tw::test {

std::int64_t Quarter::Counted(const QuarterStretch& s, int minutes) {
  if (minutes == 0) return s.seconds;
  const std::int64_t unit = minutes * 60;
  return (s.seconds + unit / 2) / unit * unit;
}

Quarter MakeQuarter(const DateFormat& format, unsigned seed) {
  Quarter q;
  q.days = {DayFromCivil({2026, 1, 1}), DayFromCivil({2026, 3, 31})};
  q.rates.Rate("Acme", DayFromCivil({2026, 1, 1}), 8500);
  q.rates.Rate("Acme", DayFromCivil({2026, 2, 15}), 9050);
  q.rates.Rate("Beta Ltd", DayFromCivil({2026, 1, 1}), 12033);
  q.rates.Rate("Internal", DayFromCivil({2026, 1, 1}), 6000);
  q.rates.NotBillable("Internal");
  q.ratesFile =
      "rate\tAcme\t2026-02-15\t90.50\t2026-02-10T08:00:00Z\r\n"
      "rate\tAcme\t2026-01-01\t85\t2026-01-01T08:00:00Z\r\n"
      "rate\tBeta Ltd\t2026-01-01\t120.33\t2026-01-01T08:00:00Z\r\n"
      "rate\tInternal\t2026-01-01\t60.00\t2026-01-01T08:00:00Z\r\n"
      "billable\tInternal\tno\t2026-01-01T08:00:00Z\r\n"
      "currency\tEUR\t2026-01-01T08:00:00Z\r\n";
  // Comments and the tags they hold, as compared.
  const struct {
    const char* comment;
    std::set<std::string> tags;
  } comments[] = {{"", {}},
                  {"#call with the printer", {"call"}},
                  {"review, #Call. (#client/acme)", {"call", "client/acme"}},
                  {"see issue #42, C# code", {}},
                  {"plan #review #CALL #review", {"call", "review"}},
                  {"\"#review\" of layout, then proofs", {"review"}}};
  const char* const projects[] = {"Acme", "Beta Ltd", "Internal"};
  std::mt19937 random(seed);
  for (std::int64_t day = q.days.first; day <= q.days.last; ++day) {
    const int weekday = Weekday(day);
    if (weekday == 0 || weekday == 6) continue;
    if (day == DayFromCivil({2026, 2, 13})) {  // a day off, marked by a stretch of a billable project
      q.stretches.push_back({"Acme", "#off", {day, 0}, 86399, {"off"}});
      continue;
    }
    std::int32_t at = 8 * 3600 + static_cast<std::int32_t>(random() % 1800);
    const int count = 2 + static_cast<int>(random() % 5);
    for (int i = 0; i < count; ++i) {
      const std::int32_t seconds = 300 + static_cast<std::int32_t>(random() % 7000);
      const auto& c = comments[random() % std::size(comments)];
      q.stretches.push_back({projects[random() % 3], c.comment, {day, at}, seconds, c.tags});
      at += seconds + static_cast<std::int32_t>(random() % 900);
    }
  }
  for (const QuarterStretch& s : q.stretches) {
    const std::string comment = s.comment;
    q.report += s.project + "," + format.FormatGeneral(s.start) + "," +
                format.FormatGeneral({s.start.day, s.start.seconds + static_cast<std::int32_t>(s.seconds)}) + "," + comment + "\r\n";
  }
  return q;
}

}  // namespace tw::test
