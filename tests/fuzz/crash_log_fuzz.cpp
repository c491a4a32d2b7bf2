// The crash-log entry on arbitrary texts and numbers: its first line keeps the 14-column print
// zones, every fixed line is there, and the entry never fails to build.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "errors/crash_log.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 16) return 0;
  std::int32_t number;
  std::memcpy(&number, data, 4);
  tw::CrashLogFacts facts;
  facts.stamp = "12-05-2026  10:04:22PM";
  facts.system.platform = data[4];
  facts.system.build = static_cast<int8_t>(data[5]) * 1000;
  std::memcpy(&facts.system.version, data + 6, 4);
  facts.system.battery = data[10];
  facts.screenWidthTwips = static_cast<double>(data[11]) * 15.5;
  facts.screenHeightTwips = -static_cast<double>(data[12]);
  const int action = data[13] % 7;
  const std::string_view rest(reinterpret_cast<const char*>(data + 16), size - 16);
  const size_t a = rest.find('\x01');
  const std::string_view location = rest.substr(0, a);
  const std::string_view tail = a == std::string_view::npos ? std::string_view() : rest.substr(a + 1);
  const size_t b = tail.find('\x01');
  const std::string_view source = tail.substr(0, b);
  const std::string_view description = b == std::string_view::npos ? std::string_view() : tail.substr(b + 1);
  if (location.find_first_of("\r\n") != std::string_view::npos) return 0;

  const std::string tag = tw::ErrorTag(number, location);
  const std::string entry = tw::CrashLogEntry(tag, action, source, description, facts);
  if (entry.rfind("\r\n", 0) != 0) std::abort();
  const size_t lineEnd = entry.find("\r\n", 2);
  const std::string_view first(entry.data() + 2, lineEnd - 2);
  const std::string letter = tw::ActionLetter(action);
  const size_t head = facts.stamp.size() + tag.size();
  if (first.compare(0, head, facts.stamp + tag) != 0) std::abort();
  const size_t field = first.size() - letter.size();
  if (field % 14 != 0 || field < head || field - head >= 14) std::abort();
  if (first.find_first_not_of(' ', head) < field) std::abort();
  const std::string details = tw::ErrorDetails(source, description);
  if (entry.compare(lineEnd + 2, details.size(), details) != 0) std::abort();
  for (const char* line : {"\r\nApp Version> ", "\r\nMonitor> ", "\r\nSystem> Platform:", "\r\nBattery>"})
    if (entry.find(line, lineEnd + 2 + details.size()) == std::string::npos) std::abort();
  if (entry.compare(entry.size() - 2, 2, "\r\n") != 0) std::abort();
  return 0;
}
