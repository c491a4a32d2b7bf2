#pragma once
// The benchmark's timings and its table: each figure a row, beside a reference measured in the
// same run on the same file, and their ratio.
#include <functional>
#include <string>
#include <utility>

namespace tw::bench {

// The median time of `runs` runs of `work`, in seconds; `prepare` runs untimed before each.
double Median(int runs, const std::function<void()>& work, const std::function<void()>& prepare = {});

// The fastest times of two pieces of work run by turns, so that both meet the same load of the
// machine, and what other work took from them is left out as far as a run can tell.
std::pair<double, double> FastestPair(int runs, const std::function<void()>& a, const std::function<void()>& b);

// The same by the processor time of the calling thread (its system time included: the reading of
// the file from the page cache), which other programs' load of the machine leaves nearly be.
std::pair<double, double> FastestProcessorPair(int runs, const std::function<void()>& a, const std::function<void()>& b);

// One row of the table on standard output; the ratio is given for times (unit "s") with a reference.
void Row(const std::string& figure, double value, const std::string& unit, const std::string& reference,
         double referenceValue, const std::string& target);

}  // namespace tw::bench
