#include "bench/bench_verbs.h"

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <map>
#include <vector>

#include "bench/bench_rows.h"

namespace tw::bench {
namespace {

// The command's standard output (its standard error thrown away) and how long it took, in seconds.
std::pair<std::string, double> Timed(const std::string& command) {
  const auto begin = std::chrono::steady_clock::now();
  std::string out;
  if (std::FILE* pipe = ::popen((command + " 2>/dev/null").c_str(), "r")) {
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
    ::pclose(pipe);
  }
  return {out, std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count()};
}

// Now as a local ISO 8601 date-time, to the second.
std::string NowIso() {
  const std::time_t now = std::time(nullptr);
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S", std::localtime(&now));
  return text;
}

}  // namespace

void VerbRows(const std::string& ctl, const std::string& ping, int runs) {
  // The report's records span 2016 to 2026: a day of 2015 is free for the stretches added.
  const std::string day = "2015-06-01";
  std::map<std::string, double> fastest;
  std::vector<std::string> order;
  const auto time = [&](const std::string& name, const std::string& args) {
    const auto [out, seconds] = Timed(ctl + " " + args);
    if (!fastest.count(name)) order.push_back(name), fastest[name] = seconds;
    fastest[name] = std::min(fastest[name], seconds);
    return out;
  };
  double pinged = 1e9;
  for (int i = 0; i < runs; ++i) {
    pinged = std::min(pinged, Timed(ping).second);
    Timed(ctl + " start Alpha");
    time("comment", "comment 'bench, a comment'");
    time("cancel", "cancel");
    time("continue", "continue");
    ::sleep(1);  // an end after the start
    time("stop --at", "stop --at " + NowIso());
    time("track", "track " + day + "T09:00 " + day + "T10:00 Alpha --comment bench");
    const std::string id = time("list, one day", "list --date " + day + " --ids").substr(0, 8);
    time("edit", "edit " + id + " --comment edited");
    const std::string edited = Timed(ctl + " list --date " + day + " --ids").first.substr(0, 8);
    time("split", "split " + edited + " 09:30");
    const std::string half = Timed(ctl + " list --date " + day + " --ids").first.substr(0, 8);
    time("delete", "delete " + half);
    time("undo", "undo");
    for (int step = 0; step < 3; ++step) Timed(ctl + " undo");  // the split, the edit, the track
    time("history", "history -n 5");
  }
  for (const std::string& name : order)
    Row("tallywright-ctl " + name + ", program running", fastest[name], "s", "dbus-send Ping", pinged, "<= 1.5x");
}

}  // namespace tw::bench
