#include "control/ctl_lean.h"

#include <unistd.h>

#include <algorithm>

#include "control/mend_request.h"
#include "dates/ascii.h"
#include "platform/product.h"
#include "summaries/status_figures.h"

namespace tw {
namespace {

bool Exists(const std::string& path) { return ::access(path.c_str(), F_OK) == 0; }

}  // namespace

bool LeanCtlTakes(const std::vector<std::string>& args) {
  static constexpr std::string_view verbs[] = {"status", "start", "stop", "toggle", "show", "projects",
                                                "continue", "cancel", "comment"};
  if (args.empty() || (std::find(std::begin(verbs), std::end(verbs), args.front()) == std::end(verbs) &&
                       !IsMendVerb(args.front())))
    return false;
  // A status with the budget's or the balance's figures reads the reports: the full command's work.
  return std::none_of(args.begin(), args.end(), [&](const std::string& arg) {
    return arg == "--follow" || arg == "--help" || arg == "-h" || (args.front() == "status" && AsksStatusFigures(arg));
  });
}

std::string FullCtlPath(const std::string& folder) {
  const std::string beside = folder + "/tallywright-ctl-qt";
  return Exists(beside) ? beside : folder + "/" TW_FULL_CTL_FROM_BIN;
}

std::optional<std::string> UserSettingsFile(const char* xdgConfigHome, const char* home, const char* xdgConfigDirs) {
  std::string config;
  if (xdgConfigHome && *xdgConfigHome) {
    if (*xdgConfigHome != '/') return std::nullopt;
    config = xdgConfigHome;
  } else {
    if (!home || *home != '/') return std::nullopt;
    config = std::string(home) + "/.config";
  }
  const std::string name = kProductName;
  std::vector<std::string> fallbacks = {config + "/" + name + ".ini"};
  std::string_view dirs = xdgConfigDirs && *xdgConfigDirs ? xdgConfigDirs : "/etc/xdg";
  while (!dirs.empty()) {
    const size_t colon = dirs.find(':');
    const std::string dir(dirs.substr(0, colon));
    dirs = colon == std::string_view::npos ? std::string_view() : dirs.substr(colon + 1);
    fallbacks.push_back(dir + "/" + name + "/" + name + ".ini");
    fallbacks.push_back(dir + "/" + name + ".ini");
  }
  if (std::any_of(fallbacks.begin(), fallbacks.end(), Exists)) return std::nullopt;
  return config + "/" + name + "/" + name + ".ini";
}

PlainIniValue ReadPlainIniValue(std::string_view text, std::string_view section, std::string_view key) {
  PlainIniValue result;
  bool inSection = false;
  while (!text.empty()) {
    const size_t end = text.find('\n');
    const std::string_view line = Trimmed(text.substr(0, end), IsWhiteSpace);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    if (line.empty() || line.front() == ';' || line.front() == '#') continue;
    if (line.front() == '[') {
      inSection = line.size() > 2 && line.back() == ']' && line.substr(1, line.size() - 2) == section;
      continue;
    }
    const size_t equals = line.find('=');
    if (!inSection || equals == std::string_view::npos) continue;
    if (Trimmed(line.substr(0, equals), IsWhiteSpace) != key) continue;
    const std::string_view value = Trimmed(line.substr(equals + 1), IsWhiteSpace);
    const bool plain = !value.starts_with('@') && value.find_first_of("\"\\%,;") == std::string_view::npos &&
                       std::all_of(value.begin(), value.end(), [](char c) { return c >= ' ' && c < 0x7f; });
    if (!plain || result.value) return {false, std::nullopt};
    result.value = std::string(value);
  }
  return result;
}

}  // namespace tw
