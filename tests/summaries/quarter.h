#pragma once
// A generated quarter for the money tests, written as a report and rates file and reckoned apart.
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "dates/date_format.h"
#include "dates/period.h"
#include "tests/support/reckoning.h"

namespace tw::test {

struct QuarterStretch {
  std::string project, comment;
  DateTime start;
  std::int64_t seconds = 0;
  std::set<std::string> tags;  // as compared: small letters
  bool DayOff() const { return tags.contains("off"); }  // recorded, not worked: never billed
};

struct Quarter {
  Period days;  // January to March 2026
  std::vector<QuarterStretch> stretches;
  IndependentRates rates;
  std::string report, ratesFile;  // the files' text

  // What the summary gives when rounding to `minutes`: a stretch's counted length.
  static std::int64_t Counted(const QuarterStretch& s, int minutes);
  // The stretches that pass `keep`, totalled independently.
  struct Totals {
    std::int64_t seconds = 0, billableSeconds = 0, billed = 0, notBillableValue = 0;
  };
  template <class Keep>
  Totals Sum(int minutes, Keep&& keep) const {
    Totals t;
    for (const QuarterStretch& s : stretches) {
      if (!keep(s)) continue;
      const std::int64_t counted = Counted(s, minutes);
      t.seconds += counted;
      if (s.DayOff()) continue;
      if (rates.Billable(s.project)) {
        t.billableSeconds += counted;
        t.billed += rates.Billed(s.project, s.start.day, counted);
      } else {
        t.notBillableValue += rates.Value(s.project, s.start.day, counted);
      }
    }
    return t;
  }
};

// The same quarter for the same seed, its dates written in `format`.
Quarter MakeQuarter(const DateFormat& format, unsigned seed = 2026);

}  // namespace tw::test
