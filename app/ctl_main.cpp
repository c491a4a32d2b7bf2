// tallywright-ctl: drives Tallywright from a terminal, a keyboard shortcut or a panel.
#include <iostream>

#include "app/ctl_command.h"
#include "desktop/qt_settings.h"
#include "platform/platform.h"
#include "platform/system.h"

namespace {

class NoProgram : public tw::Tracker {
 public:
  void Start(const std::string&, const std::string&) override { Refuse(); }
  void End() override { Refuse(); }
  tw::TrackerStatus Status() override { Refuse(); }
  std::vector<std::string> Projects() override { Refuse(); }
  void Show() override { Refuse(); }

 private:
  [[noreturn]] static void Refuse() { throw tw::ControlError(tw::kNoProgram, "Tallywright is not running"); }
};

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  tw::Files files;
  // The settings name the data folder (DataFolder) and this machine in a shared one.
  tw::QtSettings settings;
  tw::platform().settings = &settings;
  tw::PosixSystem system;
  NoProgram none;
  tw::CtlContext context{{}, std::cout, std::cerr, [&]() -> tw::Tracker& { return none; },
                         [&] { return system.DataFolder(); }, {}};
  return tw::RunCtl(args, context);
}
