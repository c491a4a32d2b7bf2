#pragma once
// The quick tallywright-ctl (no Qt): what it takes on itself, where it finds the settings and the
// full command it hands everything else to.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tw {

// Set by the quick command for the full one: the folder the quick command lives in, which the full
// command takes as its own (it is installed elsewhere).
inline constexpr const char* kCtlFolderVariable = "TALLYWRIGHT_CTL_FOLDER";

// True for a command line the quick command carries out itself when the data folder's owner
// answers: status (not --follow, nor a format with the budget's or the balance's figures), start,
// stop, toggle, show, projects, continue, cancel, comment and the mending verbs (track, list, edit,
// delete, split, undo, redo, history), with no --help.
bool LeanCtlTakes(const std::vector<std::string>& args);

// The full command: beside folder (a build), else where the install puts it.
std::string FullCtlPath(const std::string& folder);

// The settings file the full command reads ($XDG_CONFIG_HOME or ~/.config, then
// Tallywright/Tallywright.ini); nothing when the settings may come from elsewhere as well (a
// fallback file of the user's or of the system's), or no home is known.
std::optional<std::string> UserSettingsFile(const char* xdgConfigHome, const char* home, const char* xdgConfigDirs);

// A key's value in INI text, read only where it is plain: no quotes, backslashes, percent forms,
// "@" types, lists or comments in it, and given once. plain false: the text says more than that.
struct PlainIniValue {
  bool plain = true;
  std::optional<std::string> value;  // nothing: the key is not there
};
PlainIniValue ReadPlainIniValue(std::string_view text, std::string_view section, std::string_view key);

}  // namespace tw
