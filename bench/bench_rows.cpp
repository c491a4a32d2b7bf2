#include "bench/bench_rows.h"

#include <malloc.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <vector>

namespace tw::bench {

double Median(int runs, const std::function<void()>& work, const std::function<void()>& prepare) {
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    if (prepare) prepare();
    const auto begin = std::chrono::steady_clock::now();
    work();
    times.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count());
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

// The fastest times of two pieces of work run by turns, so that both meet the same load of the
// machine, and what other work took from them is left out as far as a run can tell.
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

void Run(const std::string& command) {
  if (std::system((command + " >/dev/null 2>&1").c_str()) == -1) std::perror("system");
}

long StatusKiB(const char* field) {
  std::FILE* status = std::fopen("/proc/self/status", "r");
  char line[256];
  long value = -1;
  while (status && std::fgets(line, sizeof line, status))
    if (std::strncmp(line, field, std::strlen(field)) == 0) value = std::atol(line + std::strlen(field) + 1);
  if (status) std::fclose(status);
  return value;
}

void ResetPeak() {
  ::malloc_trim(0);
  if (std::FILE* clear = std::fopen("/proc/self/clear_refs", "w")) {
    std::fputs("5", clear);
    std::fclose(clear);
  }
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
