#include "platform/platform.h"

#include <charconv>

namespace tw {
namespace {

template <class Number>
std::string Shortest(Number value) {
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

}  // namespace

std::string ShortestNumber(double value) { return Shortest(value); }
std::string ShortestNumber(float value) { return Shortest(value); }

Platform& platform() {
  static Platform current;
  return current;
}

std::optional<int> ParseWholeNumber(std::string_view text, int max) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return std::nullopt;
  text = text.substr(first, text.find_last_not_of(' ') + 1 - first);
  int value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size() || value < 0 || value > max)
    return std::nullopt;
  return value;
}

int WholeSetting(const char* key, int fallback, int max) {
  const std::string text =
      platform().settings->GetSetting(kProductName, kSettingsSection, key, std::to_string(fallback));
  return ParseWholeNumber(text, max).value_or(fallback);
}

std::string DataFile(const std::string& name) {
  return JoinPath(platform().system->DataFolder(), name);
}

}  // namespace tw
