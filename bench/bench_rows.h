#pragma once
// What every benchmark row is measured and printed with, for the rows of each part of the program
// in their own file.
#include <functional>
#include <string>
#include <utility>

namespace tw::bench {

// The median time of `runs` runs of `work`; `prepare` runs untimed before each.
double Median(int runs, const std::function<void()>& work, const std::function<void()>& prepare = {});
// The fastest times of two pieces of work run by turns, so that both meet the same load of the
// machine, and what other work took from them is left out as far as a run can tell.
std::pair<double, double> FastestPair(int runs, const std::function<void()>& a, const std::function<void()>& b);
// The same by the processor time of the calling thread (its system time included: the reading of
// the file from the page cache), which other programs' load of the machine leaves nearly be.
std::pair<double, double> FastestProcessorPair(int runs, const std::function<void()>& a, const std::function<void()>& b);
// Runs a command line through the shell, its output thrown away.
void Run(const std::string& command);
// The process's resident memory now and its peak since the last reset, in KiB.
long StatusKiB(const char* field);
// Starts a new peak at the present size, the heap's free memory given back first so that what an
// earlier figure left behind is not counted as free room for the next.
void ResetPeak();
// One row of the table: the figure, its reference measured in the same run, their ratio and the target.
void Row(const std::string& figure, double value, const std::string& unit, const std::string& reference,
         double referenceValue, const std::string& target);

}  // namespace tw::bench
