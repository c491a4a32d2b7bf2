// tallywright-ctl: the quick path. A panel or a key asks the status or starts a stretch many times
// a day, and loading Qt alone costs more than the whole request; so this front end, with no Qt,
// asks the copy that owns the data folder through the folder's socket, and prints what the full
// command prints, through the same routines. Whatever it is not sure of (no copy answers, import,
// --follow, --help, a bad command line, a setting it cannot read plainly) it hands, unchanged, to
// the full command.
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "control/ctl_command.h"
#include "control/ctl_lean.h"
#include "control/mend_request.h"
#include "platform/clock.h"
#include "platform/folder_owner.h"
#include "platform/platform.h"
#include "platform/system.h"
#include "platform/translate.h"

namespace {

// Thrown wherever the full command must take over; nothing has been changed then.
struct HandOver {};

// The settings as far as a plain reading of the INI file goes: a value that is quoted, escaped,
// typed or in any way not plain text hands over to the full command, which reads it through Qt.
class PlainSettings : public tw::Settings {
 public:
  explicit PlainSettings(std::string text) : text_(std::move(text)) {}
  std::string GetSetting(const std::string&, const std::string& section, const std::string& key,
                         const std::string& defaultValue) override {
    const tw::PlainIniValue value = tw::ReadPlainIniValue(text_, section, key);
    if (!value.plain) throw HandOver{};
    return value.value.value_or(defaultValue);
  }
  void SaveSetting(const std::string&, const std::string&, const std::string&, const std::string&) override {
    throw HandOver{};
  }

 private:
  std::string text_;
};

std::string FileText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

[[noreturn]] void RunFullCommand(char** argv) {
  const std::string folder = tw::PosixSystem().ProgramFolder();
  // The full command takes this folder as its own, for the data folder's default and to find the
  // program beside it.
  ::setenv(tw::kCtlFolderVariable, folder.c_str(), 1);
  const std::string full = tw::FullCtlPath(folder);
  argv[0] = const_cast<char*>(full.c_str());
  ::execv(full.c_str(), argv);
  const int err = errno;
  const std::string beside = folder + "/tallywright-ctl-qt";
  if (full == beside)
    std::cerr << "tallywright-ctl: " << full << " could not be started: " << std::strerror(err) << "\n";
  else  // looked for in both places
    std::cerr << "tallywright-ctl: the full command is neither at " << beside << " nor at " << full
              << " (" << std::strerror(err) << "); reinstall Tallywright\n";
  std::exit(tw::kCtlRefused);
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (!tw::LeanCtlTakes(args)) RunFullCommand(argv);
  try {
    std::optional<std::string> settingsFile = tw::UserSettingsFile(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"),
                                                                   std::getenv("XDG_CONFIG_DIRS"));
    if (!settingsFile) throw HandOver{};
    PlainSettings settings(FileText(*settingsFile));
    tw::PosixSystem system;
    // Its few texts are English: where the person's language has a translation, the full command,
    // which has the translations, answers (an English run only reads one more setting).
    for (const std::string& language :
         tw::WantedLanguages(settings.GetSetting(tw::kProductName, tw::kSettingsSection, tw::kLanguageSetting, "")))
      if (!tw::TranslationFile(system.ProgramFolder(), language).empty()) throw HandOver{};
    tw::SystemClock clock;  // for the moments typed after --at
    tw::platform() = tw::Platform{nullptr, &settings, nullptr, &system, &clock, nullptr, nullptr};
    // The owner of the data folder; when none owns it (and so nothing was sent), the full command
    // acts on the folder. An owner's refusal, or an answer lost after sending, is never sent again.
    const std::string folder = system.DataFolder();
    const auto ask = [&](std::string_view line) { return tw::AskFolderOwner(folder, line, 15000); };
    if (tw::IsMendVerb(args.front())) {
      // The running copy carries it out on its record store; it prints what the full command would.
      const std::optional<int> status = tw::AskOwnerToMend(ask, args.front(), {args.begin() + 1, args.end()}, std::cout, std::cerr);
      if (!status) throw HandOver{};
      return *status;
    }
    tw::OwnerTracker tracker([&](std::string_view line) { return tw::AskFolderOwner(folder, line, 15000); },
                             []() -> tw::Tracker& { throw HandOver{}; });
    std::ostringstream err;
    tw::CtlContext context{{}, std::cout, err, [&]() -> tw::Tracker& { return tracker; },
                           [&] { return system.DataFolder(); }, {}};
    const int status = tw::RunCtl(args, context, tw::TrackerVerbs());
    if (status == tw::kCtlUsage) throw HandOver{};
    std::cerr << err.str();
    return status;
  } catch (const HandOver&) {
    std::cout.flush();
    RunFullCommand(argv);
  }
}
