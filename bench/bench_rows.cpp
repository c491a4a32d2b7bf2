#include "bench/bench_rows.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <vector>

namespace tw::bench {

double Median(int runs, const std::function<void()>& work, const std::function<void()>& prepare) {
  using Clock = std::chrono::steady_clock;
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    if (prepare) prepare();
    const auto begin = Clock::now();
    work();
    times.push_back(std::chrono::duration<double>(Clock::now() - begin).count());
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

std::pair<double, double> FastestPair(int runs, const std::function<void()>& a, const std::function<void()>& b) {
  double first = 1e9, second = 1e9;
  for (int i = 0; i < runs; ++i) {
    first = std::min(first, Median(1, a));
    second = std::min(second, Median(1, b));
  }
  return {first, second};
}

std::pair<double, double> FastestProcessorPair(int runs, const std::function<void()>& a, const std::function<void()>& b) {
  const auto timed = [](const std::function<void()>& work) {
    timespec begin{}, end{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &begin);
    work();
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &end);
    return static_cast<double>(end.tv_sec - begin.tv_sec) + (end.tv_nsec - begin.tv_nsec) / 1e9;
  };
  double first = 1e9, second = 1e9;
  for (int i = 0; i < runs; ++i) {
    first = std::min(first, timed(a));
    second = std::min(second, timed(b));
  }
  return {first, second};
}

void Row(const std::string& figure, double value, const std::string& unit, const std::string& reference,
         double referenceValue, const std::string& target) {
  char ratio[32] = "", referenceText[32] = "";
  if (!reference.empty()) std::snprintf(referenceText, sizeof referenceText, "%.4f", referenceValue);
  if (referenceValue > 0 && unit == "s") std::snprintf(ratio, sizeof ratio, "%.2fx", value / referenceValue);
  std::printf("| %-50s | %10.4f %-3s | %-28s | %10s | %6s | %-9s |\n", figure.c_str(), value, unit.c_str(),
              reference.c_str(), referenceText, ratio, target.c_str());
  std::fflush(stdout);
}

}  // namespace tw::bench
