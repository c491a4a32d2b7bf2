#pragma once
// What time amounts to, reckoned apart from the program's routines, to check them against: each
// project's rate changes searched latest first, and the exact counted x rate / 3600 rounded by
// comparing twice its remainder with the denominator.
#include <algorithm>
#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace tw::test {

class IndependentRates {
 public:
  // Rates may be given in any order.
  void Rate(const std::string& project, std::int64_t firstDay, std::int64_t centsPerHour) {
    auto& changes = changes_[project];
    changes.emplace_back(firstDay, centsPerHour);
    std::sort(changes.begin(), changes.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
  }
  void NotBillable(const std::string& project) { notBillable_.insert(project); }

  bool Billable(const std::string& project) const { return !notBillable_.contains(project); }
  std::optional<std::int64_t> RateOn(const std::string& project, std::int64_t day) const {
    const auto it = changes_.find(project);
    if (it == changes_.end()) return std::nullopt;
    const auto change = std::find_if(it->second.begin(), it->second.end(), [&](const auto& c) { return c.first <= day; });
    if (change == it->second.end()) return std::nullopt;
    return change->second;
  }
  // The value of `counted` seconds of work started on `day`, billable or not.
  std::int64_t Value(const std::string& project, std::int64_t day, std::int64_t counted) const {
    const auto rate = RateOn(project, day);
    if (!rate) return 0;
    const std::int64_t numerator = counted * *rate;
    return numerator / 3600 + (2 * (numerator % 3600) >= 3600 ? 1 : 0);
  }
  // What is billed for it: its value, or 0 for a project that is not billable.
  std::int64_t Billed(const std::string& project, std::int64_t day, std::int64_t counted) const {
    return Billable(project) ? Value(project, day, counted) : 0;
  }

 private:
  std::map<std::string, std::vector<std::pair<std::int64_t, std::int64_t>>> changes_;  // latest first
  std::set<std::string> notBillable_;
};

}  // namespace tw::test
